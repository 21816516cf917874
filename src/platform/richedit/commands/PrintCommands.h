#pragma once

#include "EditorCommand.h"

namespace richedit::printing {

/// The printer dialog, then the pages as the view lays them out.
void showPrintForm(CommandContext &context, const QVariant &);
/// The print preview window over the same pages.
void showPrintPreviewForm(CommandContext &context, const QVariant &);

} // namespace richedit::printing
