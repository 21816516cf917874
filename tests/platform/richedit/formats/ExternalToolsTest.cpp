#include "DocumentBuilders.h"

#include "support/TempDir.h"

#include "platform/richedit/formats/Formats.h"

#include <QProcess>
#include <QTextBlock>
#include <QRegularExpression>
#include <QTextFrame>
#include <QTextTable>
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

// The text LibreOffice's plain-text export gives for a document: one line per paragraph, like
// ours, except that LibreOffice keeps a cell covered by a vertical merge as a cell of its own and
// writes an empty line for it (cells covered by a horizontal merge it joins, so they give none).
QString textAsLibreOfficeExportsIt(const QTextDocument &story)
{
    QStringList lines;
    const auto addBlocks = [&lines](QTextBlock block, const QTextBlock &end) {
        for (; block.isValid() && block != end; block = block.next())
            lines << block.text().replace(QChar::LineSeparator, QLatin1Char('\n'));
    };
    for (QTextFrame::iterator it = story.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (it.currentBlock().isValid()) {
            addBlocks(it.currentBlock(), it.currentBlock().next());
            continue;
        }
        const auto *table = qobject_cast<QTextTable *>(it.currentFrame());
        if (!table)
            continue;
        for (int row = 0; row < table->rows(); ++row)
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                if (cell.row() == row && cell.column() == column)
                    addBlocks(cell.firstCursorPosition().block(), cell.lastCursorPosition().block().next());
                else if (cell.row() != row && cell.column() == column)
                    lines << QString();
            }
    }
    return lines.join(QLatin1Char('\n'));
}

TEST(OtherWordProcessors, ExpectedLibreOfficeTextHasAnEmptyLineForEachVerticallyCoveredCell)
{
    std::unique_ptr<Document> document;
    for (const FeatureBuilder &builder : featureBuilders())
        if (QLatin1String(builder.name) == QLatin1String("Tables"))
            document = builder.build();
    ASSERT_TRUE(document);
    // The table merges two cells across in its first row and two down in its last column.
    EXPECT_EQ(textAsLibreOfficeExportsIt(*document->mainStory()).toStdString(),
              "Before the table\nMerged across\nMerged down\nsecond paragraph\nShaded\nBottom\n\n"
              "Bordered\nB\nC\nAfter the table");
    // Our own text has no line for a cell that holds nothing of its own.
    EXPECT_FALSE(document->plainText().contains(QStringLiteral("\n\n")));
}

// Other word processors must open what we write: LibreOffice's plain-text export of our files
// gives the text of our own plain-text writer, but for the empty cells LibreOffice keeps where we
// merge down (see textAsLibreOfficeExportsIt).
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
            EXPECT_EQ(text.trimmed().toStdString(), textAsLibreOfficeExportsIt(*document->mainStory()).trimmed().toStdString())
                << name.toStdString();
        }
    }
}

