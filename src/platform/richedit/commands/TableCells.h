#pragma once

#include <QTextCursor>
#include <QTextTable>

// What the table commands share: the cells a selection covers and a change of the table as
// one undo step.

namespace richedit::table {

/// The rows and columns the selection covers: the selected cells, or the caret's cell.
struct CellRange {
    int firstRow = 0;
    int rows = 1;
    int firstColumn = 0;
    int columns = 1;
};

CellRange selectedRange(const QTextCursor &cursor, QTextTable *table);

/// Columns of equal share again after the count changed, for tables laid out in percentages.
void evenOutColumns(QTextTable *table);

/// Moves the text of one cell into another, whose own text goes.
void moveCellText(QTextTable *table, int fromRow, int fromColumn, int toRow, int toColumn);
/// Whether a cell holds no text.
bool cellIsEmpty(QTextTable *table, int row, int column);

/// Runs a change of the cursor's table as one undo step.
template <typename Change>
void changeTableAt(const QTextCursor &cursor, Change change)
{
    QTextTable *table = cursor.currentTable();
    if (!table)
        return;
    const CellRange range = selectedRange(cursor, table);
    QTextCursor editor(cursor.document());
    editor.beginEditBlock();
    change(table, range);
    editor.endEditBlock();
}

} // namespace richedit::table
