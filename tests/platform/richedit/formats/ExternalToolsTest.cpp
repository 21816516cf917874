#include "DocumentBuilders.h"

#include "support/TempDir.h"

#include "platform/richedit/formats/Formats.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace richedit::test {
namespace {

struct ConvertRun {
    int exitCode;
    QString errorText;
};

ConvertRun convert(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(TAVEL_CONVERT), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError()).trimmed()};
}

TEST(TavelConvert, ConvertsBetweenFormatsByExtension)
{
    TempDir dir;
    const auto original = buildEverything();
    writeDocument(*original, dir.path(QStringLiteral("in.docx")), DocumentFormat::OpenXml);
    ASSERT_EQ(convert({dir.path(QStringLiteral("in.docx")), dir.path(QStringLiteral("out.rtf"))}).exitCode, 0);
    ASSERT_EQ(convert({dir.path(QStringLiteral("out.rtf")), dir.path(QStringLiteral("out.docx"))}).exitCode, 0);
    ASSERT_EQ(convert({dir.path(QStringLiteral("out.docx")), dir.path(QStringLiteral("out.txt"))}).exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(dir.read(QStringLiteral("out.txt"))), original->plainText());
}

TEST(TavelConvert, FailsWithOneLineNamingTheFault)
{
    TempDir dir;
    dir.write(QStringLiteral("broken.docx"), "PK\x03\x04 not really");
    const struct {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{QStringLiteral("only-one.rtf")}, "tavel-convert: usage: tavel-convert IN OUT"},
        {{dir.path(QStringLiteral("a.xyz")), dir.path(QStringLiteral("b.rtf"))}, "names no document format"},
        {{dir.path(QStringLiteral("missing.rtf")), dir.path(QStringLiteral("b.docx"))}, "could not be opened"},
        {{dir.path(QStringLiteral("broken.docx")), dir.path(QStringLiteral("b.rtf"))},
         "could not be read: it is not a valid Word document"},
    };
    for (const auto &c : cases) {
        const ConvertRun run = convert(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(run.errorText.contains(QLatin1Char('\n'))) << run.errorText.toStdString();
        EXPECT_TRUE(run.errorText.contains(QString::fromUtf8(c.message))) << run.errorText.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.path(QStringLiteral("b.rtf"))));
}

// Other word processors must open what we write: LibreOffice's plain-text export of our files
// gives the text of our own plain-text writer.
TEST(OtherWordProcessors, LibreOfficeReadsTheTextOfOurFiles)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice (LibreOffice) is not installed; install libreoffice-writer-nogui to run this check.";
    TempDir dir;
    for (const char *feature : {"ParagraphFormats", "Styles", "Tables", "Unicode", "SectionsAndHeaders"}) {
        std::unique_ptr<Document> document;
        for (const FeatureBuilder &builder : featureBuilders())
            if (QLatin1String(builder.name) == QLatin1String(feature))
                document = builder.build();
        for (const auto &[extension, format] : {std::pair{"docx", DocumentFormat::OpenXml}, std::pair{"rtf", DocumentFormat::Rtf}}) {
            const QString name = QStringLiteral("%1.%2").arg(QLatin1String(feature), QLatin1String(extension));
            writeDocument(*document, dir.path(name), format);
            QProcess process;
            process.setWorkingDirectory(dir.root());
            process.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                    QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"),
                                    dir.path(QLatin1String(extension)), dir.path(name)});
            ASSERT_TRUE(process.waitForFinished(120000));
            QString text = QString::fromUtf8(dir.read(QLatin1String(extension) + QLatin1Char('/') +
                                                      QLatin1String(feature) + QStringLiteral(".txt")));
            text.remove(QChar(0xFEFF));
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            EXPECT_EQ(text.trimmed().toStdString(), document->plainText().trimmed().toStdString()) << name.toStdString();
        }
    }
}

} // namespace
} // namespace richedit::test
