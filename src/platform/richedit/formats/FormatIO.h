#pragma once

#include "platform/richedit/model/Document.h"

#include <QIODevice>
#include <QStringList>

namespace richedit {

/// What a reader hands back besides the document: the things it had to drop.
struct ReadReport {
    QStringList warnings;
};

/// A reader fills an empty `Document` from bytes; it throws `richedit::Error` (without the
/// file name, which the caller adds) for input it cannot make sense of.
using Reader = void (*)(const QByteArray &data, Document &document, ReadReport &report);
/// A writer turns a document into bytes on `out`.
using Writer = void (*)(const Document &document, QIODevice &out);

} // namespace richedit
