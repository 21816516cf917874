#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>
#include <QTextFormat>

// Every property of ours that rides on a Qt text format is declared here, so that two
// features never pick the same number and a reader, a writer and the view agree on its type.
//
// Lengths: Qt's own length properties (indents, spacing, tab positions, column widths,
// image sizes) are in layout units of 1/96 inch, because Qt's layout reads them directly;
// they are qreal, so a twip value converts both ways without loss (Units.h). Lengths in
// our own properties and structures are twips.

namespace richedit {

namespace prop {
enum : int {
    // Character formats (QTextCharFormat)
    UnderlineKind = QTextFormat::UserProperty + 1, // int, UnderlineType; Qt's underline style mirrors it
    DoubleStrikeOut,                                // bool
    StrikeOutColor,                                 // QColor
    Highlight,                                      // QColor, one of the highlighter colours
    Hidden,                                         // bool
    NoProof,                                        // bool
    CharacterStyleId,                               // QString, id of a character style
    FieldId,                                        // int > 0: the text is the result of that field
    FieldInstruction,                               // QString, the field's instruction ("PAGE", "SEQ Figure")
    NoteReference,                                  // int > 0: the text is the mark of that note (Document::notes)

    // Block formats (QTextBlockFormat)
    ParagraphStyleId = QTextFormat::UserProperty + 100, // QString, id of a paragraph style
    KeepWithNext,                                       // bool
    WidowControl,                                       // bool
    OutlineLevel,                                       // int 0..8, bodyTextLevel or absent for body text
    BorderTop,                                          // BorderLine
    BorderBottom,                                       // BorderLine
    BorderLeft,                                         // BorderLine
    BorderRight,                                        // BorderLine
    BorderBetween,                                      // BorderLine
    TabLeaders,                                         // QString, one TabLeader char per tab position
    SectionEnd,                                         // bool: the last paragraph of a section (not the last)

    // List formats (QTextListFormat)
    ListId = QTextFormat::UserProperty + 200, // int, key of Document::lists()
    ListLevelIndex,                            // int 0..8

    // Table and cell formats
    TableStyleId = QTextFormat::UserProperty + 300, // QString
    TableBorderTop,                                 // BorderLine (table and cell formats)
    TableBorderBottom,
    TableBorderLeft,
    TableBorderRight,
    TableBorderInsideH, // table format only
    TableBorderInsideV, // table format only
    TableRowHeights,    // QVariantList of int twips per row: > 0 at least, < 0 exactly, 0 automatic

    // Image formats (QTextImageFormat)
    ImageDescription = QTextFormat::UserProperty + 400, // QString, alternative text
};
} // namespace prop

/// prop::OutlineLevel of a paragraph that says outright it is body text (over a heading style).
constexpr int bodyTextLevel = 9;

/// Underline kinds of a word processor; Qt draws only some of them, so the kind is kept on
/// its own and Qt's underline style is set to the nearest it can draw.
enum class UnderlineType {
    None,
    Single,
    Words, // under words, not under spaces
    Double,
    Thick,
    Dotted,
    Dash,
    DotDash,
    DotDotDash,
    Wave,
    DoubleWave,
};

/// A border line of a paragraph, table or cell. `style` uses the word-processing names
/// ("single", "double", "dotted", "dashed", "thick", "triple", "wave", …).
struct BorderLine {
    QString style = QStringLiteral("single");
    int width = 4;   // eighths of a point
    int space = 0;   // points between the line and the text
    QColor color;    // invalid: automatic

    bool operator==(const BorderLine &) const = default;
};

/// The characters a tab leader fills with, kept in prop::TabLeaders.
enum TabLeader : char16_t { LeaderNone = u' ', LeaderDot = u'.', LeaderHyphen = u'-', LeaderUnderscore = u'_' };

} // namespace richedit

Q_DECLARE_METATYPE(richedit::BorderLine)
