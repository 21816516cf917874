#pragma once

#include "EditorCommand.h"

namespace richedit::headerfooter {

/// Open the header or footer of the caret's page for editing.
void editPageHeader(CommandContext &context, const QVariant &);
void editPageFooter(CommandContext &context, const QVariant &);

/// While a header or footer is open: switch to the other one of the same page.
void goToPageHeader(CommandContext &context, const QVariant &);
void goToPageFooter(CommandContext &context, const QVariant &);
bool inPageFooter(const CommandContext &context);
bool inPageHeader(const CommandContext &context);

/// Move to the same header or footer of the next (previous) section that has a page.
void goToNextHeaderFooter(CommandContext &context, const QVariant &);
void goToPreviousHeaderFooter(CommandContext &context, const QVariant &);
bool hasNextHeaderFooter(const CommandContext &context);
bool hasPreviousHeaderFooter(const CommandContext &context);

void closeHeaderFooter(CommandContext &context, const QVariant &);
bool inHeaderFooter(const CommandContext &context);

/// The open section's first page gets a header and footer of its own (or no longer does).
void toggleDifferentFirstPage(CommandContext &context, const QVariant &);
bool hasDifferentFirstPage(const CommandContext &context);
/// Odd and even pages of the document get headers and footers of their own (or no longer do).
void toggleDifferentOddAndEven(CommandContext &context, const QVariant &);
bool hasDifferentOddAndEven(const CommandContext &context);

/// The open header or footer shows the previous section's (linked) or its own copy.
void toggleLinkToPrevious(CommandContext &context, const QVariant &);
bool isLinkedToPrevious(const CommandContext &context);
bool canLinkToPrevious(const CommandContext &context);

/// PAGE and NUMPAGES fields at the caret, in whichever story holds it.
void insertPageNumberField(CommandContext &context, const QVariant &);
void insertPageCountField(CommandContext &context, const QVariant &);

} // namespace richedit::headerfooter
