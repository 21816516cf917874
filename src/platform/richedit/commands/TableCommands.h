#pragma once

#include "EditorCommand.h"

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

} // namespace richedit::table
