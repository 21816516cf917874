#include "CommandsFixture.h"

#include "platform/richedit/commands/Bookmarks.h"
#include "platform/rtl/Error.h"

using namespace richedit;
using namespace richedit::bookmarks;

TEST_F(CommandsTest, BookmarksAreAddedFoundAndDeleted)
{
    setText(QStringLiteral("Intro text\nChapter two"));
    select(11, 18);
    addBookmark(control, QStringLiteral("Chapter"));
    select(0, 0);
    addBookmark(control, QStringLiteral("start"));
    EXPECT_EQ(bookmarkNames(story()), (QStringList{QStringLiteral("Chapter"), QStringLiteral("start")}));

    select(3, 3);
    ASSERT_TRUE(goToBookmark(control, QStringLiteral("Chapter")));
    EXPECT_EQ(control.textCursor().selectedText(), QStringLiteral("Chapter"));
    EXPECT_FALSE(goToBookmark(control, QStringLiteral("missing")));

    deleteBookmark(story(), QStringLiteral("Chapter"));
    EXPECT_EQ(bookmarkNames(story()), QStringList{QStringLiteral("start")});
    EXPECT_EQ(story().toPlainText(), QStringLiteral("Intro text\nChapter two")) << "the text stays";
    story().undo();
    EXPECT_EQ(bookmarkNames(story()), (QStringList{QStringLiteral("Chapter"), QStringLiteral("start")}));
}

TEST_F(CommandsTest, ABookmarkNameIsUniqueSoAddingItAgainMovesIt)
{
    setText(QStringLiteral("one two"));
    select(0, 3);
    addBookmark(control, QStringLiteral("here"));
    select(4, 7);
    addBookmark(control, QStringLiteral("here"));
    ASSERT_TRUE(goToBookmark(control, QStringLiteral("here")));
    EXPECT_EQ(control.textCursor().selectedText(), QStringLiteral("two"));
    EXPECT_FALSE(formatAt(1).anchorNames().contains(QStringLiteral("here")));
}

TEST_F(CommandsTest, ABookmarkAtTheEndMarksTheLastCharacter)
{
    setText(QStringLiteral("abc"));
    select(3, 3);
    addBookmark(control, QStringLiteral("end"));
    ASSERT_TRUE(goToBookmark(control, QStringLiteral("end")));
    EXPECT_EQ(control.textCursor().selectedText(), QStringLiteral("c"));
    setText(QString());
    EXPECT_THROW(addBookmark(control, QStringLiteral("none")), platform::Error);
}

TEST(BookmarkNames, NamesThatCannotBeBookmarksAreExplained)
{
    const struct {
        const char *name;
        bool valid;
    } cases[] = {{"Chapter_1", true}, {"Kapitola", true}, {"1st", false}, {"two words", false},
                 {"", false}, {"a-b", false}, {"x2345678901234567890123456789012345678901", false}, {"x234567890123456789012345678901234567890", true}};
    for (const auto &c : cases)
        EXPECT_EQ(nameProblem(QString::fromUtf8(c.name)).isEmpty(), c.valid) << c.name;
    EXPECT_EQ(nameProblem(QStringLiteral("1st")),
              QStringLiteral("A bookmark name must start with a letter and contain only letters, digits and underscores."));
}

TEST_F(CommandsTest, BookmarkCommandOpensTheDialog)
{
    commands.execute(u"ShowBookmarkForm");
    EXPECT_EQ(editorDialogs.bookmarkFormsShown, 1);
}
