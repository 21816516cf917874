#pragma once

#include "platform/richedit/formats/FormatIO.h"

namespace richedit {

/// Writes Rich Text Format 1.9: every character outside ASCII as \uN? (with \uc1).
void writeRtf(const Document &document, QIODevice &out);

} // namespace richedit
