#include "SelectionInfo.h"

#include "platform/richedit/view/RichEditControl.h"

namespace richedit {

bool IsSelectionInTable(const RichEditControl &control)
{
    return control.IsSelectionInTable();
}

bool IsSelectionInHeaderOrFooter(const RichEditControl &control)
{
    return control.IsSelectionInHeaderOrFooter();
}

} // namespace richedit
