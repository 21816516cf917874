#pragma once

#include "EditorCommand.h"

namespace richedit::editing {

// Clipboard, undo and redo, selection, zoom, search and the insert commands.

void pasteSelection(CommandContext &context, const QVariant &);
bool canPaste(const CommandContext &context);
void cutSelection(CommandContext &context, const QVariant &);
void copySelection(CommandContext &context, const QVariant &);
bool hasSelection(const CommandContext &context);

void undo(CommandContext &context, const QVariant &);
bool canUndo(const CommandContext &context);
void redo(CommandContext &context, const QVariant &);
bool canRedo(const CommandContext &context);
void selectAll(CommandContext &context, const QVariant &);

void zoomIn(CommandContext &context, const QVariant &);
bool canZoomIn(const CommandContext &context);
void zoomOut(CommandContext &context, const QVariant &);
bool canZoomOut(const CommandContext &context);
/// The next zoom step: 10 % up or down, within the view's limits.
qreal nextZoom(qreal zoom, bool in);

void searchFind(CommandContext &context, const QVariant &);
void searchReplace(CommandContext &context, const QVariant &);
void searchFindNext(CommandContext &context, const QVariant &);
bool hasSearchText(const CommandContext &context);

void insertPageBreak(CommandContext &context, const QVariant &);
void insertPicture(CommandContext &context, const QVariant &path);
void showInsertTableForm(CommandContext &context, const QVariant &);

/// Inserts a picture file at the caret, in place of the selection, scaled down to the text
/// width. Throws `richedit::Error` when the file is not a picture that can be read.
void insertPictureFile(RichEditControl &control, const QString &path);
/// Inserts an empty table with thin borders across the text width.
void insertTable(RichEditControl &control, int columns, int rows);

} // namespace richedit::editing