// Documents written by another word processor open: LibreOffice converts our feature document
// into its own .docx and .rtf, and their text, styles, tables, sections and headers come through.
TEST(OtherWordProcessors, DocumentsWrittenByLibreOfficeOpen)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice (LibreOffice) is not installed; install libreoffice-writer-nogui to run this check.";
    TempDir dir;
    const auto original = buildEverything();
    writeDocument(*original, dir.path(QStringLiteral("source.rtf")), DocumentFormat::Rtf);
    for (const auto &[extension, format] : {std::pair{"docx", DocumentFormat::OpenXml}, std::pair{"rtf", DocumentFormat::Rtf}}) {
        QProcess process;
        process.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QLatin1String(extension),
                                QStringLiteral("--outdir"), dir.path(QStringLiteral("lo")), dir.path(QStringLiteral("source.rtf"))});
        ASSERT_TRUE(process.waitForFinished(120000));
        ReadReport report;
        const auto document = readDocument(dir.path(QStringLiteral("lo/source.") + QLatin1String(extension)), format, &report);
        SCOPED_TRACE(extension);
        EXPECT_TRUE(document->plainText().contains(QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy")));
        EXPECT_TRUE(document->plainText().contains(QStringLiteral("Merged across")));
        // LibreOffice 7.4 leaves the section breaks out of the .rtf it writes when a section has
        // columns (its own reader then sees one section too), so the count to expect is the
        // count of breaks in the file; the .docx keeps them all.
        std::size_t sections = original->sections().size();
        if (QLatin1String(extension) == QLatin1String("rtf"))
            sections = std::size_t(QString::fromLatin1(dir.read(QStringLiteral("lo/source.rtf")))
                                       .count(QRegularExpression(QStringLiteral("\\\\sect(?![a-z])")))) + 1;
        ASSERT_EQ(document->sections().size(), sections);
        EXPECT_EQ(document->section(0).paperKind, PaperKind::A4);
        if (sections == original->sections().size()) {
            EXPECT_TRUE(document->section(1).landscape);
            EXPECT_EQ(document->section(2).paperKind, PaperKind::A5);
        }
        bool headingStyle = false;
        for (const Style &style : document->styles().styles())
            headingStyle = headingStyle || style.name.compare(QLatin1String("heading 1"), Qt::CaseInsensitive) == 0;
        EXPECT_TRUE(headingStyle);
        const QTextDocument *header = document->headerFooter(0, HeaderFooterKind::HeaderOdd);
        ASSERT_TRUE(header);
        EXPECT_TRUE(header->toPlainText().startsWith(QStringLiteral("Odd header")));
        bool hasTable = false;
        for (QTextFrame::iterator it = document->mainStory()->rootFrame()->begin(); !it.atEnd(); ++it)
            hasTable = hasTable || qobject_cast<QTextTable *>(it.currentFrame());
        EXPECT_TRUE(hasTable);
    }
}

// Footnotes, endnotes, comments, tracked changes, a text box, header rows, a table in a cell
// and a paragraph that starts a page, as LibreOffice writes them in .docx and .rtf from a
// hand-written OpenDocument source.
TEST(OtherWordProcessors, NotesChangesTextBoxesAndTablesWrittenByLibreOfficeComeThrough)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice (LibreOffice) is not installed; install libreoffice-writer-nogui to run this check.";
    TempDir dir;
    const QString source = QStringLiteral(TAVEL_FIXTURES "/features.fodt");
    for (const auto &[extension, format] : {std::pair{"docx", DocumentFormat::OpenXml}, std::pair{"rtf", DocumentFormat::Rtf}}) {
        SCOPED_TRACE(extension);
        QProcess process;
        process.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QLatin1String(extension),
                                QStringLiteral("--outdir"), dir.path(QStringLiteral("lo")), source});
        ASSERT_TRUE(process.waitForFinished(120000));
        ReadReport report;
        const auto document =
            readDocument(dir.path(QStringLiteral("lo/features.") + QLatin1String(extension)), format, &report);
        const QString text = document->plainText();
        for (const char *expected : {"Footnote here", "Commented", "Kept and inserted text.", "Anchor", "Boxed text.",
                                     "Head A", "Outer cell", "Inner 1", "Inner 2", "After the break."})
            EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << " in\n" << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1String("removed words")));

        QStringList notes;
        for (const auto &[id, note] : document->notes())
            notes << QStringLiteral("%1 %2 %3").arg(int(note.kind)).arg(note.author, note.story->toPlainText().trimmed());
        EXPECT_EQ(notes.join(QLatin1Char('|')).toStdString(),
                  "0  The footnote text.|1  The endnote text.|2 Alice Brown The comment text.");

        QTextTable *table = nullptr;
        for (QTextFrame::iterator it = document->mainStory()->rootFrame()->begin(); !it.atEnd() && !table; ++it)
            table = qobject_cast<QTextTable *>(it.currentFrame());
        ASSERT_TRUE(table);
        // LibreOffice 7.4 marks header rows in .docx only (no \\trhdr in its .rtf).
        EXPECT_EQ(table->format().headerRowCount(), format == DocumentFormat::OpenXml ? 1 : 0);

        QTextBlock last = document->mainStory()->lastBlock();
        while (last.isValid() && last.text().isEmpty())
            last = last.previous();
        EXPECT_EQ(last.text(), QStringLiteral("After the break."));
        EXPECT_TRUE(last.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
        EXPECT_TRUE(report.warnings.join(QLatin1Char(' ')).contains(QLatin1String("Text boxes")))
            << report.warnings.join(QLatin1Char('\n')).toStdString();
    }
}

} // namespace
} // namespace richedit::test
