// libFuzzer target for one document reader: any input must end in a document or in
// richedit::Error, never in a crash, a hang or unbounded memory.
#include "platform/richedit/Error.h"
#include "platform/richedit/formats/Formats.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {

#if defined(TAVEL_FUZZ_FORMAT_rtf)
constexpr richedit::DocumentFormat format = richedit::DocumentFormat::Rtf;
#else
constexpr richedit::DocumentFormat format = richedit::DocumentFormat::OpenXml;
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
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const auto document = richedit::readDocument(bytes, format, QStringLiteral("fuzz"));
        // What was read must also be writable.
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        richedit::writeDocument(*document, buffer, format);
    } catch (const richedit::Error &) {
    }
    return 0;
}
