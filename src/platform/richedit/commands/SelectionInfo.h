#pragma once

namespace richedit {

class RichEditControl;

/// Whether the caret or selection lies in a table cell, in whichever story holds it.
bool IsSelectionInTable(const RichEditControl &control);
/// Whether the caret or selection lies in a page header or footer.
bool IsSelectionInHeaderOrFooter(const RichEditControl &control);

} // namespace richedit
