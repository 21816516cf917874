#include "CommandsFixture.h"

#include "platform/richedit/commands/TocFields.h"
#include "platform/richedit/model/Properties.h"

#include <QTextBlock>
#include <QTextTable>

using namespace richedit;

namespace {

class CaptionsTest : public CommandsTest {
protected:
    QString blockText(int number) { return story().findBlockByNumber(number).text(); }

    void atEndOf(int blockNumber)
    {
        const QTextBlock block = story().findBlockByNumber(blockNumber);
        select(block.position() + block.length() - 1, block.position() + block.length() - 1);
    }
};

TEST_F(CaptionsTest, CaptionsOfEachKindCountInDocumentOrder)
{
    setText(QStringLiteral("first\nsecond\nthird"));
    atEndOf(2);
    commands.execute("InsertFigureCaption");
    atEndOf(0);
    commands.execute("InsertFigureCaption"); // now the first figure: the later one becomes 2
    atEndOf(2);
    commands.execute("InsertEquationCaption");
    EXPECT_EQ(blockText(1).trimmed(), QStringLiteral("Figure 1"));
    EXPECT_EQ(blockText(3).trimmed(), QStringLiteral("Equation 1"));
    EXPECT_EQ(blockText(5).trimmed(), QStringLiteral("Figure 2"));

    // The number is a SEQ field; the label is plain text.
    const std::vector<fields::FieldRange> all = fields::allFields(story());
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].instruction, QStringLiteral("SEQ Figure \\* ARABIC"));
    EXPECT_EQ(all[1].instruction, QStringLiteral("SEQ Equation \\* ARABIC"));
    EXPECT_EQ(all[2].end - all[2].start, 1);
    EXPECT_EQ(story().findBlockByNumber(1).blockFormat().stringProperty(prop::ParagraphStyleId), QStringLiteral("Caption"));
    // The caret waits at the caption's end for its description.
    EXPECT_EQ(control.textCursor().block().blockNumber(), 3);
    EXPECT_TRUE(control.textCursor().atBlockEnd());
}

TEST_F(CaptionsTest, DeletingACaptionRenumbersOnUpdateAndTheListFollows)
{
    setText(QStringLiteral("a\nb\nc"));
    for (int block : {0, 2, 4}) {
        atEndOf(block);
        commands.execute("InsertFigureCaption");
        QTextCursor typing = control.textCursor();
        typing.insertText(QStringLiteral("picture %1").arg(block));
    }
    select(0, 0);
    commands.execute("InsertTableOfFigures");
    ASSERT_TRUE(commands.isEnabled("UpdateTableOfFigures"));
    // The list is one paragraph before "a"; remove the first caption paragraph.
    QTextBlock first;
    for (QTextBlock b = story().begin(); b.isValid(); b = b.next())
        if (b.text().startsWith(QLatin1String("Figure 1")) && !b.begin().fragment().charFormat().isAnchor()) {
            first = b;
            break;
        }
    ASSERT_TRUE(first.isValid());
    QTextCursor remove(first);
    remove.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    remove.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    remove.removeSelectedText();

    commands.execute("UpdateTableOfFigures");
    QStringList captions, entries;
    for (QTextBlock b = story().begin(); b.isValid(); b = b.next()) {
        if (!b.text().startsWith(QLatin1String("Figure")))
            continue;
        (b.begin().fragment().charFormat().isAnchor() ? entries : captions) << b.text().trimmed();
    }
    EXPECT_EQ(captions, (QStringList{"Figure 1 picture 2", "Figure 2 picture 4"}));
    EXPECT_EQ(entries, (QStringList{"Figure 1 picture 2\t1", "Figure 2 picture 4\t1"}));
}

TEST_F(CaptionsTest, ATableCaptionGoesBelowTheTableItsCaretIsIn)
{
    setText(QStringLiteral("before\nafter"));
    QTextCursor cursor(story().findBlockByNumber(0));
    cursor.movePosition(QTextCursor::EndOfBlock);
    QTextTable *table = cursor.insertTable(2, 2);
    select(table->cellAt(0, 0).firstPosition(), table->cellAt(0, 0).firstPosition());
    commands.execute("InsertTableCaption");
    QTextCursor after(&story());
    after.setPosition(table->lastPosition() + 1);
    EXPECT_EQ(after.block().text().trimmed(), QStringLiteral("Table 1"));
    EXPECT_EQ(after.block().next().text(), QStringLiteral("after"));
}

TEST_F(CaptionsTest, ListsOfCaptionsTakeOnlyTheirKind)
{
    setText(QStringLiteral("x\ny"));
    atEndOf(0);
    commands.execute("InsertTableCaption");
    atEndOf(2);
    commands.execute("InsertEquationCaption");
    select(0, 0);
    commands.execute("InsertTableOfEquations");
    EXPECT_EQ(story().findBlockByNumber(0).text(), QStringLiteral("Equation 1\t1"));
    select(0, 0);
    commands.execute("InsertTableOfTables");
    EXPECT_EQ(story().findBlockByNumber(0).text(), QStringLiteral("Table 1\t1"));
    EXPECT_EQ(story().findBlockByNumber(1).text(), QStringLiteral("Equation 1\t1"));
}

} // namespace
