#include "platform/spellchecker/HunspellDictionary.h"
#include "platform/spellchecker/LiveSpellHighlighter.h"
#include "platform/spellchecker/SpellChecker.h"
#include "support/TempDir.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using spellchecker::LiveSpellHighlighter;
using spellchecker::SpellChecker;
using spellchecker::WordSpan;

namespace {

class LiveSpellHighlighterTest : public testing::Test {
protected:
    void SetUp() override
    {
        auto &english = checker.addHunspellDictionary(1033);
        english.setGrammarPath(dir.write(QStringLiteral("en.aff"), "SET UTF-8\n"));
        english.setDictionaryPath(dir.write(QStringLiteral("en.dic"), "4\nthe\nquick\nfox\njumps\n"));
        english.Load();
    }

    QStringList marked(int blockNumber) const
    {
        const QTextBlock block = document.findBlockByNumber(blockNumber);
        QStringList words;
        for (const WordSpan &mark : LiveSpellHighlighter::marksOf(block))
            words << block.text().mid(mark.start, mark.length);
        return words;
    }

    void showAll(LiveSpellHighlighter &highlighter) { highlighter.setVisibleRange(0, document.characterCount()); }

    TempDir dir;
    SpellChecker checker;
    QTextDocument document;
};

TEST_F(LiveSpellHighlighterTest, MarksMisspeltWordsWithoutTouchingTheDocument)
{
    document.setHtml(QStringLiteral("<p>the <b>qiuck</b> fox</p><p>jumsp the fox</p>"));
    document.setModified(false);
    document.documentLayout();
    const QString html = document.toHtml();
    const int undoSteps = document.availableUndoSteps();

    LiveSpellHighlighter highlighter(checker);
    highlighter.setDocument(&document);
    showAll(highlighter);

    EXPECT_EQ(marked(0), QStringList{QStringLiteral("qiuck")});
    EXPECT_EQ(marked(1), QStringList{QStringLiteral("jumsp")});
    EXPECT_EQ(document.toHtml().toStdString(), html.toStdString());
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.availableUndoSteps(), undoSteps);
    const QTextCharFormat format = QTextCursor(document.findBlockByNumber(0)).charFormat();
    EXPECT_NE(format.underlineStyle(), QTextCharFormat::SpellCheckUnderline);
}

TEST_F(LiveSpellHighlighterTest, TypingRechecksTheChangedParagraph)
{
    document.setPlainText(QStringLiteral("the fox\nthe fox"));
    LiveSpellHighlighter highlighter(checker);
    highlighter.setDocument(&document);
    showAll(highlighter);
    ASSERT_TRUE(marked(0).isEmpty());

    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral(" jmups"));
    EXPECT_EQ(marked(0), QStringList{QStringLiteral("jmups")});

    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, 5);
    cursor.insertText(QStringLiteral("jumps"));
    EXPECT_TRUE(marked(0).isEmpty());
    EXPECT_TRUE(marked(1).isEmpty());
}

TEST_F(LiveSpellHighlighterTest, OnlyParagraphsInViewAreChecked)
{
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines << QStringLiteral("the foxx");
    document.setPlainText(lines.join(QLatin1Char('\n')));
    LiveSpellHighlighter highlighter(checker);
    highlighter.setDocument(&document);

    const QTextBlock tenth = document.findBlockByNumber(10);
    highlighter.setVisibleRange(0, tenth.position());
    EXPECT_EQ(marked(10), QStringList{QStringLiteral("foxx")});
    EXPECT_TRUE(marked(11).isEmpty());
    EXPECT_TRUE(marked(499).isEmpty());

    highlighter.setVisibleRange(document.findBlockByNumber(490).position(), document.characterCount() - 1);
    EXPECT_EQ(marked(499), QStringList{QStringLiteral("foxx")});
    EXPECT_TRUE(marked(300).isEmpty());
}

TEST_F(LiveSpellHighlighterTest, SwitchingOffRemovesTheMarksAndOnBringsThemBack)
{
    document.setPlainText(QStringLiteral("the qiuck fox"));
    LiveSpellHighlighter highlighter(checker);
    highlighter.setDocument(&document);
    showAll(highlighter);
    ASSERT_EQ(marked(0).size(), 1);

    checker.setCheckAsYouTypeActive(false);
    EXPECT_TRUE(marked(0).isEmpty());
    QTextCursor(&document).insertText(QStringLiteral("zzzz "));
    EXPECT_TRUE(marked(0).isEmpty()) << "nothing is marked while off";

    checker.setCheckAsYouTypeActive(true);
    EXPECT_EQ(marked(0), QStringList({QStringLiteral("zzzz"), QStringLiteral("qiuck")}));
}

TEST_F(LiveSpellHighlighterTest, ADictionaryChangeRechecksWhatIsInView)
{
    document.setPlainText(QStringLiteral("the qiuck fox"));
    LiveSpellHighlighter highlighter(checker);
    highlighter.setDocument(&document);
    showAll(highlighter);
    ASSERT_EQ(marked(0).size(), 1);
    EXPECT_EQ(highlighter.markAt(5).start, 4);
    EXPECT_EQ(highlighter.markAt(5).length, 5);

    // Without a language dictionary no word can be judged: nothing is marked, rather than
    // every word of the document.
    checker.Dictionaries(0).setEnabled(false);
    EXPECT_TRUE(marked(0).isEmpty());
    checker.Dictionaries(0).setEnabled(true);
    EXPECT_EQ(marked(0), QStringList{QStringLiteral("qiuck")});

    checker.ignoreAll(QStringLiteral("qiuck"));
    EXPECT_TRUE(marked(0).isEmpty());
    EXPECT_EQ(highlighter.markAt(5).length, 0);
}

} // namespace
