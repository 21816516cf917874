#include "DocxReader.h"
#include "DocxWriter.h"
#include "platform/richedit/Error.h"
namespace richedit {
void readDocx(const QByteArray &, Document &, ReadReport &) { throw Error(QStringLiteral("not yet")); }
void writeDocx(const Document &, QIODevice &) { throw Error(QStringLiteral("not yet")); }
}
