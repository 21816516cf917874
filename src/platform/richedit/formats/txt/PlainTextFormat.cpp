#include "PlainTextFormat.h"

#include <QStringDecoder>

namespace richedit {

void readPlainText(const QByteArray &data, Document &document, ReadReport &report)
{
    // Stateless: a sequence cut off at the end is replaced, not kept back for more input.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(data);
    if (decoder.hasError())
        report.warnings << QStringLiteral("Some bytes were not valid UTF-8 and were replaced.");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    document.mainStory()->setPlainText(text);
}

void writePlainText(const Document &document, QIODevice &out)
{
    out.write(document.plainText().toUtf8());
}

} // namespace richedit
