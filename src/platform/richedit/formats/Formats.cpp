#include "Formats.h"

#include "doc/DocReader.h"
#include "docx/DocxReader.h"
#include "docx/DocxWriter.h"
#include "html/HtmlFormat.h"
#include "platform/richedit/Error.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "txt/PlainTextFormat.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <new>

namespace richedit {
namespace {

// A file larger than this is refused before it is read into memory.
constexpr qint64 maxDocumentFileSize = qint64(1) << 30;

std::vector<FormatInfo> buildFormatTable()
{
    return {
        {DocumentFormat::OpenXml, QStringLiteral("Word Document"), {QStringLiteral("docx")}, readDocx, writeDocx},
        {DocumentFormat::Rtf, QStringLiteral("Rich Text Format"), {QStringLiteral("rtf")}, readRtf, writeRtf},
        {DocumentFormat::Doc, QStringLiteral("Word 97-2003 Document"), {QStringLiteral("doc")}, readDoc, nullptr},
        {DocumentFormat::PlainText, QStringLiteral("Plain Text"), {QStringLiteral("txt")}, readPlainText,
         writePlainText},
        {DocumentFormat::Html, QStringLiteral("Web Page"), {QStringLiteral("html"), QStringLiteral("htm")}, readHtml,
         writeHtml},
    };
}

QString displayName(const QString &path)
{
    return QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
}

} // namespace

const std::vector<FormatInfo> &allFormats()
{
    static const std::vector<FormatInfo> table = buildFormatTable();
    return table;
}

const FormatInfo &formatInfo(DocumentFormat format)
{
    for (const FormatInfo &info : allFormats())
        if (info.format == format)
            return info;
    throw Error(QStringLiteral("The document format is not known."));
}

DocumentFormat formatForExtension(const QString &extension)
{
    for (const FormatInfo &info : allFormats())
        if (info.extensions.contains(extension, Qt::CaseInsensitive))
            return info.format;
    return DocumentFormat::Undefined;
}

DocumentFormat formatForFileName(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? DocumentFormat::Undefined : formatForExtension(name.mid(dot + 1));
}

QString fileFilter(const FormatInfo &info)
{
    QStringList patterns;
    for (const QString &ext : info.extensions)
        patterns << QStringLiteral("*.") + ext;
    // The name is the localizer's key; the patterns are not translated.
    const QString name = QCoreApplication::translate("richedit::Formats", info.filterName.toUtf8().constData());
    return name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

std::unique_ptr<Document> readDocument(const QByteArray &data, DocumentFormat format, const QString &sourceName,
                                       ReadReport *report)
{
    const FormatInfo *info = nullptr;
    for (const FormatInfo &row : allFormats())
        if (row.format == format)
            info = &row;
    if (!info)
        throw Error(QStringLiteral("The file \"%1\" has no known document format.").arg(sourceName));
    if (!info->reader)
        throw Error(QStringLiteral("The file \"%1\" cannot be opened: this version cannot read %2 files yet.")
                        .arg(sourceName, info->filterName));
    auto document = std::make_unique<Document>();
    ReadReport localReport;
    try {
        info->reader(data, *document, report ? *report : localReport);
    } catch (const Error &error) {
        throw Error(QStringLiteral("The file \"%1\" could not be read: %2").arg(sourceName, error.message()));
    } catch (const std::bad_alloc &) {
        throw Error(QStringLiteral("The file \"%1\" could not be read: there is not enough memory.").arg(sourceName));
    }
    document->mainStory()->setModified(false);
    document->mainStory()->clearUndoRedoStacks();
    return document;
}

std::unique_ptr<Document> readDocument(const QString &path, DocumentFormat format, ReadReport *report)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("The file \"%1\" could not be opened: %2").arg(path, file.errorString()));
    if (file.size() > maxDocumentFileSize)
        throw Error(QStringLiteral("The file \"%1\" is too large to open.").arg(path));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("The file \"%1\" could not be read: %2").arg(path, file.errorString()));
    return readDocument(data, format, displayName(path), report);
}

void writeDocument(const Document &document, QIODevice &out, DocumentFormat format)
{
    const FormatInfo &info = formatInfo(format);
    if (!info.writer)
        throw Error(QStringLiteral("This version cannot save %1 files yet.").arg(info.filterName));
    info.writer(document, out);
}

void writeDocument(const Document &document, const QString &path, DocumentFormat format)
{
    // Render into memory first: a writer that fails must not leave a half-written file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeDocument(document, buffer, format);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("The file \"%1\" could not be saved: %2").arg(path, file.errorString()));
    if (file.write(buffer.data()) != buffer.size() || !file.commit())
        throw Error(QStringLiteral("The file \"%1\" could not be saved: %2").arg(path, file.errorString()));
}

} // namespace richedit
