#include "CommandsFixture.h"

#include "platform/richedit/commands/ParagraphCommands.h"

#include <QTextBlock>
#include <QTextList>

using namespace richedit;

namespace {

const struct AlignmentCase {
    const char *command;
    Qt::Alignment alignment;
} alignmentCases[] = {
    {"ToggleParagraphAlignmentCenter", Qt::AlignHCenter},
    {"ToggleParagraphAlignmentRight", Qt::AlignRight},
    {"ToggleParagraphAlignmentJustify", Qt::AlignJustify},
    {"ToggleParagraphAlignmentLeft", Qt::AlignLeft},
};

const char *const alignmentCommands[] = {"ToggleParagraphAlignmentLeft", "ToggleParagraphAlignmentCenter",
                                         "ToggleParagraphAlignmentRight", "ToggleParagraphAlignmentJustify"};

} // namespace

TEST_F(CommandsTest, AlignmentsChangeEveryTouchedParagraphAndExactlyOneIsPressed)
{
    setText(QStringLiteral("one\ntwo\nthree"));
    for (const AlignmentCase &c : alignmentCases) {
        select(1, 6); // from "one" into "two"
        commands.execute(c.command);
        EXPECT_EQ(blockFormat(0).alignment() & Qt::AlignHorizontal_Mask, c.alignment) << c.command;
        EXPECT_EQ(blockFormat(1).alignment() & Qt::AlignHorizontal_Mask, c.alignment) << c.command;
        for (const char *other : alignmentCommands)
            EXPECT_EQ(commands.isChecked(other), qstrcmp(other, c.command) == 0) << c.command << " / " << other;
    }
    select(10, 10);
    EXPECT_TRUE(commands.isChecked(u"ToggleParagraphAlignmentLeft")) << "the third paragraph kept its alignment";
    select(1, 6);
    commands.execute(u"ToggleParagraphAlignmentCenter");
    story().undo();
    EXPECT_TRUE(commands.isChecked(u"ToggleParagraphAlignmentLeft")) << "one undo step for both paragraphs";
    EXPECT_EQ(blockFormat(1).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(CommandsTest, LineSpacingMenuSetsAndShowsTheSpacing)
{
    const struct {
        const char *command;
        int percent;
    } cases[] = {{"SetSesquialteralParagraphSpacing", 150},
                 {"SetDoubleParagraphSpacing", 200},
                 {"SetSingleParagraphSpacing", 100}};
    setText(QStringLiteral("one"));
    EXPECT_TRUE(commands.isChecked(u"SetSingleParagraphSpacing"));
    for (const auto &c : cases) {
        commands.execute(c.command);
        for (const auto &other : cases)
            EXPECT_EQ(commands.isChecked(other.command), other.percent == c.percent) << c.command;
    }
}

TEST_F(CommandsTest, BulletsAndNumberingPutParagraphsInAListAndTakeThemOut)
{
    setText(QStringLiteral("one\ntwo\nthree"));
    select(1, 6);
    commands.execute(u"ToggleBulletedList");
    QTextList *list = story().findBlockByNumber(0).textList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(story().findBlockByNumber(1).textList(), list);
    EXPECT_EQ(story().findBlockByNumber(2).textList(), nullptr);
    EXPECT_TRUE(commands.isChecked(u"ToggleBulletedList"));
    EXPECT_FALSE(commands.isChecked(u"ToggleSimpleNumberingList"));

    commands.execute(u"ToggleSimpleNumberingList"); // switches the kind of list
    EXPECT_TRUE(commands.isChecked(u"ToggleSimpleNumberingList"));
    EXPECT_EQ(story().findBlockByNumber(1).textList()->format().style(), QTextListFormat::ListDecimal);

    commands.execute(u"ToggleSimpleNumberingList"); // and off again
    EXPECT_EQ(story().findBlockByNumber(0).textList(), nullptr);
    EXPECT_EQ(story().findBlockByNumber(1).textList(), nullptr);
    EXPECT_FALSE(commands.isChecked(u"ToggleSimpleNumberingList"));

    story().undo();
    EXPECT_NE(story().findBlockByNumber(1).textList(), nullptr) << "taking the list off is one undo step";
}

TEST_F(CommandsTest, IndentGoesInStepsAndNotBelowTheMargin)
{
    setText(QStringLiteral("one"));
    EXPECT_FALSE(commands.isEnabled(u"DecrementIndent"));
    commands.execute(u"IncrementIndent");
    commands.execute(u"IncrementIndent");
    EXPECT_NEAR(blockFormat(0).leftMargin(), 2 * paragraph::indentStep(), 1e-6);
    EXPECT_TRUE(commands.isEnabled(u"DecrementIndent"));
    commands.execute(u"DecrementIndent");
    commands.execute(u"DecrementIndent");
    EXPECT_EQ(blockFormat(0).leftMargin(), 0);
    EXPECT_FALSE(commands.isEnabled(u"DecrementIndent"));
}

TEST_F(CommandsTest, ShowWhitespaceTogglesTheMarks)
{
    EXPECT_FALSE(commands.isChecked(u"ToggleShowWhitespace"));
    commands.execute(u"ToggleShowWhitespace");
    EXPECT_TRUE(commands.isChecked(u"ToggleShowWhitespace"));
    commands.execute(u"ToggleShowWhitespace");
    EXPECT_FALSE(commands.isChecked(u"ToggleShowWhitespace"));
}

TEST_F(CommandsTest, CaseChangeKeepsEachRunsFormatAndTheSelection)
{
    setText(QStringLiteral("Hello World straße"));
    QTextCursor run(&story());
    run.setPosition(6);
    run.setPosition(11, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    run.mergeCharFormat(bold);
    story().clearUndoRedoStacks();

    EXPECT_FALSE(commands.isEnabled(u"TextUpperCase")) << "nothing selected";
    select(0, 18);
    commands.execute(u"TextUpperCase");
    EXPECT_EQ(story().toPlainText(), QStringLiteral("HELLO WORLD STRASSE"));
    EXPECT_EQ(formatAt(7).fontWeight(), QFont::Bold);
    EXPECT_NE(formatAt(2).fontWeight(), QFont::Bold);
    EXPECT_EQ(control.textCursor().selectedText(), QStringLiteral("HELLO WORLD STRASSE"));
    commands.execute(u"TextLowerCase");
    EXPECT_EQ(story().toPlainText(), QStringLiteral("hello world strasse"));
    story().undo();
    EXPECT_EQ(story().toPlainText(), QStringLiteral("HELLO WORLD STRASSE")) << "one undo step";
}

TEST_F(CommandsTest, ParagraphDialogAppliesItsSettings)
{
    setText(QStringLiteral("one\ntwo"));
    ParagraphSettings chosen;
    chosen.alignment = Qt::AlignRight;
    chosen.leftIndent = 48;
    chosen.firstLineIndent = -12;
    chosen.spaceAfter = 8;
    chosen.lineSpacingPercent = 150;
    editorDialogs.paragraphs.push_back(chosen);
    select(0, 5);
    commands.execute(u"ShowParagraphForm");
    for (int block : {0, 1}) {
        const QTextBlockFormat f = blockFormat(block);
        EXPECT_EQ(f.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        EXPECT_EQ(f.leftMargin(), 48);
        EXPECT_EQ(f.textIndent(), -12);
        EXPECT_EQ(f.bottomMargin(), 8);
        EXPECT_EQ(f.lineHeight(), 150);
    }
    story().undo();
    EXPECT_EQ(blockFormat(1).leftMargin(), 0);
}
