#include "ZipFixture.h"

#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/model/TextFormats.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <gtest/gtest.h>

namespace richedit::test {
namespace {

std::unique_ptr<Document> readRtfText(const QByteArray &rtf)
{
    return readDocument(rtf, DocumentFormat::Rtf, QStringLiteral("test.rtf"));
}

struct CodePageCase {
    const char *name;
    QByteArray rtf;
    QString text;
};

void PrintTo(const CodePageCase &c, std::ostream *out) { *out << c.name; }

class RtfCodePages : public testing::TestWithParam<CodePageCase> {};

TEST_P(RtfCodePages, DecodesTheTextOfTheRightCodePage)
{
    EXPECT_EQ(readRtfText(GetParam().rtf)->plainText().toStdString(), GetParam().text.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfCodePages,
    testing::Values(
        CodePageCase{"AnsiCodePage1250", "{\\rtf1\\ansi\\ansicpg1250 P\\'f8\\'edli\\'9a \\'e8}", QStringLiteral("Příliš č")},
        CodePageCase{"DefaultIsWindows1252", "{\\rtf1\\ansi caf\\'e9 \\'80}", QStringLiteral("café €")},
        CodePageCase{"FontCharsetCyrillic",
                     "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial;}}\\f1 \\'cf\\'f0\\'e8\\f0 \\'e9}",
                     QStringLiteral("Приé")},
        CodePageCase{"UnknownCodePageFallsBackTo1252", "{\\rtf1\\ansi\\ansicpg9322354 caf\\'e9}", QStringLiteral("café")},
        CodePageCase{"DoubleByteShiftJis", "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'82\\'a2}", QStringLiteral("あい")},
        CodePageCase{"UnicodeSkipsOneByDefault", "{\\rtf1 \\u269?\\u345\\'f8 x}", QStringLiteral("čř x")},
        CodePageCase{"UnicodeSkipCountFromUc", "{\\rtf1\\uc2 \\u269\\'e8\\'e8 x}", QStringLiteral("č x")},
        CodePageCase{"UnicodeWithoutFallback", "{\\rtf1\\uc0 \\u269\\u345 x}", QStringLiteral("čřx")},
        CodePageCase{"UcIsScopedToItsGroup", "{\\rtf1{\\uc2 \\u269??}\\u345?x}", QStringLiteral("čřx")},
        CodePageCase{"NegativeUnicode", "{\\rtf1 \\u-3913?}", QString(QChar(0xF0B7))},
        CodePageCase{"SurrogatePair", "{\\rtf1 \\u-10179?\\u-8704?}", QStringLiteral("\U0001F600")},
        CodePageCase{"EscapesAndSymbols", "{\\rtf1 a\\{b\\}c\\\\d\\~e\\emdash f\\tab g}",
                     QStringLiteral("a{b}c\\d\u00A0e\u2014f\tg")},
        CodePageCase{"IgnorableDestinationsAreSkipped",
                     "{\\rtf1{\\info{\\title T}}{\\*\\unknown junk}{\\*\\generator G;}text}", QStringLiteral("text")}),
    [](const testing::TestParamInfo<CodePageCase> &info) { return std::string(info.param.name); });

TEST(RtfWriter, WritesEveryCharacterOutsideAsciiAsUnicodeWithAFallback)
{
    Document document;
    document.mainStory()->setPlainText(QStringLiteral("Žluťoučký \U0001F600 {x}"));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeDocument(document, buffer, DocumentFormat::Rtf);
    const QByteArray rtf = buffer.data();
    for (char c : rtf)
        ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80);
    EXPECT_TRUE(rtf.contains("\\uc1"));
    EXPECT_TRUE(rtf.contains("\\u381?lu\\u357?ou\\u269?k\\u253? \\u-10179?\\u-8704? \\{x\\}"));
}

// A document shaped as other word processors write it: styles with defaults and
// inheritance, complex fields split over runs, hyperlinks through relationships, a section
// break in a paragraph, merged cells, numbering and a header.
QByteArray foreignDocx()
{
    const QByteArray body =
        "<w:p><w:pPr><w:pStyle w:val=\"Heading1\"/></w:pPr><w:r><w:t>Title</w:t></w:r></w:p>"
        "<w:p><w:r><w:t xml:space=\"preserve\">Page </w:t></w:r>"
        "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText xml:space=\"preserve\"> PA</w:instrText></w:r>"
        "<w:r><w:instrText>GE </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>"
        "<w:r><w:t>4</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"
        "<w:r><w:tab/><w:t xml:space=\"preserve\">see </w:t></w:r><w:hyperlink r:id=\"rIdLink\"><w:r><w:rPr><w:rStyle w:val=\"Hyperlink\"/></w:rPr>"
        "<w:t>site</w:t></w:r></w:hyperlink><w:bookmarkStart w:id=\"0\" w:name=\"Here\"/><w:r><w:t>!</w:t></w:r>"
        "<w:bookmarkEnd w:id=\"0\"/></w:p>"
        "<w:p><w:pPr><w:numPr><w:ilvl w:val=\"1\"/><w:numId w:val=\"5\"/></w:numPr>"
        "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1417\" w:right=\"1417\" w:bottom=\"1417\" "
        "w:left=\"1417\" w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/>"
        "<w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/></w:sectPr></w:pPr><w:r><w:t>Item</w:t></w:r></w:p>"
        "<w:tbl><w:tblGrid><w:gridCol w:w=\"1000\"/><w:gridCol w:w=\"2000\"/></w:tblGrid>"
        "<w:tr><w:tc><w:tcPr><w:gridSpan w:val=\"2\"/></w:tcPr><w:p><w:r><w:t>wide</w:t></w:r></w:p></w:tc></w:tr>"
        "<w:tr><w:tc><w:tcPr><w:vMerge w:val=\"restart\"/><w:shd w:val=\"clear\" w:fill=\"FF0000\"/></w:tcPr>"
        "<w:p><w:r><w:t>tall</w:t></w:r></w:p></w:tc><w:tc><w:p><w:r><w:t>b</w:t></w:r></w:p></w:tc></w:tr>"
        "<w:tr><w:tc><w:tcPr><w:vMerge/></w:tcPr><w:p/></w:tc><w:tc><w:p><w:r><w:t>d</w:t></w:r></w:p></w:tc></w:tr></w:tbl>"
        "<w:p><w:r><w:t>Landscape</w:t></w:r></w:p>"
        "<w:sectPr><w:pgSz w:w=\"15840\" w:h=\"12240\" w:orient=\"landscape\"/></w:sectPr>";
    const QByteArray styles =
        "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Calibri\" w:hAnsi=\"Calibri\"/><w:sz w:val=\"22\"/>"
        "</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after=\"160\" w:line=\"259\" w:lineRule=\"auto\"/>"
        "</w:pPr></w:pPrDefault></w:docDefaults>"
        "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>"
        "<w:style w:type=\"paragraph\" w:styleId=\"Heading1\"><w:name w:val=\"heading 1\"/><w:basedOn w:val=\"Normal\"/>"
        "<w:pPr><w:keepNext/><w:outlineLvl w:val=\"0\"/></w:pPr><w:rPr><w:b/><w:sz w:val=\"32\"/></w:rPr></w:style>"
        "<w:style w:type=\"character\" w:styleId=\"Hyperlink\"><w:name w:val=\"Hyperlink\"/>"
        "<w:rPr><w:color w:val=\"0563C1\"/><w:u w:val=\"single\"/></w:rPr></w:style></w:styles>";
    const QByteArray numbering =
        "<w:numbering xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:abstractNum w:abstractNumId=\"3\"><w:lvl w:ilvl=\"1\"><w:start w:val=\"1\"/><w:numFmt w:val=\"lowerLetter\"/>"
        "<w:lvlText w:val=\"%2)\"/><w:pPr><w:ind w:left=\"1440\" w:hanging=\"360\"/></w:pPr></w:lvl></w:abstractNum>"
        "<w:num w:numId=\"5\"><w:abstractNumId w:val=\"3\"/></w:num></w:numbering>";
    const QByteArray header =
        "<w:hdr xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:p><w:r><w:t>Head</w:t>"
        "</w:r></w:p></w:hdr>";
    const QByteArray relationships =
        "<Relationship Id=\"rIdStyles\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
        "<Relationship Id=\"rIdNum\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering\" Target=\"numbering.xml\"/>"
        "<Relationship Id=\"rIdHeader\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/header\" Target=\"header1.xml\"/>"
        "<Relationship Id=\"rIdLink\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink\" "
        "Target=\"https://example.org/\" TargetMode=\"External\"/>";
    return makeDocx(body,
                    {{QStringLiteral("word/styles.xml"), styles},
                     {QStringLiteral("word/numbering.xml"), numbering},
                     {QStringLiteral("word/header1.xml"), header}},
                    relationships);
}

// Shaped as LibreOffice writes sections: a page style table, a section break after the closed
// paragraph ("\par \sect\sectd"), section properties repeated in full, and paragraph borders set
// inside the groups of the text, before control words that are not borders.
TEST(RtfReader, ReadsSectionsShapedAsLibreOfficeWritesThem)
{
    const QByteArray rtf = R"({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f5\froman\fprq2\fcharset0 Times New Roman;}}
{\stylesheet{\s0\snext0\loch\nowidctlpar\f3\fs24 Normal;}}
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn11906\pghsxn16838\marglsxn1440\margrsxn1440\margtsxn1440\margbsxn1440\pgdscnxt0 Default Page Style;}
{\pgdsc1\pgdscuse451\lndscpsxn\pgndec\pgwsxn15840\pghsxn12240\marglsxn1440\margrsxn1440\margtsxn1440\margbsxn1440\pgdscnxt1 Converted1;}}
\formshade\paperh16838\paperw11906\margl1440\margr1440\margt1440\margb1440\sectd\sbknone\pgndec\sftnnar\saftnnrlc\sectunlocked1\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1417\margbsxn1417\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc
{\*\ftnsep\chftnsep}\pgndec\pard\plain \s0\loch\nowidctlpar\f3\fs24\ql\ltrpar{\hich\af5\loch\brdrt\brdrnone\brdrl\brdrnone\brdrb\brdrnone\brdrr\brdrnone\f5\loch
First section}
\par \sect\sectd\sftnnar\saftnnrlc\sectunlocked1\pgwsxn15840\pghsxn12240\marglsxn1440\margrsxn1440\margtsxn1440\margbsxn1440\brdrt\brdrnone\brdrl\brdrnone\brdrb\brdrnone\brdrr\brdrnone\pgndec\sbkodd\pard\plain \s0\loch\nowidctlpar\f3\fs24\ql\ltrpar{\hich\af5\loch\f5\loch
Second section}
\par \sect\sectd\sftnnar\saftnnrlc\sectunlocked1\pgwsxn8391\pghsxn11906\marglsxn1440\margrsxn1440\margtsxn1440\margbsxn1440\pgndec\sbkpage\pard\plain \s0\loch\nowidctlpar\f3\fs24\ql\ltrpar{\hich\af5\loch\f5\loch
Third section}
\par })";
    const auto document = readRtfText(rtf);
    EXPECT_EQ(document->plainText().toStdString(), "First section\nSecond section\nThird section");
    ASSERT_EQ(document->sections().size(), 3u);
    const struct {
        PaperKind paper;
        bool landscape;
        SectionStart start;
        int leftMargin;
    } expected[] = {
        {PaperKind::A4, false, SectionStart::Continuous, 1134},
        {PaperKind::Letter, true, SectionStart::OddPage, 1440},
        {PaperKind::A5, false, SectionStart::NextPage, 1440},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const Section &section = document->section(int(i));
        EXPECT_EQ(section.paperKind, expected[i].paper);
        EXPECT_EQ(section.landscape, expected[i].landscape);
        EXPECT_EQ(section.start, expected[i].start);
        EXPECT_EQ(section.margins.left, expected[i].leftMargin);
    }
    QTextBlock block = document->mainStory()->begin();
    for (bool sectionEnd : {true, true, false}) {
        EXPECT_EQ(block.blockFormat().boolProperty(prop::SectionEnd), sectionEnd) << block.text().toStdString();
        block = block.next();
    }
}

