#pragma once

#include "platform/richedit/formats/FormatIO.h"

namespace richedit {

/// Reads an Office Open XML word-processing document (.docx) into an empty document.
void readDocx(const QByteArray &data, Document &document, ReadReport &report);

} // namespace richedit
