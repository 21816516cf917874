#include "SelectionInfo.h"

#include "platform/richedit/view/RichEditControl.h"

namespace richedit {

bool IsSelectionInTable(const RichEditControl &control)
{
    return control.textCursor().currentTable() != nullptr;
}

bool IsSelectionInHeaderOrFooter(const RichEditControl &)
{
    return false;
}

} // namespace richedit
