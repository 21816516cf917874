#pragma once

#include "EditorCommand.h"

namespace richedit::character {

// The "Písmo" group: font name and size, growing and shrinking, the toggles, the two
// colours and the font dialog. Each changes the selection (or what is typed next at a caret)
// in one undo step; each toggle is pressed when the selection's first character has it.

void changeFontName(CommandContext &context, const QVariant &name);
QVariant fontName(const CommandContext &context);
void changeFontSize(CommandContext &context, const QVariant &size);
QVariant fontSize(const CommandContext &context);
void increaseFontSize(CommandContext &context, const QVariant &);
void decreaseFontSize(CommandContext &context, const QVariant &);
bool canIncreaseFontSize(const CommandContext &context);
bool canDecreaseFontSize(const CommandContext &context);

/// The next size up or down in the font-size list, in steps of 10 points beyond it.
qreal nextFontSize(qreal size, bool larger);

void toggleBold(CommandContext &context, const QVariant &);
bool isBold(const CommandContext &context);
void toggleItalic(CommandContext &context, const QVariant &);
bool isItalic(const CommandContext &context);
void toggleUnderline(CommandContext &context, const QVariant &);
bool isUnderline(const CommandContext &context);
void toggleDoubleUnderline(CommandContext &context, const QVariant &);
bool isDoubleUnderline(const CommandContext &context);
void toggleStrikeout(CommandContext &context, const QVariant &);
bool isStrikeout(const CommandContext &context);
void toggleDoubleStrikeout(CommandContext &context, const QVariant &);
bool isDoubleStrikeout(const CommandContext &context);
void toggleSubscript(CommandContext &context, const QVariant &);
bool isSubscript(const CommandContext &context);
void toggleSuperscript(CommandContext &context, const QVariant &);
bool isSuperscript(const CommandContext &context);

/// The galleries: an invalid colour removes the highlight (or sets the automatic colour).
void textHighlight(CommandContext &context, const QVariant &colour);
QVariant highlightColour(const CommandContext &context);
void changeFontColor(CommandContext &context, const QVariant &colour);
QVariant fontColour(const CommandContext &context);

void showFontForm(CommandContext &context, const QVariant &);

/// The list of the font-size box.
QStringList fontSizeList();

} // namespace richedit::character
