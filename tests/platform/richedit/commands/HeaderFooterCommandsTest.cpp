#include "CommandsFixture.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/model/Properties.h"
#include "support/Typing.h"

#include <QBuffer>
#include <QTextFragment>

#include <algorithm>

using namespace richedit;
using HF = HeaderFooterKind;

namespace {

class HeaderFooterCommandsTest : public CommandsTest {
protected:
    /// `pages` paragraphs, each on a page of its own; `sectionEnds` lists the paragraphs that
    /// end a section (the next one starts the next section).
    void pages(int count, std::initializer_list<int> sectionEnds = {})
    {
        QTextCursor cursor(&story());
        story().clear();
        for (int page = 0; page < count; ++page) {
            if (page > 0) {
                QTextBlockFormat format;
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                cursor.insertBlock(format);
            }
            cursor.insertText(QStringLiteral("page %1").arg(page + 1));
            if (std::find(sectionEnds.begin(), sectionEnds.end(), page) != sectionEnds.end()) {
                QTextBlockFormat end = cursor.blockFormat();
                end.setProperty(prop::SectionEnd, true);
                cursor.setBlockFormat(end);
            }
        }
        control.document().setSections(std::vector<Section>(sectionEnds.size() + 1));
        story().clearUndoRedoStacks();
        control.updatePageSetup();
        select(0, 0); // on the first page
    }

    QString text(HF kind, int section = 0)
    {
        QTextDocument *s = control.document().headerFooter(section, kind);
        return s ? s->toPlainText() : QStringLiteral("<none>");
    }

    void type(const QString &typed) { typeText(control.viewport(), typed); }

    /// The field instructions of the story's runs, in order.
    static QStringList fields(const QTextDocument &document)
    {
        QStringList found;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().intProperty(prop::FieldId))
                    found << it.fragment().charFormat().stringProperty(prop::FieldInstruction) + QLatin1Char('=')
                                 + it.fragment().text();
        return found;
    }

    void SetUp() override
    {
        control.resize(900, 700);
        control.show();
        control.setFocus();
        QApplication::processEvents();
    }
};

