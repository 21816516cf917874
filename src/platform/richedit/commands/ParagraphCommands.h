#pragma once

#include "EditorCommand.h"

namespace richedit::paragraph {

// The "Odstavec" group: lists, indents, alignment, line spacing, the paragraph dialog, the
// whitespace marks and the letter-case changes. Paragraph commands act on every paragraph the
// selection touches, in one undo step; a button is pressed when the caret's paragraph has it.

void toggleBulletedList(CommandContext &context, const QVariant &);
bool isBulletedList(const CommandContext &context);
void toggleSimpleNumberingList(CommandContext &context, const QVariant &);
bool isSimpleNumberingList(const CommandContext &context);

void incrementIndent(CommandContext &context, const QVariant &);
void decrementIndent(CommandContext &context, const QVariant &);
bool canDecrementIndent(const CommandContext &context);
/// One indent step, 1.25 cm in layout units.
qreal indentStep();

void toggleShowWhitespace(CommandContext &context, const QVariant &);
bool isShowWhitespace(const CommandContext &context);

void alignLeft(CommandContext &context, const QVariant &);
bool isAlignedLeft(const CommandContext &context);
void alignCenter(CommandContext &context, const QVariant &);
bool isAlignedCenter(const CommandContext &context);
void alignRight(CommandContext &context, const QVariant &);
bool isAlignedRight(const CommandContext &context);
void alignJustify(CommandContext &context, const QVariant &);
bool isAlignedJustify(const CommandContext &context);

void setSingleSpacing(CommandContext &context, const QVariant &);
bool isSingleSpacing(const CommandContext &context);
void setSesquialteralSpacing(CommandContext &context, const QVariant &);
bool isSesquialteralSpacing(const CommandContext &context);
void setDoubleSpacing(CommandContext &context, const QVariant &);
bool isDoubleSpacing(const CommandContext &context);

void showParagraphForm(CommandContext &context, const QVariant &);

void textUpperCase(CommandContext &context, const QVariant &);
void textLowerCase(CommandContext &context, const QVariant &);

} // namespace richedit::paragraph
