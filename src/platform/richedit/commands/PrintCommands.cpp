#include "PrintCommands.h"

#include "EditorDialogs.h"
#include "platform/richedit/view/RichEditControl.h"

namespace richedit::printing {

void showPrintForm(CommandContext &context, const QVariant &)
{
    // A header or footer being edited may have grown; the pages print as they will be laid out.
    context.control.updatePageSetup();
    context.dialogs.printForm(context.control);
}

void showPrintPreviewForm(CommandContext &context, const QVariant &)
{
    context.control.updatePageSetup();
    context.dialogs.printPreviewForm(context.control);
}

} // namespace richedit::printing
