#include "HtmlFormat.h"

#include <QStringDecoder>

namespace richedit {

void readHtml(const QByteArray &data, Document &document, ReadReport &report)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString html = decoder.decode(data);
    if (decoder.hasError())
        report.warnings << QStringLiteral("Some bytes did not match the page's character set and were replaced.");
    document.mainStory()->setHtml(html);
}

void writeHtml(const Document &document, QIODevice &out)
{
    out.write(document.mainStory()->toHtml().toUtf8());
}

} // namespace richedit
