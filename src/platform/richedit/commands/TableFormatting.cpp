#include "TableCommands.h"

#include "TableCells.h"
#include "platform/richedit/model/Document.h"
#include "platform/richedit/model/TextFormats.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QTextBlock>

namespace richedit::table {
namespace {

constexpr qreal layoutPerPoint = qreal(layoutDpi) / 72;

enum class Side { Top, Bottom, Left, Right };

constexpr struct {
    Side side;
    int property; // our border line, which the files keep
    QTextFormat::Property width;
    QTextFormat::Property style;
    QTextFormat::Property brush;
} sides[] = {
    {Side::Top, prop::TableBorderTop, QTextFormat::TableCellTopBorder, QTextFormat::TableCellTopBorderStyle,
     QTextFormat::TableCellTopBorderBrush},
    {Side::Bottom, prop::TableBorderBottom, QTextFormat::TableCellBottomBorder,
     QTextFormat::TableCellBottomBorderStyle, QTextFormat::TableCellBottomBorderBrush},
    {Side::Left, prop::TableBorderLeft, QTextFormat::TableCellLeftBorder, QTextFormat::TableCellLeftBorderStyle,
     QTextFormat::TableCellLeftBorderBrush},
    {Side::Right, prop::TableBorderRight, QTextFormat::TableCellRightBorder, QTextFormat::TableCellRightBorderStyle,
     QTextFormat::TableCellRightBorderBrush},
};

/// One side of a cell: a line of `points` in `color`, or none (`points` 0). Both what the view
/// draws and what the files keep are set, so the two never disagree.
void setCellBorder(QTextTableCellFormat &format, Side side, qreal points, const QColor &color)
{
    for (const auto &s : sides) {
        if (s.side != side)
            continue;
        BorderLine line;
        if (points > 0) {
            line.width = std::clamp(qRound(points * 8), 2, 96);
            line.color = color;
        } else {
            line.style = QStringLiteral("nil");
            line.width = 0;
        }
        setBorderLine(format, s.property, line);
        format.setProperty(s.width, points > 0 ? std::max(qreal(1), points * layoutPerPoint) : qreal(0));
        format.setProperty(s.style, QTextFrameFormat::BorderStyle_Solid);
        format.setProperty(s.brush, QBrush(color.isValid() ? color : QColor(Qt::black)));
    }
}

/// Every anchor cell of the range, once.
template <typename Visit>
void forEachCell(QTextTable *table, const CellRange &r, Visit visit)
{
    for (int row = r.firstRow; row < r.firstRow + r.rows; ++row)
        for (int column = r.firstColumn; column < r.firstColumn + r.columns; ++column) {
            QTextTableCell cell = table->cellAt(row, column);
            if (cell.row() == row && cell.column() == column)
                visit(cell);
        }
}

CellRange wholeTable(const QTextTable *table)
{
    return {0, table->rows(), 0, table->columns()};
}

} // namespace

TableProperties tableProperties(const QTextCursor &cursor)
{
    TableProperties p;
    QTextTable *table = cursor.currentTable();
    if (!table)
        return p;
    const QTextTableFormat format = table->format();
    p.width = format.width();
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    p.alignment = alignment == Qt::AlignHCenter || alignment == Qt::AlignRight ? alignment : Qt::AlignLeft;
    const QTextTableCell cell = table->cellAt(cursor);
    const QTextLength column = format.columnWidthConstraints().value(cell.column());
    p.columnWidth = column.type() == QTextLength::FixedLength ? column.rawValue() : 0;
    const QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
    p.cellAlignment = cellFormat.verticalAlignment() == QTextCharFormat::AlignNormal ? QTextCharFormat::AlignTop
                                                                                     : cellFormat.verticalAlignment();
    const auto padding = [&](QTextFormat::Property property) {
        return cellFormat.hasProperty(property) ? cellFormat.doubleProperty(property) : format.cellPadding();
    };
    p.marginTop = padding(QTextFormat::TableCellTopPadding);
    p.marginBottom = padding(QTextFormat::TableCellBottomPadding);
    p.marginLeft = padding(QTextFormat::TableCellLeftPadding);
    p.marginRight = padding(QTextFormat::TableCellRightPadding);
    if (const auto line = borderLine(cellFormat, prop::TableBorderTop)) {
        p.borders = line->width > 0 && line->style != QLatin1String("nil") && line->style != QLatin1String("none");
        if (p.borders) {
            p.borderWidth = line->width / 8.0;
            p.borderColor = line->color.isValid() ? line->color : QColor(Qt::black);
        }
    } else if (cellFormat.hasProperty(QTextFormat::TableCellTopBorder)) {
        p.borders = cellFormat.topBorder() > 0;
    } else {
        p.borders = format.border() > 0;
    }
    if (cellFormat.background().style() != Qt::NoBrush)
        p.shading = cellFormat.background().color();
    return p;
}

void setTableProperties(QTextCursor cursor, const TableProperties &p)
{
    changeTableAt(cursor, [&](QTextTable *t, const CellRange &r) {
        QTextTableFormat format = t->format();
        format.setWidth(p.width);
        format.setAlignment(p.alignment);
        QList<QTextLength> widths = format.columnWidthConstraints();
        if (widths.size() != t->columns())
            widths = QList<QTextLength>(t->columns(), QTextLength(QTextLength::VariableLength, 0));
        for (int column = r.firstColumn; column < r.firstColumn + r.columns; ++column)
            widths[column] = p.columnWidth > 0 ? QTextLength(QTextLength::FixedLength, p.columnWidth)
                             : widths[column].type() == QTextLength::FixedLength
                                 ? QTextLength(QTextLength::VariableLength, 0)
                                 : widths[column];
        format.setColumnWidthConstraints(widths);
        t->setFormat(format);
        forEachCell(t, r, [&](QTextTableCell &cell) {
            QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
            cellFormat.setVerticalAlignment(p.cellAlignment);
            cellFormat.setTopPadding(p.marginTop);
            cellFormat.setBottomPadding(p.marginBottom);
            cellFormat.setLeftPadding(p.marginLeft);
            cellFormat.setRightPadding(p.marginRight);
            for (const auto &s : sides)
                setCellBorder(cellFormat, s.side, p.borders ? p.borderWidth : 0, p.borderColor);
            if (p.shading.isValid())
                cellFormat.setBackground(p.shading);
            else
                cellFormat.clearBackground();
            cell.setFormat(cellFormat);
        });
    });
}

void showTablePropertiesForm(CommandContext &context, const QVariant &)
{
    const QTextCursor cursor = context.control.textCursor();
    const std::optional<TableProperties> chosen =
        context.dialogs.tablePropertiesForm(tableProperties(cursor), context.control.MeasurementUnit());
    if (chosen)
        setTableProperties(cursor, *chosen);
}

namespace {

/// A built-in table style: lines, header row and banding, applied to the cells as direct
/// formatting, with the style's id on the table.
struct BuiltInTableStyle {
    const char *id;
    const char *name;
    bool innerLines;   // lines between all cells
    bool outerLines;   // a box round the table
    bool headerRule;   // a line under the first row, and above and below the table
    QRgb headerFill;   // 0: none
    QRgb headerText;   // 0: the text's own colour
    QRgb band;         // fill of every second row under the first, 0: none
};

// clang-format off
constexpr BuiltInTableStyle tableStyles[] = {
    {"TableGrid",      "Table Grid",        true,  true,  false, 0,          0,          0},
    {"PlainTable",     "Plain Table",       false, false, false, 0,          0,          0},
    {"LightShading",   "Light Shading",     false, false, true,  0,          0,          0xFFD9D9D9},
    {"LightList",      "Light List",        false, true,  false, 0xFF000000, 0xFFFFFFFF, 0},
    {"MediumShading1", "Medium Shading 1",  true,  true,  false, 0xFF4F81BD, 0xFFFFFFFF, 0xFFD3DFEE},
};
// clang-format on

const BuiltInTableStyle *findTableStyle(const QString &id)
{
    for (const BuiltInTableStyle &style : tableStyles)
        if (id == QLatin1String(style.id))
            return &style;
    return nullptr;
}

/// Sets (or, with `on` false, removes) a header row's text colour and weight over the cell's text.
void formatHeaderText(QTextTable *table, const QTextTableCell &cell, const BuiltInTableStyle &style, bool on)
{
    QTextCursor text = cell.firstCursorPosition();
    text.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
    for (QTextBlock block = table->document()->findBlock(cell.firstPosition());
         block.isValid() && block.position() <= cell.lastPosition(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCursor run(table->document());
            run.setPosition(fragment.position());
            run.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat format = fragment.charFormat();
            if (on) {
                format.setFontWeight(QFont::Bold);
                if (style.headerText)
                    format.setForeground(QColor::fromRgba(style.headerText));
            } else {
                format.clearProperty(QTextFormat::FontWeight);
                if (style.headerText)
                    format.clearForeground();
            }
            run.setCharFormat(format);
        }
        QTextCursor mark(table->document());
        mark.setPosition(block.position());
        QTextCharFormat markFormat = block.charFormat();
        if (on) {
            markFormat.setFontWeight(QFont::Bold);
            if (style.headerText)
                markFormat.setForeground(QColor::fromRgba(style.headerText));
        }
        if (on)
            mark.setBlockCharFormat(markFormat);
    }
}

void applyStyleTo(QTextTable *table, const BuiltInTableStyle &style)
{
    const int lastRow = table->rows() - 1, lastColumn = table->columns() - 1;
    if (const BuiltInTableStyle *old = findTableStyle(table->format().stringProperty(prop::TableStyleId));
        old && (old->headerFill || old->headerText))
        forEachCell(table, {0, 1, 0, table->columns()},
                    [&](QTextTableCell &cell) { formatHeaderText(table, cell, *old, false); });
    forEachCell(table, wholeTable(table), [&](QTextTableCell &cell) {
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        const int bottom = cell.row() + cell.rowSpan() - 1, right = cell.column() + cell.columnSpan() - 1;
        const bool header = cell.row() == 0 && (style.headerFill || style.headerText || style.headerRule);
        const auto line = [&](bool outer, bool innerRule) {
            return (outer ? style.outerLines || (style.headerRule && innerRule) : style.innerLines) ? 0.5 : 0.0;
        };
        setCellBorder(format, Side::Top, cell.row() == 0 ? line(true, true) : line(false, false), Qt::black);
        setCellBorder(format, Side::Bottom,
                      bottom == lastRow ? line(true, true) : (header && style.headerRule ? 0.5 : line(false, false)),
                      Qt::black);
        setCellBorder(format, Side::Left, cell.column() == 0 ? line(true, false) : line(false, false), Qt::black);
        setCellBorder(format, Side::Right, right == lastColumn ? line(true, false) : line(false, false), Qt::black);
        if (cell.row() == 0 && style.headerFill)
            format.setBackground(QColor::fromRgba(style.headerFill));
        else if (cell.row() % 2 == 1 && style.band)
            format.setBackground(QColor::fromRgba(style.band));
        else
            format.clearBackground();
        cell.setFormat(format);
        if (header)
            formatHeaderText(table, cell, style, true);
    });
    QTextTableFormat format = table->format();
    for (int property = prop::TableBorderTop; property <= prop::TableBorderInsideV; ++property)
        format.clearProperty(property);
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setProperty(prop::TableStyleId, QString::fromLatin1(style.id));
    table->setFormat(format);
}

} // namespace

QStringList builtInTableStyles()
{
    QStringList ids;
    for (const BuiltInTableStyle &style : tableStyles)
        ids << QString::fromLatin1(style.id);
    return ids;
}

void applyTableStyle(CommandContext &context, const QVariant &argument)
{
    const QTextCursor cursor = context.control.textCursor();
    QTextTable *table = cursor.currentTable();
    if (!table)
        return;
    QString id = argument.toString();
    if (id.isEmpty()) {
        const std::optional<QString> chosen =
            context.dialogs.tableStyleForm(builtInTableStyles(), table->format().stringProperty(prop::TableStyleId));
        if (!chosen)
            return;
        id = *chosen;
    }
    const BuiltInTableStyle *style = findTableStyle(id);
    if (!style)
        return;
    // The files name the style; the sheet holds it so that they also define it.
    StyleSheet &sheet = context.control.document().styles();
    if (!sheet.find(id)) {
        Style entry;
        entry.id = id;
        entry.name = QString::fromLatin1(style->name);
        entry.type = StyleType::Table;
        sheet.add(entry);
    }
    changeTableAt(cursor, [&](QTextTable *t, const CellRange &) { applyStyleTo(t, *style); });
}

} // namespace richedit::table
