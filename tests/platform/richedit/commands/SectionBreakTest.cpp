#include "CommandsFixture.h"

#include "platform/richedit/commands/SectionEdit.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/model/Properties.h"

#include <QBuffer>

using namespace richedit;

namespace {

struct BreakCase {
    const char *command;
    SectionStart start;
};

const BreakCase breakCases[] = {
    {"InsertSectionBreakNextPage", SectionStart::NextPage},
    {"InsertSectionBreakEvenPage", SectionStart::EvenPage},
    {"InsertSectionBreakOddPage", SectionStart::OddPage},
};

/// The text of each section, paragraphs joined by "\n".
QStringList sectionTexts(const Document &document)
{
    QStringList texts(int(document.sections().size()));
    for (QTextBlock block = document.mainStory()->begin(); block.isValid(); block = block.next()) {
        QString &text = texts[pagesetup::sectionAt(document, block.position())];
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + block.text();
    }
    return texts;
}

std::unique_ptr<Document> saveAndRead(const Document &document, DocumentFormat format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeDocument(document, buffer, format);
    return readDocument(buffer.data(), format, QStringLiteral("saved"));
}

} // namespace

TEST_F(CommandsTest, SectionBreakSplitsTheCaretsSectionAndSurvivesDocx)
{
    for (const BreakCase &c : breakCases) {
        SCOPED_TRACE(c.command);
        setText(QStringLiteral("alpha beta\ngamma"));
        Section page;
        page.setPaperKind(PaperKind::A4);
        page.margins.left = 2000;
        page.columnCount = 2;
        control.document().setSections({page});
        control.SetDocumentModelModified(false);
        select(6, 6); // before "beta"

        commands.execute(c.command);
        const Document &document = control.document();
        ASSERT_EQ(document.sections().size(), 2u);
        EXPECT_EQ(sectionTexts(document), QStringList({QStringLiteral("alpha "), QStringLiteral("beta\ngamma")}));
        Section expected = page;
        expected.start = c.start;
        EXPECT_EQ(document.section(0), page);
        EXPECT_EQ(document.section(1), expected) << "the new section copies the page setup";
        EXPECT_EQ(control.textCursor().position(), story().findBlockByNumber(1).position()) << "caret at the new section";
        EXPECT_TRUE(control.DocumentModelModified());

        const auto reread = saveAndRead(document, DocumentFormat::OpenXml);
        EXPECT_EQ(sectionTexts(*reread), sectionTexts(document));
        ASSERT_EQ(reread->sections().size(), 2u);
        EXPECT_EQ(reread->section(0), document.section(0));
        EXPECT_EQ(reread->section(1), document.section(1));

        commands.execute("Undo");
        EXPECT_EQ(document.sections(), std::vector<Section>{page});
        EXPECT_EQ(document.plainText(), QStringLiteral("alpha beta\ngamma"));
        EXPECT_FALSE(story().begin().blockFormat().hasProperty(prop::SectionEnd));
        EXPECT_FALSE(control.DocumentModelModified());
    }
}

TEST_F(CommandsTest, SectionBreakInAMiddleSectionKeepsTheOthersAndTheirHeaders)
{
    setText(QStringLiteral("one\ntwo words\nthree"));
    for (int block : {0, 1}) {
        QTextCursor cursor(story().findBlockByNumber(block));
        QTextBlockFormat format;
        format.setProperty(prop::SectionEnd, true);
        cursor.mergeBlockFormat(format);
    }
    Section first, second, third;
    second.setLandscape(true);
    third.setPaperKind(PaperKind::A5);
    Document &document = control.document();
    document.setSections({first, second, third});
    QTextDocument *thirdHeader = document.ensureHeaderFooter(2, HeaderFooterKind::HeaderOdd);
    story().clearUndoRedoStacks();
    const int twoStart = story().findBlockByNumber(1).position();
    select(twoStart + 3, twoStart + 9); // " words" is replaced by the break

    commands.execute("InsertSectionBreakNextPage");
    EXPECT_EQ(sectionTexts(document), QStringList({QStringLiteral("one"), QStringLiteral("two"), QString(),
                                                   QStringLiteral("three")}));
    ASSERT_EQ(document.sections().size(), 4u);
    EXPECT_TRUE(document.section(2).landscape);
    EXPECT_EQ(document.section(3), third);
    EXPECT_EQ(document.headerFooter(2, HeaderFooterKind::HeaderOdd), nullptr) << "the new section shows the previous header";
    EXPECT_EQ(document.headerFooter(3, HeaderFooterKind::HeaderOdd), thirdHeader);

    commands.execute("Undo");
    EXPECT_EQ(document.sections(), (std::vector<Section>{first, second, third}));
    EXPECT_EQ(document.plainText(), QStringLiteral("one\ntwo words\nthree"));
    EXPECT_EQ(document.headerFooter(2, HeaderFooterKind::HeaderOdd), thirdHeader);
    commands.execute("Redo");
    EXPECT_EQ(document.sections().size(), 4u);
    EXPECT_EQ(document.headerFooter(3, HeaderFooterKind::HeaderOdd), thirdHeader);
}

TEST_F(CommandsTest, SectionBreakIsDisabledInATable)
{
    setText(QStringLiteral("before"));
    QTextCursor cursor(&story());
    cursor.movePosition(QTextCursor::End);
    cursor.insertTable(2, 2);
    control.setTextCursor(cursor);
    EXPECT_FALSE(commands.isEnabled(u"InsertSectionBreakNextPage"));
    select(1, 1);
    EXPECT_TRUE(commands.isEnabled(u"InsertSectionBreakNextPage"));
}

struct ColourCase {
    DocumentFormat format;
    QColor colour;
};

class PageColourRoundTrip : public ::testing::TestWithParam<ColourCase> {};

TEST_P(PageColourRoundTrip, SurvivesSaveAndRead)
{
    Document document;
    document.mainStory()->setPlainText(QStringLiteral("text"));
    document.setPageColor(GetParam().colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeDocument(document, buffer, GetParam().format);
    const auto reread = readDocument(buffer.data(), GetParam().format, QStringLiteral("saved"));
    EXPECT_EQ(reread->pageColor(), GetParam().colour);
    EXPECT_EQ(reread->plainText(), QStringLiteral("text"));
}

INSTANTIATE_TEST_SUITE_P(Formats, PageColourRoundTrip,
                         ::testing::Values(ColourCase{DocumentFormat::OpenXml, QColor(0xff, 0xf2, 0xcc)},
                                           ColourCase{DocumentFormat::OpenXml, QColor()},
                                           ColourCase{DocumentFormat::Rtf, QColor(0x12, 0x34, 0x56)},
                                           ColourCase{DocumentFormat::Rtf, QColor()}));
