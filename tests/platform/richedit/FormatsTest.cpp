#include "platform/richedit/Error.h"
#include "platform/richedit/formats/Formats.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace richedit;

namespace {

std::unique_ptr<Document> readBytes(const QByteArray &data, DocumentFormat format)
{
    return readDocument(data, format, QStringLiteral("test"));
}

QByteArray writeBytes(const Document &document, DocumentFormat format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeDocument(document, buffer, format);
    return buffer.data();
}

struct TextCase {
    const char *name;
    QByteArray bytes;
    QString expected;
};

class PlainTextReadTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(PlainTextReadTest, DecodesUtf8AndSplitsParagraphs)
{
    const auto document = readBytes(GetParam().bytes, DocumentFormat::PlainText);
    EXPECT_EQ(document->plainText(), GetParam().expected);
    EXPECT_FALSE(document->mainStory()->isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainTextReadTest,
    ::testing::Values(TextCase{"Plain", "one\ntwo", QStringLiteral("one\ntwo")},
                      TextCase{"ByteOrderMark", "\xEF\xBB\xBFŽluťoučký", QStringLiteral("Žluťoučký")},
                      TextCase{"WindowsLineEnds", "a\r\nb\rc", QStringLiteral("a\nb\nc")},
                      TextCase{"InvalidBytesReplaced", "ok\xFF\xFEok", QStringLiteral("ok\uFFFD\uFFFDok")},
                      TextCase{"TruncatedSequence", "end\xC5", QStringLiteral("end\uFFFD")},
                      TextCase{"Empty", "", QString()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlainTextFormat, WritesUtf8WithoutByteOrderMarkAndKeepsNonBreakingSpaces)
{
    Document document;
    QTextCursor cursor(document.mainStory());
    cursor.insertText(QStringLiteral("Příliš\u00a0žluťoučký"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("kůň"));
    EXPECT_EQ(writeBytes(document, DocumentFormat::PlainText),
              QStringLiteral("Příliš\u00a0žluťoučký\nkůň").toUtf8());
}

TEST(HtmlFormat, KeepsCharacterFormattingThroughARoundTrip)
{
    Document document;
    QTextCursor cursor(document.mainStory());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("plain "));
    cursor.insertText(QStringLiteral("tučně"), bold);

    const auto back = readBytes(writeBytes(document, DocumentFormat::Html), DocumentFormat::Html);
    EXPECT_EQ(back->plainText(), QStringLiteral("plain tučně"));
    QTextCursor probe(back->mainStory());
    probe.setPosition(8);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
    probe.setPosition(2);
    EXPECT_NE(probe.charFormat().fontWeight(), QFont::Bold);
}

TEST(HtmlFormat, HonoursTheDeclaredCharacterSet)
{
    const QByteArray latin2 = "<html><head><meta charset=\"iso-8859-2\"></head><body>\xE8\x61j</body></html>";
    EXPECT_EQ(readBytes(latin2, DocumentFormat::Html)->plainText(), QStringLiteral("čaj"));
}

TEST(Formats, ExtensionsAreRecognisedWithoutRegardToCase)
{
    EXPECT_EQ(formatForFileName("/a/Zprava.RTF"), DocumentFormat::Rtf);
    EXPECT_EQ(formatForFileName("x.DocX"), DocumentFormat::OpenXml);
    EXPECT_EQ(formatForFileName("x.doc"), DocumentFormat::Doc);
    EXPECT_EQ(formatForFileName("notes.txt"), DocumentFormat::PlainText);
    EXPECT_EQ(formatForFileName("page.htm"), DocumentFormat::Html);
    EXPECT_EQ(formatForFileName("readme.md"), DocumentFormat::Undefined);
    EXPECT_EQ(formatForFileName("Makefile"), DocumentFormat::Undefined);
}

TEST(Formats, AReadersErrorNamesTheFile)
{
    TempDir dir;
    const QString path = dir.write("legacy.doc", "\xD0\xCF\x11\xE0 not really");
    try {
        readDocument(path, DocumentFormat::Doc);
        FAIL() << "no error";
    } catch (const Error &error) {
        EXPECT_TRUE(error.message().contains("legacy.doc")) << error.message().toStdString();
    }
}

TEST(Formats, MissingFileErrorNamesThePath)
{
    TempDir dir;
    try {
        readDocument(dir.path("gone.txt"), DocumentFormat::PlainText);
        FAIL() << "no error";
    } catch (const Error &error) {
        EXPECT_TRUE(error.message().contains(dir.path("gone.txt")));
    }
}

TEST(Formats, FailedSaveLeavesThePreviousFileAsItWas)
{
    TempDir dir;
    const QString path = dir.write("kept.txt", "previous content");
    Document document;
    QTextCursor(document.mainStory()).insertText("new content");

    // A writer that cannot produce the format fails before the file is touched.
    EXPECT_THROW(writeDocument(document, path, DocumentFormat::Doc), Error);
    EXPECT_EQ(dir.read("kept.txt"), QByteArray("previous content"));

    // A folder that cannot take the temporary file fails the same way.
    QFile::setPermissions(dir.root(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool folderLocked = !QFile(dir.path("probe")).open(QIODevice::WriteOnly);
    if (folderLocked) { // not when the tests run as root, who may write anywhere
        EXPECT_THROW(writeDocument(document, path, DocumentFormat::PlainText), Error);
        EXPECT_EQ(dir.read("kept.txt"), QByteArray("previous content"));
    }
    QFile::remove(dir.path("probe"));
    QFile::setPermissions(dir.root(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    writeDocument(document, path, DocumentFormat::PlainText);
    EXPECT_EQ(dir.read("kept.txt"), QByteArray("new content"));
    EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files), QStringList{"kept.txt"}); // no temporary left
}

} // namespace
