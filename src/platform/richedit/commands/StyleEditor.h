#pragma once

#include "EditorCommand.h"
#include "platform/richedit/model/Styles.h"

#include <QColor>
#include <QFont>

#include <vector>

namespace richedit {
class Document;
}

namespace richedit::styles {

/// What the style editor shows of a style: its names and its resolved formatting (the style
/// with the styles it is based on and the document defaults). Lengths in layout units.
struct StyleFields {
    QString name;
    QString basedOn;
    QString next;
    QString family;
    qreal size = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color;
    Qt::Alignment alignment = Qt::AlignLeft;
    qreal leftIndent = 0;
    qreal rightIndent = 0;
    qreal firstLineIndent = 0;
    qreal spaceBefore = 0;
    qreal spaceAfter = 0;
    int lineSpacingPercent = 100;

    bool operator==(const StyleFields &) const = default;
};

StyleFields fieldsOf(const StyleSheet &sheet, const Style &style, const QFont &documentFont);
/// The style with what the user changed from `shown` to `edited`; what stayed as shown keeps
/// coming from where it came from.
Style withFields(Style style, const StyleFields &shown, const StyleFields &edited);

/// A sheet with at least a default paragraph style, "Normal", and the headings, for a document
/// that came without styles.
void addBasicStyles(StyleSheet &sheet, const QFont &documentFont);
/// A new id and name for a style the user adds.
Style newStyle(const StyleSheet &sheet, StyleType type, const QString &basedOn);

/// Puts the styles in the document's sheet (replacing those of the same id) and formats every
/// paragraph and run of the main story that uses them, or styles based on them, anew.
/// Formatting that differs from what the old style gave (direct formatting) stays. One undo
/// step, which also restores the sheet.
void applyStyles(Document &document, const std::vector<Style> &styles);

void showEditStyleForm(CommandContext &context, const QVariant &);

} // namespace richedit::styles
