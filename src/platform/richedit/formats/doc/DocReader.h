#pragma once

#include "platform/richedit/formats/FormatIO.h"

namespace richedit {

/// Reads a Word 97-2003 binary document (.doc) into an empty document.
void readDoc(const QByteArray &data, Document &document, ReadReport &report);

} // namespace richedit
