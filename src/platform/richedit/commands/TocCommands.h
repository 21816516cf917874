#pragma once

#include "EditorCommand.h"

#include <QString>
#include <QTextBlock>

namespace richedit {
class StyleSheet;
}

namespace richedit::toc {

// A table of contents (or of figures, tables, equations) is a TOC field whose result is one
// paragraph per entry: the entry's text, a right tab with a dot leader and the page number,
// all of it a link to a bookmark at the heading or caption. The result is built from the
// document and the current page layout, and built again in place on update.

/// What a list collects: headings, or the captions numbered by one SEQ identifier.
enum class ListKind { Contents, Figures, Tables, Equations };

/// The SEQ identifier of a caption list ("Figure", "Table", "Equation"); empty for Contents.
QString sequenceName(ListKind kind);

/// The outline level of a paragraph, 0 for level 1 to 8 for level 9, or -1 for body text:
/// its own outline level first, then its style's (a "heading N" style without one counts).
int outlineLevel(const QTextBlock &block, const StyleSheet &styles);

/// Inserts a list of the kind at the caret as paragraphs of their own. One undo step.
void insertList(RichEditControl &control, ListKind kind);
/// Builds every list of the kinds again (captions are renumbered first). Returns how many
/// lists there were. One undo step.
int updateLists(RichEditControl &control, bool contents, bool captions);
/// Whether the document has a list of contents (`contents`) or of captions.
bool hasList(const RichEditControl &control, bool contents);
/// Whether the caret lies in a list of contents (`contents`) or of captions.
bool caretInList(const RichEditControl &control, bool contents);

/// Sets the outline level of the selected paragraphs (-1: body text). One undo step.
void setOutlineLevel(RichEditControl &control, int level);

// Commands.
void insertTableOfContents(CommandContext &context, const QVariant &);
void updateTableOfContents(CommandContext &context, const QVariant &);
bool canUpdateTableOfContents(const CommandContext &context);
void insertTableOfFigures(CommandContext &context, const QVariant &);
void insertTableOfTables(CommandContext &context, const QVariant &);
void insertTableOfEquations(CommandContext &context, const QVariant &);
void updateTableOfFigures(CommandContext &context, const QVariant &);
bool canUpdateTableOfFigures(const CommandContext &context);

template <int Level>
void setLevel(CommandContext &context, const QVariant &)
{
    setOutlineLevel(context.control, Level);
}
bool caretHasLevel(const CommandContext &context, int level);
template <int Level>
bool isLevel(const CommandContext &context)
{
    return caretHasLevel(context, Level);
}

} // namespace richedit::toc
