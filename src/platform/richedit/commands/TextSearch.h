#pragma once

#include <QTextCursor>

class QTextDocument;

namespace richedit {

struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
};

/// The next occurrence after `from` (its selection end), wrapping round to the start once;
/// a null cursor when the text does not occur.
QTextCursor findNext(QTextDocument &document, const QString &text, const QTextCursor &from, SearchOptions options);

/// Replaces every occurrence in one undo step and returns how many there were.
int replaceAll(QTextDocument &document, const QString &text, const QString &replacement, SearchOptions options);

/// Replaces the selection when it is an occurrence of `text`; returns whether it did. The
/// cursor then holds the replacement.
bool replaceSelection(QTextCursor &selection, const QString &text, const QString &replacement,
                      SearchOptions options);

} // namespace richedit
