// The .doc reader on small hand-made files: text decoding, fields and special characters,
// and every way a damaged or unsupported file must end in a clear error.
#include "WordFixture.h"

#include "platform/richedit/Error.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/model/Properties.h"

#include <QTextBlock>
#include <QTextDocument>

#include <map>
#include <QtEndian>

#include <gtest/gtest.h>

namespace richedit::test {
namespace {

std::unique_ptr<Document> read(const QByteArray &bytes, ReadReport *report = nullptr)
{
    return readDocument(bytes, DocumentFormat::Doc, QStringLiteral("test.doc"), report);
}

QString errorOf(const QByteArray &bytes)
{
    try {
        read(bytes);
    } catch (const Error &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

void put32(QByteArray &bytes, int offset, quint32 value) { qToLittleEndian(value, bytes.data() + offset); }

struct TextCase {
    const char *name;
    std::vector<TextPiece> pieces;
    const char16_t *expected;
};

class DocText : public testing::TestWithParam<TextCase> {};

TEST_P(DocText, ReadsThePiecesAsText)
{
    WordFixture fixture;
    fixture.pieces = GetParam().pieces;
    const auto document = read(fixture.file());
    EXPECT_EQ(document->plainText(), QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, DocText,
    testing::Values(
        // 8-bit pieces are Windows-1252, not Latin-1: 0x80..0x9F are quotes, dashes, the euro.
        TextCase{"EightBit", {{QString::fromUtf16(u"\u201CQuoted\u201D \u2013 \u20AC5\r"), true}},
                 u"\u201CQuoted\u201D \u2013 \u20AC5"},
        TextCase{"Unicode",
                 {{QString::fromUtf16(u"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd k\u016f\u0148\r"
                                      u"\u0421\u044a\u0435\u0448\u044c \u0436\u0435\r")}},
                 u"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd k\u016f\u0148\n\u0421\u044a\u0435\u0448\u044c \u0436\u0435"},
        // A paragraph may run across pieces of both kinds.
        TextCase{"MixedPieces",
                 {{QStringLiteral("English and "), true}, {QString::fromUtf16(u"\u010de\u0161tina\r")},
                  {QStringLiteral("next\r"), true}},
                 u"English and \u010de\u0161tina\nnext"},
        // Fields show their result; the code, nested fields in it included, is dropped.
        TextCase{"FieldResult", {{QStringLiteral("Page \x13 PAGE \x14" "7\x15 of 9\r"), true}}, u"Page 7 of 9"},
        TextCase{"NestedFieldCode",
                 {{QStringLiteral("\x13 IF \x13 PAGE \x14" "1\x15 = 1 \x14yes\x15!\r"), true}}, u"yes!"},
        TextCase{"FieldWithoutResult", {{QStringLiteral("a\x13 TOC \x15" "b\r"), true}}, u"ab"},
        // Line break, tab, non-breaking and optional hyphens; other control characters vanish.
        TextCase{"SpecialCharacters", {{QStringLiteral("a\x0B" "b\tc\x1E" "d\x1F" "e\x01\x08\r"), true}},
                 u"a\nb\tc\u2011d\u00ADe"},
        TextCase{"PageBreakSplitsTheParagraph", {{QStringLiteral("one\x0Ctwo\r"), true}}, u"one\ntwo"}),
    [](const testing::TestParamInfo<TextCase> &info) { return std::string(info.param.name); });

TEST(DocReader, PageBreakStartsThePageOfTheTextAfterIt)
{
    WordFixture fixture;
    fixture.pieces = {{QStringLiteral("one\x0Ctwo\r\x0Cthree\r"), true}};
    const auto document = read(fixture.file());
    const QTextBlock first = document->mainStory()->firstBlock();
    ASSERT_EQ(document->mainStory()->blockCount(), 3);
    EXPECT_EQ(first.blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
    EXPECT_EQ(first.next().blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
    EXPECT_EQ(first.next().next().text(), "three");
    EXPECT_EQ(first.next().next().blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
}

// Formatting pages address bytes: an 8-bit piece's characters are one byte apart, a Unicode
// piece's two, so the same run table must format the same words in both kinds of piece.
TEST(DocReader, CharacterRunsFindTheirTextInBothKindsOfPiece)
{
    const QByteArray bold = QByteArray::fromHex("350801");        // sprmCFBold on
    const QByteArray italic = QByteArray::fromHex("360801");      // sprmCFItalic on
    const QByteArray big = QByteArray::fromHex("434A2800");       // sprmCHps 40 half-points
    for (const bool eightBit : {true, false}) {
        SCOPED_TRACE(eightBit ? "8-bit" : "Unicode");
        WordFixture fixture;
        fixture.pieces = {{QStringLiteral("plain bold italic big\r"), eightBit}};
        fixture.characterRuns = {{0, 6, {}}, {6, 10, bold}, {10, 11, {}}, {11, 17, italic}, {17, 18, {}},
                                 {18, 21, big}, {21, 22, {}}};
        const auto document = read(fixture.file());
        std::map<QString, QTextCharFormat> runs;
        const QTextBlock block = document->mainStory()->firstBlock();
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            runs[it.fragment().text()] = it.fragment().charFormat();
        ASSERT_EQ(block.text(), "plain bold italic big");
        EXPECT_EQ(runs["plain "].fontWeight(), QFont::Normal);
        EXPECT_EQ(runs["bold"].fontWeight(), QFont::Bold);
        EXPECT_FALSE(runs["bold"].fontItalic());
        EXPECT_TRUE(runs["italic"].fontItalic());
        EXPECT_EQ(runs["big"].fontPointSize(), 20);
        EXPECT_EQ(runs["plain "].fontPointSize(), 10); // Word's own default size
    }
}

TEST(DocReader, HyperlinkFieldBecomesALinkAndOtherFieldsKeepTheirInstruction)
{
    WordFixture fixture;
    fixture.pieces = {{QStringLiteral("\x13 HYPERLINK \"https://example.org/\" \x14site\x15 \x13 PAGE \x14" "3\x15\r"), true}};
    const auto document = read(fixture.file());
    const QTextBlock block = document->mainStory()->firstBlock();
    ASSERT_EQ(block.text(), "site 3");
    QTextBlock::iterator it = block.begin();
    EXPECT_EQ(it.fragment().text(), "site");
    EXPECT_EQ(it.fragment().charFormat().anchorHref(), "https://example.org/");
    for (; !it.atEnd(); ++it)
        if (it.fragment().text() == "3") {
            EXPECT_EQ(it.fragment().charFormat().stringProperty(prop::FieldInstruction), "PAGE");
            EXPECT_GT(it.fragment().charFormat().intProperty(prop::FieldId), 0);
        }
}

TEST(DocReader, WarnsAboutWhatItLeavesOut)
{
    WordFixture fixture;
    fixture.pieces = {{QStringLiteral("picture \x01 and note\x02\r"), true}};
    ReadReport report;
    read(fixture.file(), &report);
    EXPECT_TRUE(report.warnings.contains("Pictures and drawings are not read yet; they were left out."));
    EXPECT_TRUE(report.warnings.contains(
        "Footnotes and endnotes are not read yet; their reference marks were left out."));
}

TEST(DocReader, TextShorterThanTheHeaderSaysIsKeptWithAWarning)
{
    WordFixture fixture;
    fixture.pieces = {{QStringLiteral("kept\r"), true}};
    fixture.extraCharacters = 1000;
    ReadReport report;
    EXPECT_EQ(read(fixture.file(), &report)->plainText(), "kept");
    EXPECT_EQ(report.warnings.size(), 1);
}

struct BrokenCase {
    const char *name;
    std::function<QByteArray()> bytes;
    const char *message;
};

QByteArray simpleFile()
{
    WordFixture fixture;
    fixture.pieces = {{QStringLiteral("Hello\r"), true}};
    return fixture.file();
}

// The FAT entry of the first sector of the first stream ("WordDocument").
constexpr int firstStreamFatEntry = fatOffset + 4 * firstStreamSector;

class BrokenDoc : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenDoc, EndsInAnErrorThatSaysWhy)
{
    const QString message = errorOf(GetParam().bytes());
    EXPECT_TRUE(message.startsWith("The file \"test.doc\" could not be read: ")) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromUtf8(GetParam().message))) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenDoc,
    testing::Values(
        BrokenCase{"NotACompoundFile", [] { return QByteArray("{\\rtf1 this is RTF}"); },
                   "it is not a Word 97-2003 document"},
        BrokenCase{"TruncatedHeader", [] { return simpleFile().left(300); }, "the header is cut short"},
        BrokenCase{"WrongSectorSize",
                   [] {
                       QByteArray b = simpleFile();
                       b[30] = 10;
                       return b;
                   },
                   "unknown version 3"},
        BrokenCase{"FatCycle",
                   [] {
                       QByteArray b = simpleFile();
                       put32(b, firstStreamFatEntry, firstStreamSector); // the sector follows itself
                       return b;
                   },
                   "runs in a circle"},
        BrokenCase{"DirectoryCycle",
                   [] {
                       QByteArray b = simpleFile();
                       put32(b, fatOffset + 4, 1);
                       return b;
                   },
                   "runs in a circle"},
        BrokenCase{"SectorOutsideTheFat",
                   [] {
                       QByteArray b = simpleFile();
                       put32(b, firstStreamFatEntry, 100000);
                       return b;
                   },
                   "names sector 100000, which does not exist"},
        BrokenCase{"SectorBeyondTheFile",
                   [] {
                       QByteArray b = simpleFile();
                       put32(b, firstStreamFatEntry, 120); // listed in the FAT, but the file is shorter
                       put32(b, fatOffset + 4 * 120, firstStreamSector + 1);
                       return b;
                   },
                   "lies beyond the end of the file"},
        BrokenCase{"HugeStreamSize",
                   [] {
                       QByteArray b = simpleFile();
                       put32(b, directoryOffset + 128 + 120, 0x7FFFFFFF);
                       return b;
                   },
                   "more than the file holds"},
        BrokenCase{"HugeFatCount",
                   [] {
                       QByteArray b = simpleFile();
                       put32(b, 44, 0x40000000);
                       return b;
                   },
                   "FAT sectors"},
        BrokenCase{"DifatCycle",
                   [] {
                       QByteArray b = simpleFile();
                       const quint32 next = quint32(b.size() / 512 - 1); // the sector appended now
                       QByteArray difat(512, '\0');
                       put32(difat, 508, next); // its link to the next DIFAT sector is itself
                       b += difat + QByteArray(400 * 512, '\0');
                       put32(b, 44, 109 + 2 * 127); // more FAT sectors than one DIFAT sector lists
                       put32(b, 68, next);
                       return b;
                   },
                   "the DIFAT chain runs in a circle"},
        BrokenCase{"NoWordDocumentStream",
                   [] { return compoundFile({{QStringLiteral("Book"), QByteArray("not a document")}}); },
                   "it has no \"WordDocument\" stream"},
        BrokenCase{"Word95",
                   [] {
                       WordFixture f;
                       f.pieces = {{QStringLiteral("old\r"), true}};
                       f.nFib = 0x68;
                       return f.file();
                   },
                   "Word 6.0 or Word 95"},
        BrokenCase{"Encrypted",
                   [] {
                       WordFixture f;
                       f.pieces = {{QStringLiteral("secret\r"), true}};
                       f.encrypted = true;
                       return f.file();
                   },
                   "protected with a password"},
        BrokenCase{"TableStreamMissing",
                   [] {
                       WordFixture f;
                       f.pieces = {{QStringLiteral("x\r"), true}};
                       f.tableStreamMissing = true;
                       return f.file();
                   },
                   "its \"1Table\" stream is missing"},
        BrokenCase{"PieceBeyondTheStream",
                   [] {
                       WordFixture f;
                       f.pieces = {{QStringLiteral("x\r"), true}};
                       QByteArray wd = f.wordDocument();
                       QByteArray table = f.table();
                       put32(table, 5 + 8 + 2, 0x3FFFFF00); // the first piece's place
                       return compoundFile({{QStringLiteral("WordDocument"), wd}, {QStringLiteral("1Table"), table}});
                   },
                   "lies beyond the end of the document stream"}),
    [](const testing::TestParamInfo<BrokenCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace richedit::test
