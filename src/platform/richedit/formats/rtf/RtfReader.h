#pragma once

#include "platform/richedit/formats/FormatIO.h"

namespace richedit {

/// Reads Rich Text Format into an empty document.
void readRtf(const QByteArray &data, Document &document, ReadReport &report);

} // namespace richedit
