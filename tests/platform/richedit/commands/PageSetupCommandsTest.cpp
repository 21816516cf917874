#include "CommandsFixture.h"

#include "platform/richedit/commands/SectionEdit.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/model/Properties.h"

#include <QBuffer>
#include <QTextFrame>

using namespace richedit;

namespace {

/// Three sections, one paragraph each: "one" (Letter portrait, one column, no line numbers),
/// "two" (A4 landscape, two columns, lines numbered on each page), "three" (A5 portrait).
class PageSetupTest : public CommandsTest {
protected:
    void SetUp() override
    {
        setText(QStringLiteral("one\ntwo\nthree"));
        for (int block : {0, 1}) {
            QTextCursor cursor(story().findBlockByNumber(block));
            QTextBlockFormat format;
            format.setProperty(prop::SectionEnd, true);
            cursor.mergeBlockFormat(format);
        }
        Section first;
        Section second;
        second.setPaperKind(PaperKind::A4);
        second.setLandscape(true);
        second.columnCount = 2;
        second.lineNumbering.countBy = 1;
        Section third;
        third.setPaperKind(PaperKind::A5);
        control.document().setSections({first, second, third});
        story().clearUndoRedoStacks();
        control.SetDocumentModelModified(false);
        original = control.document().sections();
    }

    /// Puts the caret into the paragraph of section `index`.
    void caretIn(int index) { select(story().findBlockByNumber(index).position() + 1, story().findBlockByNumber(index).position() + 1); }

    const Section &section(int index) { return control.document().section(index); }

    QTextFrameFormat rootFrame() { return story().rootFrame()->frameFormat(); }

    std::vector<Section> original;
};

struct SectionCase {
    const char *command;
    int section; // where the caret is
    bool (*changed)(const Section &);
};

const SectionCase sectionCases[] = {
    {"SetLandscapePageOrientation", 0, [](const Section &s) { return s.landscape && s.pageWidth == 15840 && s.pageHeight == 12240; }},
    {"SetPortraitPageOrientation", 1, [](const Section &s) { return !s.landscape && s.pageWidth < s.pageHeight; }},
    {"SetSectionTwoColumns", 0, [](const Section &s) { return s.columnCount == 2; }},
    {"SetSectionThreeColumns", 1, [](const Section &s) { return s.columnCount == 3; }},
    {"SetSectionOneColumn", 1, [](const Section &s) { return s.columnCount == 1; }},
    {"SetSectionLineNumberingNone", 1, [](const Section &s) { return s.lineNumbering.countBy == 0; }},
    {"SetSectionLineNumberingContinuous", 0,
     [](const Section &s) { return s.lineNumbering.countBy == 1 && s.lineNumbering.restart == LineNumbering::Continuous; }},
    {"SetSectionLineNumberingRestartNewPage", 0,
     [](const Section &s) { return s.lineNumbering.countBy == 1 && s.lineNumbering.restart == LineNumbering::EachPage; }},
    {"SetSectionLineNumberingRestartNewSection", 1,
     [](const Section &s) { return s.lineNumbering.countBy == 1 && s.lineNumbering.restart == LineNumbering::EachSection; }},
};

} // namespace

TEST_F(PageSetupTest, EachCommandChangesOnlyTheCaretsSectionAsOneUndoStep)
{
    for (const SectionCase &c : sectionCases) {
        SCOPED_TRACE(c.command);
        caretIn(c.section);
        ASSERT_TRUE(commands.isEnabled(c.command));
        EXPECT_FALSE(commands.isChecked(c.command)) << "pressed before it ran";
        commands.execute(c.command);
        EXPECT_TRUE(c.changed(section(c.section)));
        EXPECT_TRUE(commands.isChecked(c.command));
        for (int other = 0; other < 3; ++other) {
            if (other != c.section) {
                EXPECT_EQ(section(other), original[std::size_t(other)]) << "section " << other;
            }
        }
        EXPECT_TRUE(control.DocumentModelModified());

        commands.execute("Undo");
        EXPECT_FALSE(story().isUndoAvailable()) << "one step";
        EXPECT_EQ(control.document().sections(), original);
        EXPECT_FALSE(control.DocumentModelModified());
        EXPECT_FALSE(commands.isChecked(c.command));
        commands.execute("Redo");
        EXPECT_TRUE(c.changed(section(c.section)));
        commands.execute("Undo");
        story().clearUndoRedoStacks();
    }
}

