#pragma once

#include "platform/richedit/formats/FormatIO.h"

namespace richedit {

/// HTML: the character set from the byte order mark or the meta tag, UTF-8 otherwise.
/// Written as UTF-8 with its meta tag.
void readHtml(const QByteArray &data, Document &document, ReadReport &report);
void writeHtml(const Document &document, QIODevice &out);

} // namespace richedit
