#include "platform/richedit/commands/TextSearch.h"

#include <QTextDocument>

#include <gtest/gtest.h>

using namespace richedit;

namespace {

const QString fixture = QStringLiteral("The cat sat. the CAT scattered; Cat!\nA category of cats.");

} // namespace

TEST(TextSearch, ReplaceAllCountsWithTheOptions)
{
    const struct {
        bool matchCase;
        bool wholeWord;
        int count;
        const char *result;
    } cases[] = {
        {false, false, 6, "The dog sat. the dog sdogtered; dog!\nA dogegory of dogs."},
        {true, false, 4, "The dog sat. the CAT sdogtered; Cat!\nA dogegory of dogs."},
        {false, true, 3, "The dog sat. the dog scattered; dog!\nA category of cats."},
        {true, true, 1, "The dog sat. the CAT scattered; Cat!\nA category of cats."},
    };
    for (const auto &c : cases) {
        QTextDocument document;
        document.setPlainText(fixture);
        document.clearUndoRedoStacks();
        EXPECT_EQ(replaceAll(document, QStringLiteral("cat"), QStringLiteral("dog"), {c.matchCase, c.wholeWord}), c.count);
        EXPECT_EQ(document.toPlainText(), QString::fromUtf8(c.result));
        document.undo();
        EXPECT_EQ(document.toPlainText(), fixture) << "replace all is one undo step";
    }
}

TEST(TextSearch, ReplacementContainingTheSearchTextDoesNotLoop)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("a a a"));
    EXPECT_EQ(replaceAll(document, QStringLiteral("a"), QStringLiteral("aa"), {}), 3);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("aa aa aa"));
    EXPECT_EQ(replaceAll(document, QString(), QStringLiteral("x"), {}), 0);
}

TEST(TextSearch, FindNextStartsAfterTheSelectionAndWrapsOnce)
{
    QTextDocument document;
    document.setPlainText(fixture);
    QTextCursor from(&document);
    from.setPosition(5);
    QTextCursor found = findNext(document, QStringLiteral("cat"), from, {true, true});
    EXPECT_TRUE(found.isNull() == false);
    EXPECT_EQ(found.selectionStart(), 4) << "wrapped round to the only whole-word, same-case match";
    found = findNext(document, QStringLiteral("dog"), from, {});
    EXPECT_TRUE(found.isNull());
}

TEST(TextSearch, ReplaceSelectionOnlyReplacesAMatch)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("cat dog"));
    QTextCursor selection(&document);
    selection.setPosition(4);
    selection.setPosition(7, QTextCursor::KeepAnchor);
    EXPECT_FALSE(replaceSelection(selection, QStringLiteral("cat"), QStringLiteral("cow"), {}));
    selection.setPosition(0);
    selection.setPosition(3, QTextCursor::KeepAnchor);
    EXPECT_TRUE(replaceSelection(selection, QStringLiteral("CAT"), QStringLiteral("cow"), {}));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("cow dog"));
    EXPECT_EQ(selection.selectedText(), QStringLiteral("cow"));
}
