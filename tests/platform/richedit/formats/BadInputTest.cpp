#include "DocumentBuilders.h"
#include "ZipFixture.h"

#include "platform/richedit/Error.h"
#include "platform/richedit/formats/Formats.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

namespace richedit::test {
namespace {

struct BadInput {
    const char *name;
    DocumentFormat format;
    std::function<QByteArray()> bytes;
    const char *expected; // part of the message
};

QByteArray docxOf(const Document &document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeDocument(document, buffer, DocumentFormat::OpenXml);
    return buffer.data();
}

QByteArray smallDocx()
{
    Document document;
    document.mainStory()->setPlainText(QStringLiteral("Some text that the archive holds."));
    return docxOf(document);
}

// Rewrites the uncompressed size of every entry named `name` in the local and central headers.
QByteArray withDeclaredSize(QByteArray zip, const QByteArray &name, quint32 size)
{
    for (const auto &[signature, sizeOffset, nameOffset] :
         {std::tuple{QByteArray("PK\x03\x04", 4), 22, 30}, std::tuple{QByteArray("PK\x01\x02", 4), 24, 46}}) {
        for (qsizetype at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4))
            if (zip.mid(at + nameOffset, name.size()) == name)
                qToLittleEndian(size, zip.data() + at + sizeOffset);
    }
    return zip;
}

QByteArray nested(const char *open, const char *close, int depth, const QByteArray &inside)
{
    QByteArray result;
    for (int i = 0; i < depth; ++i)
        result += open;
    result += inside;
    for (int i = 0; i < depth; ++i)
        result += close;
    return result;
}

const BadInput badInputs[] = {
    {"RtfWithoutHeader", DocumentFormat::Rtf, [] { return QByteArray("Just text"); },
     "it is not a Rich Text Format file"},
    {"RtfNestedTooDeep", DocumentFormat::Rtf, [] { return "{\\rtf1 " + nested("{", "}", 1001, "x") + "}"; },
     "its groups are nested more than 1000 deep"},
    {"RtfUnicodeTooLarge", DocumentFormat::Rtf, [] { return QByteArray("{\\rtf1 a\\u70000?b}"); },
     "invalid Unicode character number \\u70000"},
    {"RtfUnicodeTooSmall", DocumentFormat::Rtf, [] { return QByteArray("{\\rtf1 a\\u-40000?b}"); },
     "invalid Unicode character number \\u-40000"},
    {"RtfTableTooWide", DocumentFormat::Rtf,
     [] {
         QByteArray row = "\\trowd";
         for (int i = 1; i <= 1001; ++i)
             row += "\\cellx" + QByteArray::number(i * 10);
         return "{\\rtf1 " + row + "\\pard\\intbl a\\cell\\row\\pard end\\par}";
     },
     "a table has more than 1000 columns"},
    {"DocxEmpty", DocumentFormat::OpenXml, [] { return QByteArray(); }, "it is not a valid Word document"},
    {"DocxNotZip", DocumentFormat::OpenXml, [] { return QByteArray("PK\x03\x04 this is no archive at all"); },
     "it is not a valid Word document"},
    {"DocxTruncated", DocumentFormat::OpenXml, [] { return smallDocx().left(smallDocx().size() / 2); },
     "it is not a valid Word document"},
    {"DocxWithoutMainPart", DocumentFormat::OpenXml,
     [] { return makeZip({{QStringLiteral("[Content_Types].xml"), "<Types/>"}}); },
     "the main part \"word/document.xml\" is missing"},
    {"DocxWithDoctype", DocumentFormat::OpenXml,
     [] {
         return makeZip({{QStringLiteral("word/document.xml"),
                          "<?xml version=\"1.0\"?><!DOCTYPE w:document SYSTEM \"file:///etc/passwd\"><w:document/>"}});
     },
     "declares a document type or entities, which is refused"},
    {"DocxWithEntities", DocumentFormat::OpenXml,
     [] {
         return makeZip({{QStringLiteral("word/document.xml"),
                          "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;\">]>"
                          "<w:document><w:body><w:p><w:r><w:t>&b;</w:t></w:r></w:p></w:body></w:document>"}});
     },
     "declares a document type or entities, which is refused"},
    {"DocxMalformedXml", DocumentFormat::OpenXml, [] { return makeDocx("<w:p><w:r><w:t>open</w:r></w:p>"); },
     "the part \"word/document.xml\" is not well-formed XML"},
    {"DocxNestedTooDeep", DocumentFormat::OpenXml,
     [] { return makeDocx(nested("<w:sdt><w:sdtContent>", "</w:sdtContent></w:sdt>", 1001, "<w:p/>")); },
     "its content is nested more than 1000 deep"},
    {"DocxEntryDeclaredHuge", DocumentFormat::OpenXml,
     [] { return withDeclaredSize(smallDocx(), "word/document.xml", 600u << 20); }, "word/document.xml"},
    {"DocxEntryLargerThanDeclared", DocumentFormat::OpenXml,
     [] { return withDeclaredSize(smallDocx(), "word/document.xml", 40); }, "word/document.xml"},
    {"DocxTableTooWide", DocumentFormat::OpenXml,
     [] { return makeDocx("<w:tbl><w:tr><w:tc><w:tcPr><w:gridSpan w:val=\"2000\"/></w:tcPr><w:p/></w:tc></w:tr></w:tbl>"); },
     "a table has more than 1000 columns"},
    {"DocxMergedCellsStandForTooManyCells", DocumentFormat::OpenXml,
     [] {
         // One cell spanning 1000 columns and 1001 one-cell rows: small input, a million cells.
         QByteArray rows = "<w:tr><w:tc><w:tcPr><w:gridSpan w:val=\"1000\"/></w:tcPr><w:p/></w:tc></w:tr>";
         for (int i = 0; i < 1001; ++i)
             rows += "<w:tr><w:tc><w:p/></w:tc></w:tr>";
         return makeDocx("<w:tbl>" + rows + "</w:tbl>");
     },
     "its tables have more than 1000000 cells"},
};

void PrintTo(const BadInput &input, std::ostream *out) { *out << input.name; }

class BadInputTest : public testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, EndsInAnErrorThatNamesTheFileAndTheFault)
{
    const BadInput &input = GetParam();
    try {
        readDocument(input.bytes(), input.format, QStringLiteral("bad file"));
        FAIL() << "no error";
    } catch (const Error &error) {
        const QString message = error.message();
        EXPECT_TRUE(message.startsWith(QStringLiteral("The file \"bad file\" could not be read: "))) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(input.expected))) << message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, BadInputTest, testing::ValuesIn(badInputs),
                         [](const testing::TestParamInfo<BadInput> &info) { return std::string(info.param.name); });

