#pragma once

#include "EditorCommand.h"

#include <QString>

class QTextDocument;

namespace richedit::captions {

// A caption is a paragraph "Figure 1" (or "Table 1", "Equation 1") in the Caption style whose
// number is a SEQ field: every SEQ field of one identifier counts 1, 2, 3 … in document order,
// so inserting or deleting a caption renumbers the others.

enum class CaptionKind { Figure, Table, Equation };

/// The SEQ identifier of the kind, the same in every interface language.
QString sequenceName(CaptionKind kind);
/// The label the user sees, in the interface language.
QString label(CaptionKind kind);

/// Inserts a caption paragraph below the caret's paragraph (below the table when the caret is
/// in a table) and leaves the caret at its end for the description. One undo step.
void insertCaption(RichEditControl &control, CaptionKind kind);
/// Numbers every SEQ field of the story again in document order; returns how many changed.
int renumber(QTextDocument &story);

void insertFigureCaption(CommandContext &context, const QVariant &);
void insertTableCaption(CommandContext &context, const QVariant &);
void insertEquationCaption(CommandContext &context, const QVariant &);

} // namespace richedit::captions
