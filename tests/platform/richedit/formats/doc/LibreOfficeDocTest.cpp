// .doc files written by another word processor: LibreOffice turns a Rich Text source made
// here into a Word 97-2003 document, and the reader must bring back its text (English in
// 8-bit pieces, Czech and Russian in Unicode pieces), formatting, styles, tables, sections,
// headers, page breaks and fields. Skipped when LibreOffice is not installed.
#include "../DocumentBuilders.h"
#include "support/TempDir.h"

#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/model/TextFormats.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <gtest/gtest.h>

#include <functional>

namespace richedit::test {
namespace {

const char *const source = R"RTF({\rtf1\ansi\ansicpg1252\deff0
{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss Arial;}{\f2\fmodern Courier New;}}
{\colortbl;\red255\green0\blue0;\red0\green0\blue255;\red255\green255\blue0;}
{\stylesheet{\s0\f0\fs24 Normal;}{\s1\sbasedon0\snext0\keepn\b\f1\fs32 heading 1;}}
\paperw11906\paperh16838\margl1134\margr1134\margt1417\margb1417
\sectd\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1417\margbsxn1417
{\header\pard\plain\s0 Header text\par}
\pard\plain\s1\keepn\b\f1\fs32 Heading text\par
\pard\plain\s0\f0\fs24 Plain English, {\b bold}, {\i italic}, {\uldb double}, {\strike struck}, {\caps caps}, {\cf1 red}, {\highlight3 marked}, {\fs40 big}, {\f2 courier}, {\super raised} and {\sub lowered}.\par
\pard\plain\s0\qc\f0\fs24 Centered\par
\pard\plain\s0\li1440\ri720\fi-360\f0\fs24 Indented\par
\pard\plain\s0\sb240\sa480\sl480\slmult1\f0\fs24 Spaced\par
\pard\plain\s0\keepn\keep\f0\fs24 KeepNext\par
\pard\plain\s0\f0\fs24 P\u345?\u237?li\u353? \u382?lu\u357?ou\u269?k\u253? k\u367?\u328? \u250?p\u283?l \u271?\u225?belsk\u233? \u243?dy\par
\pard\plain\s0\f0\fs24 \u1057?\u1098?\u1077?\u1096?\u1100? \u1078?\u1077? \u1077?\u1097?\u1105? \u1092?\u1088?\u1072?\u1085?\u1094?\u1091?\u1079?\u1089?\u1082?\u1080?\u1093? \u1073?\u1091?\u1083?\u1086?\u1082?\par
\pard\plain\s0\f0\fs24 Link: {\field{\*\fldinst HYPERLINK "https://example.org/"}{\fldrslt example}} on page {\field{\*\fldinst PAGE}{\fldrslt 1}}.\par
\trowd\trgaph108\cellx2000\cellx5000
\pard\plain\intbl A1\cell B1\cell\row
\trowd\trgaph108\cellx2000\cellx5000
\pard\plain\intbl A2\cell B2\cell\row
\pard\plain\s0 After the table\par
\pard\plain\s0\pagebb After break\par
\pard\plain\s0 End of the first section\par
\sect\sectd\lndscpsxn\pgwsxn16838\pghsxn11906\marglsxn720\margrsxn720\margtsxn720\margbsxn720
\pard\plain\s0 Landscape section\par
})RTF";