TEST(DamagedInput, TruncatedRtfKeepsTheTextReadSoFarWithAWarning)
{
    ReadReport report;
    const auto document = readDocument(QByteArray("{\\rtf1 Hello {\\b world"), DocumentFormat::Rtf, QStringLiteral("cut.rtf"), &report);
    EXPECT_EQ(document->plainText(), QStringLiteral("Hello world"));
    ASSERT_EQ(report.warnings.size(), 1);
    EXPECT_TRUE(report.warnings.front().contains(QStringLiteral("ends before its last group is closed")));
}

TEST(DamagedInput, PicturesThatDoNotDecodeAreLeftOutWithAWarning)
{
    ReadReport report;
    const auto document = readDocument(QByteArray("{\\rtf1 a{\\*\\shppict{\\pict\\pngblip 89504e470d0a1a0a0000}}b}"),
                                       DocumentFormat::Rtf, QStringLiteral("pict.rtf"), &report);
    EXPECT_EQ(document->plainText(), QStringLiteral("ab"));
    EXPECT_EQ(report.warnings, QStringList{QStringLiteral("A picture could not be decoded and was left out.")});
}

TEST(DamagedInput, RelationshipsOutsideThePackageAreNotFollowed)
{
    const QByteArray docx = makeDocx(
        "<w:p><w:r><w:t>Body</w:t></w:r></w:p><w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdH\"/></w:sectPr>",
        {}, "<Relationship Id=\"rIdH\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/header\" "
            "Target=\"../../../etc/passwd\"/>");
    ReadReport report;
    const auto document = readDocument(docx, DocumentFormat::OpenXml, QStringLiteral("rel.docx"), &report);
    EXPECT_EQ(document->plainText(), QStringLiteral("Body"));
    EXPECT_EQ(document->headerFooter(0, HeaderFooterKind::HeaderOdd), nullptr);
    EXPECT_EQ(report.warnings, QStringList{QStringLiteral("A header or footer whose part is missing was left out.")});
}

} // namespace
} // namespace richedit::test