TEST(DocxReader, ReadsADocumentShapedAsOtherProgramsWriteIt)
{
    ReadReport report;
    const auto document = readDocument(foreignDocx(), DocumentFormat::OpenXml, QStringLiteral("foreign.docx"), &report);
    EXPECT_TRUE(report.warnings.isEmpty()) << report.warnings.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(document->defaultFont().family(), QStringLiteral("Calibri"));
    EXPECT_EQ(document->defaultFont().pointSizeF(), 11);

    const QTextBlock title = document->mainStory()->begin();
    EXPECT_EQ(title.text(), QStringLiteral("Title"));
    EXPECT_EQ(title.blockFormat().stringProperty(prop::ParagraphStyleId), QStringLiteral("Heading1"));
    EXPECT_TRUE(title.blockFormat().boolProperty(prop::KeepWithNext));
    EXPECT_EQ(layoutToTwipsRounded(title.blockFormat().bottomMargin()), 160); // from the defaults
    const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
    EXPECT_EQ(titleFormat.fontWeight(), QFont::Bold);
    EXPECT_EQ(titleFormat.fontPointSize(), 16);
    EXPECT_EQ(titleFormat.fontFamilies().toStringList(), QStringList{QStringLiteral("Calibri")});

    const QTextBlock fields = title.next();
    EXPECT_EQ(fields.text().toStdString(), "Page 4\tsee site!");
    QTextBlock::iterator it = fields.begin();
    ++it;
    EXPECT_EQ(it.fragment().text(), QStringLiteral("4"));
    EXPECT_EQ(it.fragment().charFormat().stringProperty(prop::FieldInstruction), QStringLiteral("PAGE"));
    ++it;
    ++it;
    EXPECT_EQ(it.fragment().text(), QStringLiteral("site"));
    EXPECT_EQ(it.fragment().charFormat().anchorHref(), QStringLiteral("https://example.org/"));
    EXPECT_EQ(underlineType(it.fragment().charFormat()), UnderlineType::Single);
    ASSERT_EQ(document->bookmarks().size(), 1u);
    EXPECT_EQ(document->bookmarks().front().range.selectedText(), QStringLiteral("!"));

    const QTextBlock item = fields.next();
    ASSERT_TRUE(item.textList());
    EXPECT_EQ(item.textList()->format().intProperty(prop::ListLevelIndex), 1);
    EXPECT_EQ(document->lists().at(5).levels[1].text, QStringLiteral("%2)"));
    EXPECT_EQ(document->lists().at(5).levels[1].format, NumberFormat::LowerLetter);
    EXPECT_TRUE(item.blockFormat().boolProperty(prop::SectionEnd));

    ASSERT_EQ(document->sections().size(), 2u);
    EXPECT_EQ(document->section(0).paperKind, PaperKind::A4);
    EXPECT_EQ(document->section(0).margins.left, 1417);
    EXPECT_TRUE(document->section(1).landscape);
    EXPECT_EQ(document->section(1).paperKind, PaperKind::Letter);
    ASSERT_TRUE(document->headerFooter(0, HeaderFooterKind::HeaderOdd));
    EXPECT_EQ(document->headerFooter(0, HeaderFooterKind::HeaderOdd)->toPlainText(), QStringLiteral("Head"));

    QTextTable *table = nullptr;
    for (QTextFrame::iterator frame = document->mainStory()->rootFrame()->begin(); !frame.atEnd(); ++frame)
        if (auto *found = qobject_cast<QTextTable *>(frame.currentFrame()))
            table = found;
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rows(), 3);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 2);
    EXPECT_EQ(table->cellAt(1, 0).rowSpan(), 2);
    EXPECT_EQ(table->cellAt(1, 0).format().background().color(), QColor(255, 0, 0));
    EXPECT_EQ(table->cellAt(2, 1).firstCursorPosition().block().text(), QStringLiteral("d"));
}

TEST(DocxReader, ForeignDocumentSurvivesRtfAndBack)
{
    const auto original = readDocument(foreignDocx(), DocumentFormat::OpenXml, QStringLiteral("foreign.docx"));
    QBuffer rtf;
    rtf.open(QIODevice::WriteOnly);
    writeDocument(*original, rtf, DocumentFormat::Rtf);
    const auto fromRtf = readDocument(rtf.data(), DocumentFormat::Rtf, QStringLiteral("foreign.rtf"));
    EXPECT_EQ(fromRtf->plainText(), original->plainText());
    EXPECT_EQ(fromRtf->sections(), original->sections());
    EXPECT_EQ(fromRtf->headerFooter(0, HeaderFooterKind::HeaderOdd)->toPlainText(), QStringLiteral("Head"));
}

} // namespace
} // namespace richedit::test
