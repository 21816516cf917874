#pragma once

#include "Properties.h"
#include "Units.h"

#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <optional>

namespace richedit {

/// The underline kind of a format: our own kind when set, else the nearest to Qt's style.
UnderlineType underlineType(const QTextCharFormat &format);
/// Sets our kind and the Qt style that draws it best.
void setUnderlineType(QTextCharFormat &format, UnderlineType type);

/// A border of a paragraph, table or cell format (`property` is one of prop::Border*,
/// prop::TableBorder*); nullopt when there is none.
std::optional<BorderLine> borderLine(const QTextFormat &format, int property);
void setBorderLine(QTextFormat &format, int property, const BorderLine &line);

/// The formatting of a paragraph's mark (what an empty paragraph shows). The first block of a
/// table cell carries the cell's format there instead, so it has none.
QTextCharFormat paragraphMarkFormat(const QTextBlock &block);

/// The target of a HYPERLINK field instruction (`HYPERLINK "target" \\switches`), or nullopt
/// when the instruction is of another field.
std::optional<QString> hyperlinkTarget(const QString &instruction);

/// Qt lengths are in layout units; files count twips.
inline int layoutToTwipsRounded(qreal units) { return qRound(layoutToTwips(units)); }

/// The sixteen colours a highlighter has, with the names Office Open XML gives them.
struct HighlightColor {
    const char *name;
    QRgb rgb;
};
const HighlightColor *highlightColors(int *count);
/// The name of the highlighter colour nearest to `color`.
const char *highlightName(const QColor &color);
/// The colour of a highlighter name, invalid for "none" or an unknown name.
QColor highlightColor(const QString &name);

} // namespace richedit
