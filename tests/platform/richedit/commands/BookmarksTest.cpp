#include "CommandsFixture.h"

#include "platform/richedit/commands/Bookmarks.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/rtl/Error.h"

#include <QBuffer>

using namespace richedit;
using namespace richedit::bookmarks;

TEST_F(CommandsTest, BookmarksAreAddedFoundAndDeleted)
{
    setText(QStringLiteral("Intro text\nChapter two"));
    select(11, 18);
    addBookmark(control, QStringLiteral("Chapter"));
    select(0, 0);
    addBookmark(control, QStringLiteral("start"));
    EXPECT_EQ(bookmarkNames(control.document()), (QStringList{QStringLiteral("Chapter"), QStringLiteral("start")}));

    select(3, 3);
    ASSERT_TRUE(goToBookmark(control, QStringLiteral("Chapter")));
    EXPECT_EQ(control.textCursor().selectedText(), QStringLiteral("Chapter"));
    EXPECT_FALSE(goToBookmark(control, QStringLiteral("missing")));

    deleteBookmark(control.document(), QStringLiteral("Chapter"));
    EXPECT_EQ(bookmarkNames(control.document()), QStringList{QStringLiteral("start")});
    EXPECT_EQ(story().toPlainText(), QStringLiteral("Intro text\nChapter two")) << "the text stays";
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
    EXPECT_EQ(bookmarkNames(control.document()), QStringList{QStringLiteral("here")});
}

TEST_F(CommandsTest, BookmarksFollowEditsAndAreSaved)
{
    setText(QStringLiteral("one two"));
    select(4, 7);
    addBookmark(control, QStringLiteral("second"));
    QTextCursor(&story()).insertText(QStringLiteral(">> ")); // text typed before it
    ASSERT_TRUE(goToBookmark(control, QStringLiteral("second")));
    EXPECT_EQ(control.textCursor().selectedText(), QStringLiteral("two"));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    control.SaveDocument(buffer, DocumentFormat::OpenXml);
    const auto back = readDocument(buffer.data(), DocumentFormat::OpenXml, QStringLiteral("saved"));
    EXPECT_EQ(bookmarkNames(*back), QStringList{QStringLiteral("second")});
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