const char *const listSource = R"RTF({\rtf1\ansi\deff0{\fonttbl{\f0\froman Times New Roman;}}
{\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23\levelstartat1{\leveltext\'01\u8226 ?;}{\levelnumbers;}\fi-360\li720}\listid1}
{\list\listtemplateid2{\listlevel\levelnfc0\levelstartat3{\leveltext\'02\'00.;}{\levelnumbers\'01;}\fi-360\li720}{\listlevel\levelnfc4\levelstartat1{\leveltext\'04\'00.\'01);}{\levelnumbers\'01\'03;}\fi-360\li1440}\listid2}}
{\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}{\listoverride\listid2\listoverridecount0\ls2}}
\pard\ls1\ilvl0 Bullet one\par
\pard\ls1\ilvl0 Bullet two\par
\pard\ls2\ilvl0 Number three\par
\pard\ls2\ilvl1 Sub a\par
\pard Plain\par
})RTF";

QString soffice() { return QStandardPaths::findExecutable(QStringLiteral("soffice")); }

// Runs LibreOffice with a profile of its own, so that a LibreOffice already running for
// someone else on the machine does not take the conversion over.
bool convertWithLibreOffice(const TempDir &dir, const QStringList &inputs, const QString &filter)
{
    QProcess process;
    process.start(soffice(), QStringList{QStringLiteral("-env:UserInstallation=file://") + dir.path(QStringLiteral("profile")),
                                         QStringLiteral("--headless"), QStringLiteral("--convert-to"), filter,
                                         QStringLiteral("--outdir"), dir.root()} + inputs);
    return process.waitForFinished(180000) && process.exitCode() == 0;
}

class LibreOfficeDoc : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (soffice().isEmpty())
            return;
        dir = new TempDir;
        dir->write(QStringLiteral("source.rtf"), source);
        dir->write(QStringLiteral("lists.rtf"), listSource);
        writeDocument(*buildEverything(), dir->path(QStringLiteral("everything.rtf")), DocumentFormat::Rtf);
        convertWithLibreOffice(*dir,
                               {dir->path(QStringLiteral("source.rtf")), dir->path(QStringLiteral("lists.rtf")),
                                dir->path(QStringLiteral("everything.rtf"))},
                               QStringLiteral("doc:MS Word 97"));
        convertWithLibreOffice(*dir, {dir->path(QStringLiteral("source.doc")), dir->path(QStringLiteral("everything.doc"))},
                               QStringLiteral("txt:Text (encoded):UTF8"));
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override
    {
        if (soffice().isEmpty())
            GTEST_SKIP() << "soffice (LibreOffice) is not installed; install libreoffice-writer-nogui to run this check.";
        ASSERT_TRUE(QFile::exists(docPath())) << "LibreOffice did not write the .doc";
        document = readDocument(docPath(), DocumentFormat::Doc, &report);
    }
    static QString docPath() { return dir->path(QStringLiteral("source.doc")); }

    QTextCharFormat formatOf(const QString &text) const
    {
        for (QTextBlock block = document->mainStory()->begin(); block.isValid(); block = block.next())
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().text() == text)
                    return it.fragment().charFormat();
        ADD_FAILURE() << "no run " << text.toStdString();
        return {};
    }
    QTextBlock blockOf(const QString &text) const
    {
        for (QTextBlock block = document->mainStory()->begin(); block.isValid(); block = block.next())
            if (block.text() == text)
                return block;
        ADD_FAILURE() << "no paragraph " << text.toStdString();
        return {};
    }

    static TempDir *dir;
    ReadReport report;
    std::unique_ptr<Document> document;
};
TempDir *LibreOfficeDoc::dir = nullptr;

QString libreOfficeText(const TempDir &dir, const QString &name)
{
    QString text = QString::fromUtf8(dir.read(name));
    text.remove(QChar(0xFEFF));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.trimmed();
}

TEST_F(LibreOfficeDoc, TextIsWhatLibreOfficeReadsFromTheSameFile)
{
    EXPECT_EQ(document->plainText().trimmed().toStdString(), libreOfficeText(*dir, QStringLiteral("source.txt")).toStdString());
    EXPECT_TRUE(document->plainText().contains(QString::fromUtf16(u"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd")));
    EXPECT_TRUE(document->plainText().contains(QString::fromUtf16(u"\u0421\u044a\u0435\u0448\u044c \u0436\u0435 \u0435\u0449\u0451")));
}

// LibreOffice's plain text puts list labels before list items and an empty line for each cell
// under a vertical merge; neither is text of the document.
// The page count is LibreOffice's own layout's, and the reader does not take notes from .doc
// files yet (it warns), so the marks of the notes line differ too.
QString withoutLabelsAndEmptyLines(const QString &text)
{
    static const QRegularExpression label(QStringLiteral("^\\s+([\u2022\u25E6\u25AA] )?"));
    static const QRegularExpression pageCount(QStringLiteral("(Page \\d+ of )\\d+"));
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(label);
        line.replace(pageCount, QStringLiteral("\\1N"));
        if (!line.isEmpty() && !line.contains(QLatin1String("footnote")))
            lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

// Every feature of the model at once (merged cells, columns, first/odd/even headers, lists,
// bookmarks, pictures): whatever the reader leaves out, the text stays what LibreOffice sees.
TEST_F(LibreOfficeDoc, FeatureRichDocumentKeepsItsText)
{
    ReadReport everythingReport;
    const auto everything = readDocument(dir->path(QStringLiteral("everything.doc")), DocumentFormat::Doc, &everythingReport);
    EXPECT_EQ(withoutLabelsAndEmptyLines(everything->plainText()).toStdString(),
              withoutLabelsAndEmptyLines(libreOfficeText(*dir, QStringLiteral("everything.txt"))).toStdString());
    EXPECT_GE(everything->sections().size(), 2u);
    // Its table merges two cells across in the first row and two down in the last column.
    const QTextTable *table = nullptr;
    for (QTextFrame::iterator it = everything->mainStory()->rootFrame()->begin(); !it.atEnd() && !table; ++it)
        table = qobject_cast<QTextTable *>(it.currentFrame());
    ASSERT_TRUE(table);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 2);
    EXPECT_EQ(table->cellAt(0, 2).rowSpan(), 2);
}

