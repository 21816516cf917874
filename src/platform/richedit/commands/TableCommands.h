#pragma once

#include "EditorCommand.h"

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

} // namespace richedit::table