TEST_F(PageSetupTest, PressedStatesFollowTheCaretsSection)
{
    caretIn(0);
    EXPECT_TRUE(commands.isChecked(u"SetPortraitPageOrientation"));
    EXPECT_TRUE(commands.isChecked(u"SetSectionOneColumn"));
    EXPECT_TRUE(commands.isChecked(u"SetSectionLineNumberingNone"));
    caretIn(1);
    EXPECT_TRUE(commands.isChecked(u"SetLandscapePageOrientation"));
    EXPECT_FALSE(commands.isChecked(u"SetPortraitPageOrientation"));
    EXPECT_TRUE(commands.isChecked(u"SetSectionTwoColumns"));
    EXPECT_TRUE(commands.isChecked(u"SetSectionLineNumberingRestartNewPage"));
    select(1, story().findBlockByNumber(1).position() + 1); // sections 0 and 1
    EXPECT_FALSE(commands.isChecked(u"SetPortraitPageOrientation"));
    EXPECT_FALSE(commands.isChecked(u"SetLandscapePageOrientation"));
}

TEST_F(PageSetupTest, ASelectionOverTwoSectionsChangesBoth)
{
    select(1, story().findBlockByNumber(1).position() + 1);
    commands.execute("SetSectionThreeColumns");
    EXPECT_EQ(section(0).columnCount, 3);
    EXPECT_EQ(section(1).columnCount, 3);
    EXPECT_EQ(section(2), original[2]);
}

TEST_F(PageSetupTest, FirstSectionMarginsReachTheLayoutAndComeBackWithUndo)
{
    caretIn(0);
    PageSetupSettings chosen{section(0), false};
    chosen.page.margins.left = 2880;
    chosen.page.margins.top = 720;
    editorDialogs.pageSetups.push_back(chosen);
    commands.execute("ShowPageMarginsSetupForm");
    ASSERT_EQ(editorDialogs.pageSetupFormsShown.size(), 1u);
    EXPECT_EQ(editorDialogs.pageSetupFormsShown[0].second, PageSetupPage::Margins);
    EXPECT_EQ(section(0).margins.left, 2880);
    EXPECT_DOUBLE_EQ(rootFrame().leftMargin(), twipsToLayout(2880));
    EXPECT_DOUBLE_EQ(rootFrame().topMargin(), twipsToLayout(720));

    commands.execute("Undo");
    EXPECT_FALSE(story().isUndoAvailable()) << "one step";
    EXPECT_EQ(control.document().sections(), original);
    EXPECT_DOUBLE_EQ(rootFrame().leftMargin(), twipsToLayout(1440));
    EXPECT_DOUBLE_EQ(story().pageSize().width(), twipsToLayout(12240));
    EXPECT_FALSE(control.DocumentModelModified());
    commands.execute("Redo");
    EXPECT_EQ(section(0).margins.left, 2880);
    EXPECT_DOUBLE_EQ(rootFrame().leftMargin(), twipsToLayout(2880));
}

