#pragma once

#include <QList>
#include <QString>

namespace spellchecker {

/// A word of a text: where it starts and how many characters it has.
struct WordSpan {
    int start = 0;
    int length = 0;
    bool operator==(const WordSpan &) const = default;
};

/// The words of a text worth checking, in order: runs of letters (with apostrophes and
/// hyphens inside) by the Unicode word rules. Words with digits are left out, as numbers,
/// codes and dates are no spelling matter.
QList<WordSpan> wordsOf(const QString &text);

} // namespace spellchecker
