#pragma once

#include "EditorCommand.h"
#include "EditorDialogs.h"

#include <QTextCharFormat>

namespace richedit::table {

// Rows, columns and cells of the table that holds the caret. Each change is one undo step;
// all of them need the caret or selection in a table.

bool inTable(const CommandContext &context);
bool hasCellSelection(const CommandContext &context);

void insertRowAbove(CommandContext &context, const QVariant &);
void insertRowBelow(CommandContext &context, const QVariant &);
void insertColumnLeft(CommandContext &context, const QVariant &);
void insertColumnRight(CommandContext &context, const QVariant &);
void deleteRows(CommandContext &context, const QVariant &);
void deleteColumns(CommandContext &context, const QVariant &);
void deleteTable(CommandContext &context, const QVariant &);
void mergeCells(CommandContext &context, const QVariant &);

/// Column widths that follow the cells' contents, the page's width, or stay fixed as they are.
void autoFitContents(CommandContext &context, const QVariant &);
void autoFitWindow(CommandContext &context, const QVariant &);
void fixedColumnWidth(CommandContext &context, const QVariant &);

/// Which borders of the selected cells a border command means.
enum class BorderSet { Bottom, Top, Left, Right, None, All, Outside, Inside, InsideHorizontal, InsideVertical };

/// Turns the set's borders on, or off when all of them are on already; `None` turns every
/// border of the selected cells off.
void toggleBorders(CommandContext &context, BorderSet set);
/// Whether all the set's borders are on (for `None`: all off).
bool hasBorders(const CommandContext &context, BorderSet set);

template <BorderSet S>
void toggleBordersOf(CommandContext &context, const QVariant &)
{
    toggleBorders(context, S);
}

template <BorderSet S>
bool hasBordersOf(const CommandContext &context)
{
    return hasBorders(context, S);
}

/// The selected cells' text placed at one of nine positions: vertically in the cell, and
/// horizontally by the alignment of the cells' paragraphs.
void alignCells(CommandContext &context, QTextCharFormat::VerticalAlignment vertical, Qt::Alignment horizontal);
/// Whether the caret's cell has that placement.
bool hasCellAlignment(const CommandContext &context, QTextCharFormat::VerticalAlignment vertical,
                      Qt::Alignment horizontal);

template <QTextCharFormat::VerticalAlignment V, Qt::AlignmentFlag H>
void alignCellsAt(CommandContext &context, const QVariant &)
{
    alignCells(context, V, H);
}

template <QTextCharFormat::VerticalAlignment V, Qt::AlignmentFlag H>
bool isCellAlignedAt(const CommandContext &context)
{
    return hasCellAlignment(context, V, H);
}

/// Splits the table above the caret's row: that row starts a new table, with an empty paragraph
/// between the two. In the first row it puts an empty paragraph above the table instead.
void splitTable(CommandContext &context, const QVariant &);
/// Merges the selected cells, then splits the result into `columns` × `rows` cells; the text
/// stays in the first of them.
void splitCells(QTextCursor cursor, int columns, int rows);
void showSplitCellsForm(CommandContext &context, const QVariant &);

/// Inserts cells the size of the selection, moving the selected cells right or down, or whole
/// rows above or columns to the left.
void insertCells(QTextCursor cursor, CellShift shift);
void showInsertCellsForm(CommandContext &context, const QVariant &);
/// Deletes the selected cells, moving the cells beside them left or up, or whole rows or columns.
void deleteCells(QTextCursor cursor, CellShift shift);
void showDeleteCellsForm(CommandContext &context, const QVariant &);

/// The properties of the caret's table, row, column and the selected cells.
TableProperties tableProperties(const QTextCursor &cursor);
void setTableProperties(QTextCursor cursor, const TableProperties &properties);
void showTablePropertiesForm(CommandContext &context, const QVariant &);

/// Applies a built-in table style (the argument, or the one chosen in the gallery's dialog).
void applyTableStyle(CommandContext &context, const QVariant &argument);
/// The ids of the built-in table styles, in gallery order.
QStringList builtInTableStyles();

} // namespace richedit::table
