#include "CommandsFixture.h"

#include "platform/richedit/commands/TocCommands.h"
#include "platform/richedit/commands/TocFields.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/layout/PageGeometry.h"
#include "platform/richedit/model/Properties.h"
#include "support/TempDir.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

using namespace richedit;

namespace {

class TocTest : public CommandsTest {
protected:
    /// A heading at the given outline level (-1: body text), on a new page when asked.
    void paragraph(const QString &text, int level, bool newPage = false)
    {
        QTextCursor cursor(&story());
        cursor.movePosition(QTextCursor::End);
        QTextBlockFormat format;
        if (level >= 0)
            format.setProperty(prop::OutlineLevel, level);
        if (newPage)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        if (story().isEmpty())
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        cursor.insertText(text);
    }

    /// Three headings on three pages with body text between.
    void threePages()
    {
        paragraph(QStringLiteral("Introduction"), 0);
        paragraph(QStringLiteral("Some words."), -1);
        paragraph(QStringLiteral("Details"), 1, true);
        paragraph(QStringLiteral("More words."), -1);
        paragraph(QStringLiteral("Summary"), 0, true);
        story().clearUndoRedoStacks();
    }

    /// The texts of the paragraphs that belong to a TOC field.
    QStringList listTexts()
    {
        QStringList texts;
        for (QTextBlock block = story().begin(); block.isValid(); block = block.next()) {
            QTextCursor at(block);
            at.movePosition(QTextCursor::NextCharacter);
            if (fields::fieldType(at.charFormat().stringProperty(prop::FieldInstruction)) == QLatin1String("TOC"))
                texts << block.text();
        }
        return texts;
    }

