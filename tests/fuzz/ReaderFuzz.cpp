// libFuzzer target for one document reader: any input must end in a document or in
// richedit::Error, never in a crash, a hang or unbounded memory.
#include "platform/richedit/Error.h"
#include "platform/richedit/formats/Formats.h"

#include <QBuffer>
#include <QGuiApplication>

#if defined(TAVEL_FUZZ_FORMAT_docxxml)
#include <zip.h>
#endif

#include <cstddef>
#include <cstdint>

namespace {

#if defined(TAVEL_FUZZ_FORMAT_rtf)
constexpr richedit::DocumentFormat format = richedit::DocumentFormat::Rtf;
#elif defined(TAVEL_FUZZ_FORMAT_doc)
// .doc has no writer: what was read is written as .docx.
constexpr richedit::DocumentFormat format = richedit::DocumentFormat::Doc;
#else
constexpr richedit::DocumentFormat format = richedit::DocumentFormat::OpenXml;
#endif

#if defined(TAVEL_FUZZ_FORMAT_docxxml)
// Mutated archives rarely get past the checksums, so this target fuzzes the main part's XML
// inside a valid container.
QByteArray wrapInDocx(const QByteArray &documentXml)
{
    zip_source_t *source = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_t *archive = zip_open_from_source(source, ZIP_TRUNCATE, nullptr);
    zip_source_keep(source);
    zip_file_add(archive, "word/document.xml",
                 zip_source_buffer(archive, documentXml.constData(), zip_uint64_t(documentXml.size()), 0), 0);
    zip_close(archive);
    zip_source_open(source);
    zip_source_seek(source, 0, SEEK_END);
    QByteArray bytes(qsizetype(zip_source_tell(source)), Qt::Uninitialized);
    zip_source_seek(source, 0, SEEK_SET);
    zip_source_read(source, bytes.data(), zip_uint64_t(bytes.size()));
    zip_source_close(source);
    zip_source_free(source);
    return bytes;
}
#endif

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
#if defined(TAVEL_FUZZ_FORMAT_docxxml)
    const QByteArray bytes = wrapInDocx(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
#else
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
#endif
    try {
        const auto document = richedit::readDocument(bytes, format, QStringLiteral("fuzz"));
        // What was read must also be writable.
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        richedit::writeDocument(*document, buffer,
                                format == richedit::DocumentFormat::Doc ? richedit::DocumentFormat::OpenXml : format);
    } catch (const richedit::Error &) {
    }
    return 0;
}
