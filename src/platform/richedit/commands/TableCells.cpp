#include "TableCommands.h"

#include "TableCells.h"
#include "platform/richedit/view/RichEditControl.h"

#include <QTextDocumentFragment>

#include <algorithm>

namespace richedit::table {

CellRange selectedRange(const QTextCursor &cursor, QTextTable *table)
{
    CellRange range;
    if (cursor.hasComplexSelection()) {
        cursor.selectedTableCells(&range.firstRow, &range.rows, &range.firstColumn, &range.columns);
        return range;
    }
    const QTextTableCell first = table->cellAt(cursor.selectionStart());
    const QTextTableCell last = table->cellAt(cursor.selectionEnd());
    range.firstRow = first.row();
    range.firstColumn = first.column();
    range.rows = std::max(last.row(), first.row() + first.rowSpan() - 1) - first.row() + 1;
    range.columns = std::max(last.column(), first.column() + first.columnSpan() - 1) - first.column() + 1;
    return range;
}

namespace {

QTextCursor cellContents(const QTextTableCell &cell)
{
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

bool cellIsEmpty(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    return cell.firstPosition() == cell.lastPosition();
}

void moveCellText(QTextTable *table, int fromRow, int fromColumn, int toRow, int toColumn)
{
    QTextCursor from = cellContents(table->cellAt(fromRow, fromColumn));
    const QTextDocumentFragment text = from.selection();
    from.removeSelectedText();
    QTextCursor to = cellContents(table->cellAt(toRow, toColumn));
    to.removeSelectedText();
    if (!text.isEmpty())
        to.insertFragment(text);
}

namespace {

/// Cuts every merged cell that crosses the line above `row`, so the rows from there on can
/// leave the table without taking part of a cell along; answers the lower parts (row from
/// `row` on, column, rows, columns) to merge again once they are in a table of their own.
std::vector<CellRange> cutSpansAbove(QTextTable *table, int row)
{
    std::vector<CellRange> lowerParts;
    for (int column = 0; column < table->columns();) {
        const QTextTableCell cell = table->cellAt(row, column);
        const int span = cell.columnSpan();
        if (cell.row() < row) {
            const int end = cell.row() + cell.rowSpan();
            table->splitCell(cell.row(), cell.column(), row - cell.row(), span);
            if (end - row > 1 || span > 1)
                lowerParts.push_back({0, end - row, cell.column(), span});
        }
        column = cell.column() + span;
    }
    return lowerParts;
}

} // namespace

void splitTable(CommandContext &context, const QVariant &)
{
    const QTextCursor caret = context.control.textCursor();
    QTextTable *table = caret.currentTable();
    if (!table)
        return;
    QTextDocument *document = caret.document();
    const int row = table->cellAt(caret).row();
    QTextCursor editor(document);
    editor.beginEditBlock();
    if (row == 0) {
        // Nothing to split off: make room for text above the table.
        editor.setPosition(table->firstPosition() - 1);
        editor.insertBlock(editor.blockFormat(), editor.blockCharFormat());
        editor.endEditBlock();
        QTextCursor above(document);
        above.setPosition(table->firstPosition() - 1);
        context.control.setTextCursor(above);
        return;
    }
    const std::vector<CellRange> lowerParts = cutSpansAbove(table, row);
    const int rows = table->rows();
    QTextCursor lower(document);
    lower.setPosition(table->cellAt(row, 0).firstPosition());
    lower.setPosition(table->cellAt(rows - 1, table->columns() - 1).lastPosition(), QTextCursor::KeepAnchor);
    const QTextDocumentFragment part = lower.selection();
    editor.setPosition(table->lastPosition() + 1);
    editor.insertFragment(part);
    table->removeRows(row, rows - row);
    editor.endEditBlock();
    QTextCursor next(document);
    next.setPosition(table->lastPosition() + 2);
    QTextTable *second = next.currentTable() != table ? next.currentTable() : nullptr;
    // Qt's layout cannot take a cell split and merged again in one edit block; merged once
    // the new table stands, in the same undo step, the parts come out right.
    if (second && !lowerParts.empty()) {
        editor.joinPreviousEditBlock();
        for (const CellRange &part : lowerParts)
            second->mergeCells(part.firstRow, part.firstColumn, part.rows, part.columns);
        editor.endEditBlock();
    }
    if (second)
        context.control.setTextCursor(second->cellAt(0, 0).firstCursorPosition());
}

namespace {

/// Gives the width the columns [first, first + before) had to [first, first + after) in equal
/// parts, when all of them have a width of one kind; otherwise the columns share evenly.
void spreadColumns(QTextTable *table, const QList<QTextLength> &widths, int first, int before, int after)
{
    if (widths.size() != table->columns() - (after - before))
        return evenOutColumns(table);
    const QTextLength::Type type = widths.value(first).type();
    qreal total = 0;
    for (int i = first; i < first + before; ++i) {
        if (widths.value(i).type() != type || type == QTextLength::VariableLength)
            return evenOutColumns(table);
        total += widths.value(i).rawValue();
    }
    QList<QTextLength> spread = widths.mid(0, first);
    for (int i = 0; i < after; ++i)
        spread << QTextLength(type, total / after);
    spread << widths.mid(first + before);
    QTextTableFormat format = table->format();
    format.setColumnWidthConstraints(spread);
    table->setFormat(format);
}

/// Whether any cell that starts in the rows [firstRow, firstRow + rows) at or after
/// `firstColumn` (or in the columns, for `byColumns`) is merged with another.
bool hasMergedCells(QTextTable *table, const CellRange &r, bool byColumns)
{
    const int rowEnd = byColumns ? table->rows() : r.firstRow + r.rows;
    const int columnEnd = byColumns ? r.firstColumn + r.columns : table->columns();
    for (int row = byColumns ? r.firstRow : 0; row < rowEnd; ++row)
        for (int column = byColumns ? 0 : r.firstColumn; column < columnEnd; ++column) {
            if (!byColumns && row < r.firstRow)
                continue;
            if (byColumns && column < r.firstColumn)
                continue;
            const QTextTableCell cell = table->cellAt(row, column);
            if (cell.rowSpan() > 1 || cell.columnSpan() > 1)
                return true;
        }
    return false;
}

void clearCell(QTextTable *table, int row, int column)
{
    QTextCursor cursor = cellContents(table->cellAt(row, column));
    cursor.removeSelectedText();
}

/// Removes up to `count` rows or columns at the table's end while they hold no text.
void dropEmptyEnd(QTextTable *table, int count, bool columns)
{
    for (; count > 0; --count) {
        const int last = (columns ? table->columns() : table->rows()) - 1;
        if (last < 1)
            return;
        const int across = columns ? table->rows() : table->columns();
        for (int i = 0; i < across; ++i)
            if (!(columns ? cellIsEmpty(table, i, last) : cellIsEmpty(table, last, i)))
                return;
        if (columns) {
            table->removeColumns(last, 1);
            evenOutColumns(table);
        } else {
            table->removeRows(last, 1);
        }
    }
}

} // namespace

void splitCells(QTextCursor cursor, int columns, int rows)
{
    if (columns < 1 || rows < 1)
        return;
    changeTableAt(cursor, [&](QTextTable *t, const CellRange &r) {
        if (r.rows > 1 || r.columns > 1)
            t->mergeCells(r.firstRow, r.firstColumn, r.rows, r.columns);
        const QTextTableCell cell = t->cellAt(r.firstRow, r.firstColumn);
        const int row = cell.row(), column = cell.column();
        const int rowSpan = cell.rowSpan(), columnSpan = cell.columnSpan();
        if (columns > columnSpan) {
            const QList<QTextLength> widths = t->format().columnWidthConstraints();
            const int added = columns - columnSpan;
            t->insertColumns(column + columnSpan, added);
            // Cells of the other rows that end where the split cell ends take in the new columns.
            for (int i = 0; i < t->rows(); ++i) {
                if (i >= row && i < row + rowSpan)
                    continue;
                const QTextTableCell other = t->cellAt(i, column + columnSpan - 1);
                if (other.row() == i && other.column() + other.columnSpan() == column + columnSpan)
                    t->mergeCells(i, other.column(), other.rowSpan(), other.columnSpan() + added);
            }
            spreadColumns(t, widths, column, columnSpan, columns);
        }
        if (rows > rowSpan) {
            const int added = rows - rowSpan;
            t->insertRows(row + rowSpan, added);
            const int width = std::max(columns, columnSpan);
            for (int j = 0; j < t->columns(); ++j) {
                if (j >= column && j < column + width)
                    continue;
                const QTextTableCell other = t->cellAt(row + rowSpan - 1, j);
                if (other.column() == j && other.row() + other.rowSpan() == row + rowSpan)
                    t->mergeCells(other.row(), j, other.rowSpan() + added, other.columnSpan());
            }
        }
        const int width = std::max(columns, columnSpan), height = std::max(rows, rowSpan);
        t->splitCell(row, column, 1, 1);
        for (int i = 0; i < rows; ++i) {
            const int top = row + i * height / rows, bottom = row + (i + 1) * height / rows;
            for (int j = 0; j < columns; ++j) {
                const int left = column + j * width / columns, right = column + (j + 1) * width / columns;
                if (bottom - top > 1 || right - left > 1)
                    t->mergeCells(top, left, bottom - top, right - left);
            }
        }
    });
}

namespace {

/// Merged cells in the way of a sideways or downward shift: the whole columns or rows move instead.
CellShift possibleShift(QTextTable *t, const CellRange &r, CellShift shift)
{
    if (shift == CellShift::Horizontally && hasMergedCells(t, r, false))
        return CellShift::WholeColumn;
    if (shift == CellShift::Vertically && hasMergedCells(t, r, true))
        return CellShift::WholeRow;
    return shift;
}

} // namespace

void insertCells(QTextCursor cursor, CellShift shift)
{
    changeTableAt(cursor, [&](QTextTable *t, const CellRange &r) {
        switch (possibleShift(t, r, shift)) {
        case CellShift::WholeRow: t->insertRows(r.firstRow, r.rows); break;
        case CellShift::WholeColumn:
            t->insertColumns(r.firstColumn, r.columns);
            evenOutColumns(t);
            break;
        case CellShift::Horizontally: {
            const int end = t->columns();
            t->insertColumns(end, r.columns);
            evenOutColumns(t);
            for (int i = r.firstRow; i < r.firstRow + r.rows; ++i)
                for (int j = end - 1; j >= r.firstColumn; --j)
                    moveCellText(t, i, j, i, j + r.columns);
            break;
        }
        case CellShift::Vertically: {
            const int end = t->rows();
            t->insertRows(end, r.rows);
            for (int j = r.firstColumn; j < r.firstColumn + r.columns; ++j)
                for (int i = end - 1; i >= r.firstRow; --i)
                    moveCellText(t, i, j, i + r.rows, j);
            break;
        }
        }
    });
}

void deleteCells(QTextCursor cursor, CellShift shift)
{
    changeTableAt(cursor, [&](QTextTable *t, const CellRange &r) {
        switch (possibleShift(t, r, shift)) {
        case CellShift::WholeRow: t->removeRows(r.firstRow, r.rows); break;
        case CellShift::WholeColumn: {
            const bool all = r.columns >= t->columns();
            t->removeColumns(r.firstColumn, r.columns);
            if (!all)
                evenOutColumns(t);
            break;
        }
        case CellShift::Horizontally:
            for (int i = r.firstRow; i < r.firstRow + r.rows; ++i) {
                for (int j = r.firstColumn; j < r.firstColumn + r.columns; ++j)
                    clearCell(t, i, j);
                for (int j = r.firstColumn + r.columns; j < t->columns(); ++j)
                    moveCellText(t, i, j, i, j - r.columns);
            }
            dropEmptyEnd(t, r.columns, true);
            break;
        case CellShift::Vertically:
            for (int j = r.firstColumn; j < r.firstColumn + r.columns; ++j) {
                for (int i = r.firstRow; i < r.firstRow + r.rows; ++i)
                    clearCell(t, i, j);
                for (int i = r.firstRow + r.rows; i < t->rows(); ++i)
                    moveCellText(t, i, j, i - r.rows, j);
            }
            dropEmptyEnd(t, r.rows, false);
            break;
        }
    });
}

void showSplitCellsForm(CommandContext &context, const QVariant &)
{
    if (const std::optional<QSize> size = context.dialogs.splitCellsForm(QSize(2, 1)))
        splitCells(context.control.textCursor(), size->width(), size->height());
}

void showInsertCellsForm(CommandContext &context, const QVariant &)
{
    if (const std::optional<CellShift> shift = context.dialogs.insertCellsForm())
        insertCells(context.control.textCursor(), *shift);
}

void showDeleteCellsForm(CommandContext &context, const QVariant &)
{
    if (const std::optional<CellShift> shift = context.dialogs.deleteCellsForm())
        deleteCells(context.control.textCursor(), *shift);
}

} // namespace richedit::table
