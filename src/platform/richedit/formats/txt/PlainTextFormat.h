#pragma once

#include "platform/richedit/formats/FormatIO.h"

namespace richedit {

/// Plain text: UTF-8 with or without a byte order mark; bytes that are not UTF-8 become
/// U+FFFD. Each line is a paragraph. Written as UTF-8 without a byte order mark, "\n" between
/// paragraphs.
void readPlainText(const QByteArray &data, Document &document, ReadReport &report);
void writePlainText(const Document &document, QIODevice &out);

} // namespace richedit