TEST_F(LibreOfficeDoc, CharacterFormatting)
{
    const struct {
        const char *text;
        std::function<bool(const QTextCharFormat &)> holds;
    } cases[] = {
        {"bold", [](const QTextCharFormat &f) { return f.fontWeight() == QFont::Bold && !f.fontItalic(); }},
        {"italic", [](const QTextCharFormat &f) { return f.fontItalic() && f.fontWeight() == QFont::Normal; }},
        {"double", [](const QTextCharFormat &f) { return underlineType(f) == UnderlineType::Double; }},
        {"struck", [](const QTextCharFormat &f) { return f.fontStrikeOut(); }},
        {"caps", [](const QTextCharFormat &f) { return f.fontCapitalization() == QFont::AllUppercase; }},
        {"red", [](const QTextCharFormat &f) { return f.foreground().color() == QColor(255, 0, 0); }},
        {"marked", [](const QTextCharFormat &f) { return f.colorProperty(prop::Highlight) == QColor(255, 255, 0); }},
        {"big", [](const QTextCharFormat &f) { return f.fontPointSize() == 20; }},
        {"courier", [](const QTextCharFormat &f) { return f.fontFamilies().toStringList() == QStringList{"Courier New"}; }},
        {"raised", [](const QTextCharFormat &f) { return f.verticalAlignment() == QTextCharFormat::AlignSuperScript; }},
        {"lowered", [](const QTextCharFormat &f) { return f.verticalAlignment() == QTextCharFormat::AlignSubScript; }},
        {"Plain English, ", [](const QTextCharFormat &f) {
             return f.fontWeight() == QFont::Normal && underlineType(f) == UnderlineType::None && f.fontPointSize() == 12 &&
                    f.fontFamilies().toStringList() == QStringList{"Times New Roman"};
         }},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(c.holds(formatOf(QString::fromUtf8(c.text)))) << c.text;
}

TEST_F(LibreOfficeDoc, ParagraphFormatting)
{
    const struct {
        const char *text;
        std::function<bool(const QTextBlockFormat &)> holds;
    } cases[] = {
        {"Centered", [](const QTextBlockFormat &f) { return f.alignment() == Qt::AlignHCenter; }},
        {"Indented", [](const QTextBlockFormat &f) {
             return layoutToTwipsRounded(f.leftMargin()) == 1440 && layoutToTwipsRounded(f.rightMargin()) == 720 &&
                    layoutToTwipsRounded(f.textIndent()) == -360;
         }},
        {"Spaced", [](const QTextBlockFormat &f) {
             return layoutToTwipsRounded(f.topMargin()) == 240 && layoutToTwipsRounded(f.bottomMargin()) == 480 &&
                    f.lineHeightType() == QTextBlockFormat::ProportionalHeight && f.lineHeight() == 200;
         }},
        {"KeepNext", [](const QTextBlockFormat &f) { return f.boolProperty(prop::KeepWithNext) && f.nonBreakableLines(); }},
        {"After break", [](const QTextBlockFormat &f) { return f.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore; }},
        {"After the table", [](const QTextBlockFormat &f) {
             return f.alignment() == Qt::AlignLeft && f.pageBreakPolicy() == QTextFormat::PageBreak_Auto &&
                    !f.boolProperty(prop::KeepWithNext);
         }},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(c.holds(blockOf(QString::fromUtf8(c.text)).blockFormat())) << c.text;
}

TEST_F(LibreOfficeDoc, ParagraphStylesWithNamesAndInheritance)
{
    const QString id = blockOf(QStringLiteral("Heading text")).blockFormat().stringProperty(prop::ParagraphStyleId);
    const Style *heading = document->styles().find(id);
    ASSERT_TRUE(heading) << id.toStdString();
    EXPECT_EQ(heading->name.toLower(), "heading 1");
    EXPECT_EQ(heading->type, StyleType::Paragraph);
    EXPECT_TRUE(document->styles().resolvedCharFormat(id).fontWeight() == QFont::Bold);
    EXPECT_FALSE(document->styles().defaultStyleId(StyleType::Paragraph).isEmpty());
    EXPECT_EQ(formatOf(QStringLiteral("Heading text")).fontWeight(), QFont::Bold);
}

TEST_F(LibreOfficeDoc, SectionsWithPageSetupAndHeader)
{
    ASSERT_EQ(document->sections().size(), 2u);
    const Section &first = document->section(0);
    EXPECT_EQ(first.paperKind, PaperKind::A4);
    EXPECT_FALSE(first.landscape);
    EXPECT_EQ(first.margins.left, 1134);
    EXPECT_EQ(first.margins.top, 1417);
    const Section &second = document->section(1);
    EXPECT_TRUE(second.landscape);
    EXPECT_EQ(second.paperKind, PaperKind::A4);
    EXPECT_EQ(second.pageWidth, 16838);
    EXPECT_EQ(second.margins.left, 720);
    EXPECT_TRUE(blockOf(QStringLiteral("End of the first section")).blockFormat().boolProperty(prop::SectionEnd));
    const QTextDocument *header = document->headerFooter(0, HeaderFooterKind::HeaderOdd);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->toPlainText().trimmed(), "Header text");
}

TEST_F(LibreOfficeDoc, TableWithCellsAndColumnWidths)
{
    const QTextTable *table = nullptr;
    for (QTextFrame::iterator it = document->mainStory()->rootFrame()->begin(); !it.atEnd(); ++it)
        if (auto *found = qobject_cast<QTextTable *>(it.currentFrame()))
            table = found;
    ASSERT_TRUE(table);
    ASSERT_EQ(table->rows(), 2);
    ASSERT_EQ(table->columns(), 2);
    const auto cellText = [table](int r, int c) {
        QTextCursor cursor = table->cellAt(r, c).firstCursorPosition();
        cursor.setPosition(table->cellAt(r, c).lastPosition(), QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    EXPECT_EQ(cellText(0, 0), "A1");
    EXPECT_EQ(cellText(1, 1), "B2");
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 2);
    EXPECT_NEAR(layoutToTwips(widths[0].rawValue()), 2000, 120);
    EXPECT_NEAR(layoutToTwips(widths[1].rawValue()), 3000, 120);
}

TEST_F(LibreOfficeDoc, HyperlinkFieldKeepsItsTarget)
{
    EXPECT_EQ(formatOf(QStringLiteral("example")).anchorHref(), "https://example.org/");
}

TEST_F(LibreOfficeDoc, ListsKeepTheirNumberFormats)
{
    const auto lists = readDocument(dir->path(QStringLiteral("lists.doc")), DocumentFormat::Doc);
    const auto levelOf = [&lists](const char *text) -> const ListLevel * {
        for (QTextBlock block = lists->mainStory()->begin(); block.isValid(); block = block.next()) {
            if (block.text() != QLatin1String(text))
                continue;
            if (!block.textList()) {
                ADD_FAILURE() << text << " is not in a list";
                return nullptr;
            }
            const QTextListFormat format = block.textList()->format();
            const auto it = lists->lists().find(format.intProperty(prop::ListId));
            if (it == lists->lists().end())
                return nullptr;
            return &it->second.levels[std::size_t(format.intProperty(prop::ListLevelIndex))];
        }
        ADD_FAILURE() << "no paragraph " << text;
        return nullptr;
    };
    const ListLevel *bullet = levelOf("Bullet one");
    ASSERT_TRUE(bullet);
    EXPECT_EQ(bullet->format, NumberFormat::Bullet);
    EXPECT_EQ(bullet->text, QStringLiteral("\u2022"));
    EXPECT_EQ(bullet->indent, 720);
    EXPECT_EQ(bullet->hanging, 360);
    const ListLevel *number = levelOf("Number three");
    ASSERT_TRUE(number);
    EXPECT_EQ(number->format, NumberFormat::Decimal);
    EXPECT_EQ(number->start, 3);
    EXPECT_EQ(number->text, "%1.");
    const ListLevel *sub = levelOf("Sub a");
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->format, NumberFormat::LowerLetter);
    EXPECT_EQ(sub->text, "%1.%2)");
    for (QTextBlock block = lists->mainStory()->begin(); block.isValid(); block = block.next()) {
        if (block.text() == QLatin1String("Plain")) {
            EXPECT_FALSE(block.textList());
        }
    }
}

// The converter opens .doc and writes every format it can write; what it writes reads back
// with the same text.
TEST_F(LibreOfficeDoc, ConverterTurnsDocIntoDocxRtfAndText)
{
    for (const auto &[extension, format] : {std::pair{"docx", DocumentFormat::OpenXml}, std::pair{"rtf", DocumentFormat::Rtf},
                                            std::pair{"txt", DocumentFormat::PlainText}}) {
        const QString out = dir->path(QStringLiteral("converted.") + QLatin1String(extension));
        QProcess process;
        process.start(QStringLiteral(TAVEL_CONVERT), {docPath(), out});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        EXPECT_EQ(readDocument(out, format)->plainText().trimmed().toStdString(),
                  document->plainText().trimmed().toStdString())
            << extension;
    }
}

} // namespace
} // namespace richedit::test