TEST_F(PageSetupTest, PaperSetupGoesToTheWholeDocumentWhenAsked)
{
    caretIn(2);
    PageSetupSettings chosen{section(2), true};
    chosen.page.setPaperKind(PaperKind::Legal);
    chosen.page.margins.right = 1000;
    editorDialogs.pageSetups.push_back(chosen);
    commands.execute("ShowPagePaperSetupForm");
    EXPECT_EQ(editorDialogs.pageSetupFormsShown.at(0).second, PageSetupPage::Paper);
    EXPECT_EQ(editorDialogs.pageSetupFormsShown.at(0).first.page, original[2]) << "opened with the caret's section";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(section(i).paperKind, PaperKind::Legal) << i;
        EXPECT_EQ(section(i).pageHeight, 20160) << i;
        EXPECT_EQ(section(i).margins.right, 1000) << i;
        EXPECT_EQ(section(i).columnCount, original[std::size_t(i)].columnCount) << "columns are not page setup";
    }
    EXPECT_DOUBLE_EQ(story().pageSize().width(), twipsToLayout(12240)) << "the first section's page is laid out";
    commands.execute("Undo");
    EXPECT_EQ(control.document().sections(), original);
}

TEST_F(PageSetupTest, CancelledOrImpossibleDialogsChangeNothing)
{
    caretIn(0);
    commands.execute("ShowPageSetupForm"); // cancelled
    PageSetupSettings tooWide{section(0), false};
    tooWide.page.margins.left = tooWide.page.margins.right = 6000; // 12000 of 12240 twips
    editorDialogs.pageSetups.push_back(tooWide);
    commands.execute("ShowPageSetupForm");
    editorDialogs.columns.push_back(ColumnsSettings{20, 720, 0});
    commands.execute("ShowColumnsSetupForm");
    EXPECT_EQ(control.document().sections(), original);
    EXPECT_FALSE(control.DocumentModelModified());
    EXPECT_FALSE(story().isUndoAvailable());
    EXPECT_EQ(editorDialogs.messages.size(), 2);
}

TEST_F(PageSetupTest, ColumnsAndLineNumbersDialogsSetTheSection)
{
    caretIn(1);
    editorDialogs.columns.push_back(ColumnsSettings{4, 360, 0});
    commands.execute("ShowColumnsSetupForm");
    ASSERT_EQ(editorDialogs.columnsFormsShown.size(), 1u);
    EXPECT_EQ(editorDialogs.columnsFormsShown[0].count, 2);
    EXPECT_EQ(editorDialogs.columnsFormsShown[0].textWidth, original[1].pageWidth - 2880);
    EXPECT_EQ(section(1).columnCount, 4);
    EXPECT_EQ(section(1).columnSpacing, 360);

    const LineNumbering numbering{5, 10, 567, LineNumbering::Continuous};
    editorDialogs.lineNumberings.push_back(numbering);
    commands.execute("ShowLineNumberingForm");
    EXPECT_EQ(section(1).lineNumbering, numbering);
    EXPECT_TRUE(commands.isChecked(u"SetSectionLineNumberingContinuous"));
    commands.execute("Undo");
    EXPECT_EQ(section(1).lineNumbering, original[1].lineNumbering);
    EXPECT_EQ(section(1).columnCount, 4) << "each dialog is its own step";
}

TEST_F(PageSetupTest, PageColourIsSetUndoneAndShownInTheGallery)
{
    commands.execute("ChangePageColor", QColor(Qt::yellow));
    EXPECT_EQ(control.document().pageColor(), QColor(Qt::yellow));
    EXPECT_EQ(commands.value(*EditorCommands::find(u"ChangePageColor")).value<QColor>(), QColor(Qt::yellow));
    EXPECT_TRUE(control.DocumentModelModified());
    commands.execute("ChangePageColor", QColor()); // "No Color"
    EXPECT_FALSE(control.document().pageColor().isValid());
    commands.execute("Undo");
    EXPECT_EQ(control.document().pageColor(), QColor(Qt::yellow));
    commands.execute("Undo");
    EXPECT_FALSE(control.document().pageColor().isValid());
    EXPECT_FALSE(control.DocumentModelModified());
}

TEST(PageSetupCommandTable, ColumnBreakStaysDisabledUntilItCanBeSaved)
{
    // A column break that is neither drawn nor written would silently vanish on save.
    ASSERT_NE(EditorCommands::find(u"InsertColumnBreak"), nullptr);
    EXPECT_EQ(EditorCommands::find(u"InsertColumnBreak")->execute, nullptr);
}
