#include "TableCommands.h"

#include "TableCells.h"

#include "platform/richedit/view/RichEditControl.h"

#include <QTextBlock>
#include <QTextTable>

#include <functional>
#include <vector>

namespace richedit::table {

void evenOutColumns(QTextTable *table)
{
    QTextTableFormat format = table->format();
    const QList<QTextLength> widths = format.columnWidthConstraints();
    if (widths.isEmpty())
        return;
    const bool percentages = std::all_of(widths.begin(), widths.end(), [](const QTextLength &l) {
        return l.type() == QTextLength::PercentageLength;
    });
    QList<QTextLength> even;
    for (int i = 0; i < table->columns(); ++i)
        even << (percentages ? QTextLength(QTextLength::PercentageLength, 100.0 / table->columns())
                             : QTextLength(QTextLength::VariableLength, 0));
    format.setColumnWidthConstraints(even);
    table->setFormat(format);
}

namespace {

/// Runs a change of the caret's table as one undo step.
template <typename Change>
void changeTable(CommandContext &context, Change change)
{
    changeTableAt(context.control.textCursor(), change);
}

} // namespace

bool inTable(const CommandContext &context)
{
    return context.control.textCursor().currentTable() != nullptr;
}

bool hasCellSelection(const CommandContext &context)
{
    return context.control.textCursor().hasComplexSelection();
}

void insertRowAbove(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &r) { t->insertRows(r.firstRow, 1); });
}

void insertRowBelow(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &r) { t->insertRows(r.firstRow + r.rows, 1); });
}

void insertColumnLeft(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &r) {
        t->insertColumns(r.firstColumn, 1);
        evenOutColumns(t);
    });
}

void insertColumnRight(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &r) {
        t->insertColumns(r.firstColumn + r.columns, 1);
        evenOutColumns(t);
    });
}

void deleteRows(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &r) {
        // Removing every row removes the table.
        t->removeRows(r.firstRow, r.rows);
    });
}

void deleteColumns(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &r) {
        const bool all = r.columns >= t->columns();
        t->removeColumns(r.firstColumn, r.columns);
        if (!all)
            evenOutColumns(t);
    });
}

void deleteTable(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &) { t->removeRows(0, t->rows()); });
}

void mergeCells(CommandContext &context, const QVariant &)
{
    QTextCursor cursor = context.control.textCursor();
    QTextTable *table = cursor.currentTable();
    if (!table || !cursor.hasComplexSelection())
        return;
    QTextCursor editor(cursor.document());
    editor.beginEditBlock();
    table->mergeCells(cursor);
    editor.endEditBlock();
}

namespace {

/// The width a table can take: the text width of the page.
qreal availableWidth(const QTextTable *table)
{
    const QTextDocument *document = table->document();
    const qreal width = document->pageSize().width() - 2 * document->documentMargin();
    return width > 0 ? width : document->textWidth();
}

void setColumnWidths(QTextTable *table, const QTextLength &tableWidth, const std::function<QTextLength(int)> &column)
{
    QTextTableFormat format = table->format();
    format.setWidth(tableWidth);
    QList<QTextLength> widths;
    for (int i = 0; i < table->columns(); ++i)
        widths << column(i);
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
}

} // namespace

void autoFitContents(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &) {
        setColumnWidths(t, QTextLength(), [](int) { return QTextLength(QTextLength::VariableLength, 0); });
    });
}

void autoFitWindow(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &) {
        const qreal share = 100.0 / t->columns();
        setColumnWidths(t, QTextLength(QTextLength::PercentageLength, 100),
                        [share](int) { return QTextLength(QTextLength::PercentageLength, share); });
    });
}

void fixedColumnWidth(CommandContext &context, const QVariant &)
{
    changeTable(context, [](QTextTable *t, const CellRange &) {
        const QList<QTextLength> current = t->format().columnWidthConstraints();
        const qreal available = availableWidth(t);
        setColumnWidths(t, QTextLength(), [&](int i) {
            const QTextLength now = current.value(i);
            if (now.type() == QTextLength::FixedLength)
                return now;
            const qreal share = now.type() == QTextLength::PercentageLength ? now.rawValue() / 100 : 1.0 / t->columns();
            return QTextLength(QTextLength::FixedLength, available * share);
        });
    });
}

