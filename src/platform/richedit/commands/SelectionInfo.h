#pragma once

namespace richedit {

class RichEditControl;

/// Whether the caret or selection lies in a table cell.
bool IsSelectionInTable(const RichEditControl &control);
/// Whether the caret or selection lies in a page header or footer. The control edits only the
/// main text so far, so this stays false until headers and footers can be edited.
bool IsSelectionInHeaderOrFooter(const RichEditControl &control);

} // namespace richedit
