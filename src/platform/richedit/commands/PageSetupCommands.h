#pragma once

#include "EditorCommand.h"
#include "platform/richedit/model/Section.h"

// The page layout commands: page setup, orientation, columns, section breaks, line numbers
// and the page colour. They work on the sections the selection touches (the caret's section
// when nothing is selected); each change is one undo step and marks the document modified.
namespace richedit::pagesetup {

void showPageSetupForm(CommandContext &context, const QVariant &);
void showPageMarginsSetupForm(CommandContext &context, const QVariant &);
void showPagePaperSetupForm(CommandContext &context, const QVariant &);

void setOrientation(CommandContext &context, bool landscape);
bool hasOrientation(const CommandContext &context, bool landscape);
template <bool Landscape>
void setOrientationTo(CommandContext &context, const QVariant &) { setOrientation(context, Landscape); }
template <bool Landscape>
bool hasOrientationOf(const CommandContext &context) { return hasOrientation(context, Landscape); }

void setColumnCount(CommandContext &context, int count);
bool hasColumnCount(const CommandContext &context, int count);
template <int Count>
void setColumns(CommandContext &context, const QVariant &) { setColumnCount(context, Count); }
template <int Count>
bool hasColumns(const CommandContext &context) { return hasColumnCount(context, Count); }
void showColumnsSetupForm(CommandContext &context, const QVariant &);

void breakSection(CommandContext &context, SectionStart start);
template <SectionStart Start>
void insertSectionBreak(CommandContext &context, const QVariant &) { breakSection(context, Start); }
/// Not inside a table: a section cannot end in a cell.
bool canInsertSectionBreak(const CommandContext &context);

/// `countBy` 0 switches line numbers off; otherwise lines are numbered and restart as said.
void setLineNumberingMode(CommandContext &context, bool numbered, LineNumbering::Restart restart);
bool hasLineNumberingMode(const CommandContext &context, bool numbered, LineNumbering::Restart restart);
inline void setLineNumberingNone(CommandContext &context, const QVariant &)
{
    setLineNumberingMode(context, false, LineNumbering::EachPage);
}
inline bool hasLineNumberingNone(const CommandContext &context)
{
    return hasLineNumberingMode(context, false, LineNumbering::EachPage);
}
template <LineNumbering::Restart Restart>
void setLineNumbering(CommandContext &context, const QVariant &) { setLineNumberingMode(context, true, Restart); }
template <LineNumbering::Restart Restart>
bool hasLineNumbering(const CommandContext &context) { return hasLineNumberingMode(context, true, Restart); }
void showLineNumberingForm(CommandContext &context, const QVariant &);

/// Sets the page colour to the colour given (an invalid colour: none); without one, nothing.
void changePageColor(CommandContext &context, const QVariant &colour);
QVariant pageColor(const CommandContext &context);

} // namespace richedit::pagesetup
