#pragma once

#include <QString>

#include <array>
#include <map>

namespace richedit {

/// How the number of a list level is written.
enum class NumberFormat { Bullet, Decimal, LowerLetter, UpperLetter, LowerRoman, UpperRoman, None };

/// One level of a list: "%1." style text where %N stands for level N's number, or the bullet.
struct ListLevel {
    NumberFormat format = NumberFormat::Decimal;
    QString text = QStringLiteral("%1.");
    int start = 1;
    int indent = 720;  // twips from the margin to the text
    int hanging = 360; // twips the number hangs left of the text
    QString fontFamily; // of the number or bullet, empty for the paragraph's

    bool operator==(const ListLevel &) const = default;
};

/// A bulleted, numbered or multi-level list. Paragraphs belong to it through a QTextList
/// whose format carries prop::ListId and prop::ListLevelIndex.
struct ListDefinition {
    std::array<ListLevel, 9> levels;

    bool operator==(const ListDefinition &) const = default;

    static ListDefinition bulleted();
    static ListDefinition numbered();
};

using ListTable = std::map<int, ListDefinition>;

} // namespace richedit