namespace {

enum class Edge { Top, Bottom, Left, Right };

struct CellEdge {
    int row;
    int column;
    Edge edge;
};

// A thinner collapsed border is lost in the layout's rounding.
constexpr qreal defaultBorderWidth = 1;

/// The cell edges a border set means within the range. Neighbouring cells share an inner edge,
/// so both sides of it are listed.
std::vector<CellEdge> edgesOf(BorderSet set, const CellRange &r)
{
    const int lastRow = r.firstRow + r.rows - 1;
    const int lastColumn = r.firstColumn + r.columns - 1;
    std::vector<CellEdge> edges;
    for (int row = r.firstRow; row <= lastRow; ++row) {
        for (int column = r.firstColumn; column <= lastColumn; ++column) {
            const bool top = row == r.firstRow, bottom = row == lastRow;
            const bool left = column == r.firstColumn, right = column == lastColumn;
            const auto add = [&](Edge edge, bool wanted) {
                if (wanted)
                    edges.push_back({row, column, edge});
            };
            const bool all = set == BorderSet::All || set == BorderSet::None;
            add(Edge::Top, all || (top && (set == BorderSet::Top || set == BorderSet::Outside))
                               || (!top && (set == BorderSet::Inside || set == BorderSet::InsideHorizontal)));
            add(Edge::Bottom, all || (bottom && (set == BorderSet::Bottom || set == BorderSet::Outside))
                                  || (!bottom && (set == BorderSet::Inside || set == BorderSet::InsideHorizontal)));
            add(Edge::Left, all || (left && (set == BorderSet::Left || set == BorderSet::Outside))
                                || (!left && (set == BorderSet::Inside || set == BorderSet::InsideVertical)));
            add(Edge::Right, all || (right && (set == BorderSet::Right || set == BorderSet::Outside))
                                 || (!right && (set == BorderSet::Inside || set == BorderSet::InsideVertical)));
        }
    }
    return edges;
}

QTextFormat::Property widthProperty(Edge edge)
{
    switch (edge) {
    case Edge::Top: return QTextFormat::TableCellTopBorder;
    case Edge::Bottom: return QTextFormat::TableCellBottomBorder;
    case Edge::Left: return QTextFormat::TableCellLeftBorder;
    case Edge::Right: return QTextFormat::TableCellRightBorder;
    }
    return QTextFormat::TableCellTopBorder;
}

/// A cell edge without a border of its own shows the table's border.
bool edgeOn(const QTextTable *table, const CellEdge &e)
{
    const QTextTableCellFormat format = table->cellAt(e.row, e.column).format().toTableCellFormat();
    const QTextFormat::Property property = widthProperty(e.edge);
    return format.hasProperty(property) ? format.doubleProperty(property) > 0 : table->format().border() > 0;
}

void setEdge(QTextTable *table, const CellEdge &e, bool on)
{
    QTextTableCell cell = table->cellAt(e.row, e.column);
    QTextTableCellFormat format = cell.format().toTableCellFormat();
    const qreal width = on ? std::max(defaultBorderWidth, table->format().border()) : 0;
    const QBrush brush(Qt::black);
    switch (e.edge) {
    case Edge::Top:
        format.setTopBorder(width);
        format.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setTopBorderBrush(brush);
        break;
    case Edge::Bottom:
        format.setBottomBorder(width);
        format.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBottomBorderBrush(brush);
        break;
    case Edge::Left:
        format.setLeftBorder(width);
        format.setLeftBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setLeftBorderBrush(brush);
        break;
    case Edge::Right:
        format.setRightBorder(width);
        format.setRightBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setRightBorderBrush(brush);
        break;
    }
    cell.setFormat(format);
}

} // namespace

void toggleBorders(CommandContext &context, BorderSet set)
{
    const bool on = set != BorderSet::None && !hasBorders(context, set);
    changeTable(context, [&](QTextTable *t, const CellRange &r) {
        for (const CellEdge &e : edgesOf(set, r))
            setEdge(t, e, on);
    });
}

bool hasBorders(const CommandContext &context, BorderSet set)
{
    const QTextCursor cursor = context.control.textCursor();
    const QTextTable *table = cursor.currentTable();
    if (!table)
        return false;
    const std::vector<CellEdge> edges = edgesOf(set, selectedRange(cursor, const_cast<QTextTable *>(table)));
    if (edges.empty())
        return false;
    const bool wanted = set != BorderSet::None;
    return std::all_of(edges.begin(), edges.end(), [&](const CellEdge &e) { return edgeOn(table, e) == wanted; });
}

void alignCells(CommandContext &context, QTextCharFormat::VerticalAlignment vertical, Qt::Alignment horizontal)
{
    changeTable(context, [&](QTextTable *t, const CellRange &r) {
        QTextCursor editor(t->document());
        for (int row = r.firstRow; row < r.firstRow + r.rows; ++row) {
            for (int column = r.firstColumn; column < r.firstColumn + r.columns; ++column) {
                QTextTableCell cell = t->cellAt(row, column);
                QTextTableCellFormat format = cell.format().toTableCellFormat();
                format.setVerticalAlignment(vertical);
                cell.setFormat(format);
                for (QTextBlock block = t->document()->findBlock(cell.firstPosition());
                     block.isValid() && block.position() <= cell.lastPosition(); block = block.next()) {
                    QTextBlockFormat blockFormat = block.blockFormat();
                    blockFormat.setAlignment(horizontal);
                    editor.setPosition(block.position());
                    editor.setBlockFormat(blockFormat);
                }
            }
        }
    });
}

bool hasCellAlignment(const CommandContext &context, QTextCharFormat::VerticalAlignment vertical,
                      Qt::Alignment horizontal)
{
    const QTextCursor cursor = context.control.textCursor();
    const QTextTable *table = cursor.currentTable();
    if (!table)
        return false;
    QTextCharFormat::VerticalAlignment cellVertical = table->cellAt(cursor).format().verticalAlignment();
    if (cellVertical == QTextCharFormat::AlignNormal)
        cellVertical = QTextCharFormat::AlignTop;
    Qt::Alignment blockHorizontal = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (blockHorizontal == Qt::AlignLeading || blockHorizontal == Qt::AlignAbsolute)
        blockHorizontal = Qt::AlignLeft;
    return cellVertical == vertical && blockHorizontal == horizontal;
}

} // namespace richedit::table