TEST_F(HeaderFooterCommandsTest, HeaderAndFooterCommandsAreEnabledOnlyWhereTheyCanAct)
{
    pages(2);
    const struct {
        const char *command;
        bool inBody;
        bool inHeader;
        bool inFooter;
    } cases[] = {
        {"EditPageHeader", true, true, true},
        {"EditPageFooter", true, true, true},
        {"InsertPageNumberField", true, true, true},
        {"InsertPageCountField", true, true, true},
        {"ClosePageHeaderFooter", false, true, true},
        {"GoToPageHeader", false, false, true},
        {"GoToPageFooter", false, true, false},
        {"ToggleDifferentFirstPage", false, true, true},
        {"ToggleDifferentOddAndEvenPages", false, true, true},
        {"GoToNextPageHeaderFooter", false, false, false}, // a single section
        {"GoToPreviousPageHeaderFooter", false, false, false},
        {"ToggleHeaderFooterLinkToPrevious", false, false, false}, // the first section links nowhere
        {"ShowPrintForm", true, true, true},
        {"ShowPrintPreviewForm", true, true, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(commands.isEnabled(c.command), c.inBody) << c.command << " in the body";
    commands.execute("EditPageHeader");
    for (const auto &c : cases)
        EXPECT_EQ(commands.isEnabled(c.command), c.inHeader) << c.command << " in the header";
    commands.execute("GoToPageFooter");
    for (const auto &c : cases)
        EXPECT_EQ(commands.isEnabled(c.command), c.inFooter) << c.command << " in the footer";
    commands.execute("ClosePageHeaderFooter");
    EXPECT_FALSE(control.IsSelectionInHeaderOrFooter());
}

TEST_F(HeaderFooterCommandsTest, EditPageHeaderOpensTheHeaderOfTheCaretsPage)
{
    pages(3);
    select(story().findBlockByNumber(2).position(), story().findBlockByNumber(2).position());
    commands.execute("EditPageFooter");
    ASSERT_TRUE(control.IsSelectionInHeaderOrFooter());
    EXPECT_EQ(control.headerFooterPage(), 2);
    EXPECT_FALSE(control.editingHeader());
    commands.execute("GoToPageHeader");
    EXPECT_EQ(control.headerFooterPage(), 2);
    EXPECT_TRUE(control.editingHeader());
}

TEST_F(HeaderFooterCommandsTest, DifferentFirstPageGivesTheFirstPageItsOwnHeader)
{
    pages(2);
    commands.execute("EditPageHeader");
    type("Every page");
    EXPECT_FALSE(commands.isChecked("ToggleDifferentFirstPage"));

    commands.execute("ToggleDifferentFirstPage");
    EXPECT_TRUE(commands.isChecked("ToggleDifferentFirstPage"));
    EXPECT_TRUE(control.document().section(0).differentFirstPage);
    EXPECT_TRUE(control.DocumentModelModified());
    // The caret is now in the first page's own header, new and empty.
    EXPECT_EQ(control.activeStory(), control.document().headerFooter(0, HF::HeaderFirst));
    type("Title page");
    EXPECT_EQ(text(HF::HeaderFirst), QStringLiteral("Title page"));
    EXPECT_EQ(text(HF::HeaderOdd), QStringLiteral("Every page"));

    commands.execute("ToggleDifferentFirstPage");
    EXPECT_FALSE(commands.isChecked("ToggleDifferentFirstPage"));
    EXPECT_EQ(control.activeStory(), control.document().headerFooter(0, HF::HeaderOdd));
}

TEST_F(HeaderFooterCommandsTest, DifferentOddAndEvenPagesGivesEvenPagesTheirOwnFooter)
{
    pages(3);
    select(story().findBlockByNumber(1).position(), story().findBlockByNumber(1).position());
    commands.execute("EditPageFooter");
    QTextDocument *odd = control.activeStory();
    commands.execute("ToggleDifferentOddAndEvenPages");
    EXPECT_TRUE(commands.isChecked("ToggleDifferentOddAndEvenPages"));
    EXPECT_TRUE(control.document().evenAndOddHeaders());
    // Page 2 is even: its footer is now the even one.
    EXPECT_EQ(control.headerFooterKind(), HF::FooterEven);
    EXPECT_NE(control.activeStory(), odd);
    EXPECT_EQ(control.activeStory(), control.document().headerFooter(0, HF::FooterEven));
}

TEST_F(HeaderFooterCommandsTest, NextAndPreviousWalkTheSectionsThatHavePages)
{
    pages(4, {0, 2}); // sections: page 1 | pages 2-3 | page 4
    ASSERT_EQ(control.pageGeometry().firstPageOfSection(2), 3);
    commands.execute("EditPageHeader");
    EXPECT_FALSE(commands.isEnabled("GoToPreviousPageHeaderFooter"));
    ASSERT_TRUE(commands.isEnabled("GoToNextPageHeaderFooter"));

    commands.execute("GoToNextPageHeaderFooter");
    EXPECT_EQ(control.headerFooterSection(), 1);
    EXPECT_EQ(control.headerFooterPage(), 1);
    commands.execute("GoToNextPageHeaderFooter");
    EXPECT_EQ(control.headerFooterSection(), 2);
    EXPECT_TRUE(control.editingHeader());
    EXPECT_FALSE(commands.isEnabled("GoToNextPageHeaderFooter"));
    commands.execute("GoToPreviousPageHeaderFooter");
    EXPECT_EQ(control.headerFooterSection(), 1);
}

TEST_F(HeaderFooterCommandsTest, LinkToPreviousSharesOrCopiesThePreviousSectionsHeader)
{
    pages(2, {0});
    commands.execute("EditPageHeader");
    type("Shared");
    commands.execute("GoToNextPageHeaderFooter");
    // The second section has none of its own: it shows, and edits, the first one's.
    EXPECT_TRUE(commands.isChecked("ToggleHeaderFooterLinkToPrevious"));
    EXPECT_EQ(control.activeStory(), control.document().headerFooter(0, HF::HeaderOdd));

    commands.execute("ToggleHeaderFooterLinkToPrevious");
    EXPECT_FALSE(commands.isChecked("ToggleHeaderFooterLinkToPrevious"));
    EXPECT_EQ(text(HF::HeaderOdd, 1), QStringLiteral("Shared"));
    EXPECT_EQ(control.activeStory(), control.document().headerFooter(1, HF::HeaderOdd));
    type("Own ");
    EXPECT_EQ(text(HF::HeaderOdd, 1), QStringLiteral("Own Shared"));
    EXPECT_EQ(text(HF::HeaderOdd, 0), QStringLiteral("Shared"));

    // Linking again would drop the typed text: No keeps it, Yes lets it go.
    editorDialogs.confirmations = {false};
    commands.execute("ToggleHeaderFooterLinkToPrevious");
    EXPECT_EQ(editorDialogs.questions.size(), 1);
    EXPECT_FALSE(commands.isChecked("ToggleHeaderFooterLinkToPrevious"));
    EXPECT_EQ(text(HF::HeaderOdd, 1), QStringLiteral("Own Shared"));

    commands.execute("ToggleHeaderFooterLinkToPrevious");
    EXPECT_TRUE(commands.isChecked("ToggleHeaderFooterLinkToPrevious"));
    EXPECT_EQ(text(HF::HeaderOdd, 1), QStringLiteral("<none>"));
    EXPECT_EQ(control.activeStory(), control.document().headerFooter(0, HF::HeaderOdd));
    EXPECT_EQ(control.headerFooterPage(), 1);
}

TEST_F(HeaderFooterCommandsTest, PageFieldsShowTheirValueTypingGoesOnAfterThemAndTheyAreSavedAsFields)
{
    pages(3);
    select(story().findBlockByNumber(1).position(), story().findBlockByNumber(1).position());
    commands.execute("EditPageFooter");
    type("Page ");
    commands.execute("InsertPageNumberField");
    type(" of ");
    commands.execute("InsertPageCountField");
    type(".");
    QTextDocument *footer = control.document().headerFooter(0, HF::FooterOdd);
    EXPECT_EQ(footer->toPlainText(), QStringLiteral("Page 2 of 3."));
    EXPECT_EQ(fields(*footer), (QStringList{"PAGE=2", "NUMPAGES=3"}));

    // Opened on another page, the story shows that page's number.
    control.editHeaderFooter(0, false);
    EXPECT_EQ(footer->toPlainText(), QStringLiteral("Page 1 of 3."));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    control.SaveDocument(buffer, DocumentFormat::OpenXml);
    const std::unique_ptr<Document> read = readDocument(buffer.data(), DocumentFormat::OpenXml, QStringLiteral("f.docx"));
    ASSERT_NE(read->headerFooter(0, HF::FooterOdd), nullptr);
    QStringList instructions;
    for (const QString &field : fields(*read->headerFooter(0, HF::FooterOdd)))
        instructions << field.section(QLatin1Char('='), 0, 0).trimmed();
    EXPECT_EQ(instructions, (QStringList{"PAGE", "NUMPAGES"}));
}

TEST_F(HeaderFooterCommandsTest, FormattingUndoFindAndClipboardWorkInTheHeader)
{
    pages(1);
    story().setPlainText(QStringLiteral("body word"));
    story().clearUndoRedoStacks();
    commands.execute("EditPageHeader");
    type("head word");
    QTextDocument *header = control.activeStory();

    // Bold on a selection of the header.
    QTextCursor cursor(header);
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    control.setTextCursor(cursor);
    commands.execute("ToggleFontBold");
    EXPECT_TRUE(commands.isChecked("ToggleFontBold"));
    QTextCursor probe(header);
    probe.setPosition(2);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);

    // Copy from the header, paste at its end.
    commands.execute("CopySelection");
    cursor.movePosition(QTextCursor::End);
    control.setTextCursor(cursor);
    commands.execute("PasteSelection");
    EXPECT_EQ(header->toPlainText(), QStringLiteral("head wordhead"));

    // Undo works on the header's own steps and leaves the body alone.
    ASSERT_TRUE(commands.isEnabled("Undo"));
    commands.execute("Undo");
    EXPECT_EQ(header->toPlainText(), QStringLiteral("head word"));
    EXPECT_EQ(story().toPlainText(), QStringLiteral("body word"));

    // Find searches the story that holds the caret.
    cursor.setPosition(0);
    control.setTextCursor(cursor);
    commands.session().searchText = QStringLiteral("word");
    commands.execute("SearchFindNext");
    EXPECT_TRUE(control.IsSelectionInHeaderOrFooter());
    EXPECT_EQ(control.textCursor().document(), header);
    EXPECT_EQ(control.textCursor().selectionStart(), 5);
}

TEST_F(HeaderFooterCommandsTest, PrintCommandsOpenTheirForms)
{
    pages(1);
    commands.execute("ShowPrintForm");
    commands.execute("ShowPrintPreviewForm");
    EXPECT_EQ(editorDialogs.printFormsShown, 1);
    EXPECT_EQ(editorDialogs.printPreviewsShown, 1);
}

} // namespace
