#pragma once

#include "platform/richedit/formats/FormatIO.h"

namespace richedit {

/// Writes an Office Open XML word-processing document (.docx).
void writeDocx(const Document &document, QIODevice &out);

} // namespace richedit