    void atStart() { select(0, 0); }
};

TEST_F(TocTest, ListsEveryHeadingWithItsPageAndLinksToIt)
{
    threePages();
    atStart();
    commands.execute("InsertTableOfContents");

    EXPECT_EQ(listTexts(), (QStringList{"Introduction\t1", "Details\t2", "Summary\t3"}));
    // Each entry links to a bookmark over its heading; deeper levels are indented.
    const QTextBlock first = story().findBlockByNumber(0);
    const QTextBlock second = first.next();
    EXPECT_GT(second.blockFormat().leftMargin(), first.blockFormat().leftMargin());
    const QTextCharFormat link = first.begin().fragment().charFormat();
    ASSERT_TRUE(link.isAnchor());
    const QString target = link.anchorHref().mid(1);
    bool found = false;
    for (const Bookmark &bookmark : control.document().bookmarks()) {
        if (bookmark.name == target) {
            found = true;
            EXPECT_EQ(bookmark.range.selectedText(), QStringLiteral("Introduction"));
        }
    }
    EXPECT_TRUE(found);
    // A right tab with a dot leader leads to the number.
    ASSERT_EQ(first.blockFormat().tabPositions().size(), 1);
    EXPECT_EQ(first.blockFormat().tabPositions().first().type, QTextOption::RightTab);
    EXPECT_EQ(first.blockFormat().stringProperty(prop::TabLeaders), QStringLiteral("."));
    // Each entry is one line: the number sits at the right margin, not on a line of its own.
    for (QTextBlock b = first; b.isValid() && b.blockNumber() < 3; b = b.next()) {
        story().documentLayout()->blockBoundingRect(b);
        EXPECT_EQ(b.layout()->lineCount(), 1) << b.text().toStdString();
    }
    // The text after the caret follows the list.
    EXPECT_EQ(control.textCursor().block().text(), QStringLiteral("Introduction"));
}

TEST_F(TocTest, ALongListPushesHeadingsOnAndShowsTheirNewPages)
{
    // Sixty headings: the list itself fills more than a page, so every number is counted
    // after the list is in place.
    for (int i = 1; i <= 60; ++i)
        paragraph(QStringLiteral("Heading %1").arg(i), 0);
    atStart();
    commands.execute("InsertTableOfContents");
    const QStringList texts = listTexts();
    ASSERT_EQ(texts.size(), 60);
    const int firstPage = texts.first().section(QLatin1Char('\t'), 1).toInt();
    EXPECT_GE(firstPage, 2);
    for (int i = 0; i < 60; ++i) {
        const QTextBlock heading = story().findBlockByNumber(60 + i);
        ASSERT_EQ(heading.text(), QStringLiteral("Heading %1").arg(i + 1));
        const int page = control.pageGeometry().pageAt(
                             story().documentLayout()->blockBoundingRect(heading).top() + 1) + 1;
        EXPECT_EQ(texts.at(i), QStringLiteral("Heading %1\t%2").arg(i + 1).arg(page));
    }
}

TEST_F(TocTest, UpdateFollowsNewHeadingsAndPagesAndIsOneUndoStep)
{
    threePages();
    atStart();
    commands.execute("InsertTableOfContents");
    EXPECT_TRUE(commands.isEnabled("UpdateTableOfContents"));

    // A new page before the introduction and a new heading at the end.
    QTextCursor cursor(&story());
    cursor.setPosition(story().findBlockByNumber(3).position());
    ASSERT_EQ(cursor.block().text(), QStringLiteral("Introduction"));
    QTextBlockFormat newPage = cursor.blockFormat();
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(newPage);
    paragraph(QStringLiteral("Appendix"), 2);
    const QString before = story().toPlainText();

    select(story().findBlockByNumber(5).position(), story().findBlockByNumber(5).position());
    commands.execute("UpdateTableOfContents");
    EXPECT_EQ(listTexts(), (QStringList{"Introduction\t2", "Details\t3", "Summary\t4", "Appendix\t4"}));

    story().undo();
    EXPECT_EQ(story().toPlainText(), before);
}

TEST_F(TocTest, WithoutHeadingsTheListSaysSoAndUpdateIsOnlyThereWithAList)
{
    setText(QStringLiteral("plain text"));
    EXPECT_FALSE(commands.isEnabled("UpdateTableOfContents"));
    atStart();
    commands.execute("InsertTableOfContents");
    EXPECT_EQ(listTexts(), QStringList{"No table of contents entries found."});
    EXPECT_TRUE(commands.isEnabled("UpdateTableOfContents"));
    EXPECT_FALSE(commands.isEnabled("UpdateTableOfFigures"));
}

TEST_F(TocTest, LevelCommandsSetTheOutlineLevelAndShowIt)
{
    setText(QStringLiteral("one\ntwo"));
    const struct {
        const char *command;
        int level;
    } cases[] = {
        {"TableOfContentsSetParagraphHeading1Level", 0}, {"TableOfContentsSetParagraphHeading2Level", 1},
        {"TableOfContentsSetParagraphHeading5Level", 4}, {"TableOfContentsSetParagraphHeading9Level", 8},
        {"TableOfContentsSetParagraphBodyTextLevel", -1},
    };
    for (const auto &c : cases) {
        select(0, 5); // both paragraphs
        commands.execute(c.command);
        for (int block = 0; block < 2; ++block)
            EXPECT_EQ(toc::outlineLevel(story().findBlockByNumber(block), control.document().styles()), c.level)
                << c.command;
        EXPECT_TRUE(commands.isChecked(c.command)) << c.command;
        for (const auto &other : cases) {
            if (other.level != c.level) {
                EXPECT_FALSE(commands.isChecked(other.command)) << c.command << " / " << other.command;
            }
        }
    }
}

TEST_F(TocTest, HeadingStylesCountWithoutAnOutlineLevelOfTheirOwn)
{
    Style heading;
    heading.id = QStringLiteral("Heading2");
    heading.name = QStringLiteral("heading 2");
    control.document().styles().add(heading);
    setText(QStringLiteral("Title\nbody"));
    QTextCursor cursor(story().findBlockByNumber(0));
    QTextBlockFormat format;
    format.setProperty(prop::ParagraphStyleId, heading.id);
    cursor.setBlockFormat(format);
    EXPECT_EQ(toc::outlineLevel(story().findBlockByNumber(0), control.document().styles()), 1);
    select(0, 0);
    EXPECT_TRUE(commands.isChecked("TableOfContentsSetParagraphHeading2Level"));
    // An explicit body-text level wins over the style.
    commands.execute("TableOfContentsSetParagraphBodyTextLevel");
    EXPECT_EQ(toc::outlineLevel(story().findBlockByNumber(0), control.document().styles()), -1);
}

TEST_F(TocTest, SurvivesARtfRoundTripAsAListThatStillUpdates)
{
    threePages();
    atStart();
    commands.execute("InsertTableOfContents");
    TempDir dir;
    const QString path = dir.path(QStringLiteral("toc.rtf"));
    control.SaveDocument(path, DocumentFormat::Rtf);
    control.LoadDocument(path, DocumentFormat::Rtf);
    EXPECT_EQ(listTexts(), (QStringList{"Introduction\t1", "Details\t2", "Summary\t3"}));
    select(0, 0);
    ASSERT_TRUE(commands.isEnabled("UpdateTableOfContents"));
    commands.execute("UpdateTableOfContents");
    EXPECT_EQ(listTexts(), (QStringList{"Introduction\t1", "Details\t2", "Summary\t3"}));
}

TEST_F(TocTest, SurvivesADocxRoundTripAsAFieldThatStillUpdates)
{
    threePages();
    atStart();
    commands.execute("InsertTableOfContents");
    TempDir dir;
    const QString path = dir.path(QStringLiteral("toc.docx"));
    control.SaveDocument(path, DocumentFormat::OpenXml);
    control.LoadDocument(path, DocumentFormat::OpenXml);
    EXPECT_EQ(listTexts(), (QStringList{"Introduction\t1", "Details\t2", "Summary\t3"}));
    const std::vector<fields::FieldRange> all = fields::allFields(story());
    // One field over the three paragraphs, as Word writes a table of contents.
    ASSERT_EQ(all.size(), 1u);
    EXPECT_TRUE(all.front().instruction.startsWith(QLatin1String("TOC")));
    EXPECT_EQ(all.front().end, story().findBlockByNumber(2).position() + story().findBlockByNumber(2).length() - 1);

    // Still one list: an update rebuilds it in place instead of adding another.
    select(0, 0);
    ASSERT_TRUE(commands.isEnabled("UpdateTableOfContents"));
    commands.execute("UpdateTableOfContents");
    EXPECT_EQ(listTexts(), (QStringList{"Introduction\t1", "Details\t2", "Summary\t3"}));
    EXPECT_TRUE(story().findBlockByNumber(0).begin().fragment().charFormat().isAnchor());
}

} // namespace
