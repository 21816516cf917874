// tavel-convert IN OUT: converts a document between the formats the editor reads and writes,
// chosen by the two file names' extensions. Exit code 0 on success, 1 with a one-line error.
#include "platform/richedit/formats/Formats.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tavel-convert: %s\n", message.toUtf8().constData());
    return 1;
}

} // namespace

// The converter's only output is its one-line error; Qt's own notices (a missing runtime
// folder, font substitutions) are not the user's concern here.
static void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "tavel-convert: %s\n", message.toUtf8().constData());
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietQtMessages);
    // Text layout needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: tavel-convert IN OUT"));

    const QString in = args[1];
    const QString out = args[2];
    const richedit::DocumentFormat from = richedit::formatForFileName(in);
    const richedit::DocumentFormat to = richedit::formatForFileName(out);
    if (from == richedit::DocumentFormat::Undefined)
        return fail(QStringLiteral("the extension of \"%1\" names no document format").arg(in));
    if (to == richedit::DocumentFormat::Undefined)
        return fail(QStringLiteral("the extension of \"%1\" names no document format").arg(out));
    try {
        const auto document = richedit::readDocument(in, from);
        richedit::writeDocument(*document, out, to);
    } catch (const std::exception &error) {
        return fail(QString::fromUtf8(error.what()));
    }
    // The output file is complete and closed. Tearing down Qt's font database and the
    // document costs a tenth of a large conversion and changes nothing the user sees.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(0);
}
