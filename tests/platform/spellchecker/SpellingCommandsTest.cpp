#include "../richedit/commands/CommandsFixture.h"

#include "platform/richedit/commands/SpellingCommands.h"
#include "platform/rtl/Error.h"
#include "platform/spellchecker/HunspellDictionary.h"
#include "platform/spellchecker/SpellChecker.h"
#include "platform/spellchecker/UserDictionary.h"
#include "support/TempDir.h"

#include <deque>

using richedit::SpellingAnswer;
using richedit::SpellingQuestion;

namespace {

/// Answers the spelling check from a script and records each question with the selection
/// the editor showed at that moment.
class ScriptedPrompt final : public richedit::SpellingPrompt {
public:
    explicit ScriptedPrompt(richedit::RichEditControl &control) : m_control(control) {}

    std::deque<SpellingAnswer> answers; // Cancel when none is left
    QStringList asked;
    QStringList selected;
    std::vector<SpellingQuestion> questions;
    int closed = 0;

    SpellingAnswer ask(const SpellingQuestion &question) override
    {
        asked << question.word;
        selected << m_control.textCursor().selectedText();
        questions.push_back(question);
        if (answers.empty())
            return {SpellingAnswer::Cancel, {}};
        SpellingAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void close() override { ++closed; }

private:
    richedit::RichEditControl &m_control;
};

class SpellingCommandsTest : public CommandsTest {
protected:
    void SetUp() override
    {
        auto &english = checker.addHunspellDictionary(1033);
        english.setGrammarPath(dir.write("en.aff", "SET UTF-8\nTRY esiarntolcdugmphbyfvkwz\n"));
        english.setDictionaryPath(dir.write("en.dic", "6\nthe\ncat\nsat\non\nmat\nhat\n"));
        english.Load();
        checker.addUserDictionary(dir.path("Custom.txt"), 1250).Load();
        commands.setSpellChecker(&checker);
        commands.session().spellingPrompt = &prompt;
    }

    void caretAt(int position) { select(position, position); }
    void run() { commands.execute("CheckSpelling"); }
    void answer(SpellingAnswer::Action action, const QString &replacement = {})
    {
        prompt.answers.push_back({action, replacement});
    }

    TempDir dir;
    spellchecker::SpellChecker checker;
    ScriptedPrompt prompt{control};
};

TEST_F(SpellingCommandsTest, WalksFromTheCaretToTheEndThenFromTheStartAndSaysItIsComplete)
{
    setText("teh cat\nsat onn\nthe mtt");
    caretAt(10); // in "sat"
    for (int i = 0; i < 3; ++i)
        answer(SpellingAnswer::IgnoreOnce);
    run();
    EXPECT_EQ(prompt.asked, QStringList({"onn", "mtt", "teh"}));
    EXPECT_EQ(prompt.selected, prompt.asked) << "each word is selected while asked about";
    EXPECT_EQ(editorDialogs.messages, QStringList{"The spelling check is complete."});
    EXPECT_EQ(prompt.closed, 1);
    EXPECT_EQ(prompt.questions[0].language, "English (United States)");
    EXPECT_TRUE(prompt.questions[0].canAdd);
}

TEST_F(SpellingCommandsTest, ACaretInsideAMisspeltWordStartsAtTheWord)
{
    setText("the caat sat");
    caretAt(6);
    answer(SpellingAnswer::IgnoreOnce);
    run();
    EXPECT_EQ(prompt.asked, QStringList{"caat"});
}

TEST_F(SpellingCommandsTest, ChangeAllReplacesEveryOccurrenceAndIgnoreAllSkipsThem)
{
    setText("teh cat zzz\nteh mat zzz\nsat teh");
    caretAt(0);
    answer(SpellingAnswer::ChangeAll, "the");
    answer(SpellingAnswer::IgnoreAll);
    run();
    EXPECT_EQ(prompt.asked, QStringList({"teh", "zzz"}));
    EXPECT_EQ(story().toPlainText(), "the cat zzz\nthe mat zzz\nsat the");
    EXPECT_TRUE(checker.isWordCorrect("zzz")) << "ignored for the rest of the run";
}

TEST_F(SpellingCommandsTest, ChangeReplacesOneAndAChangeBeforeTheCaretMovesTheEnd)
{
    setText("caat hatt\nmatt");
    caretAt(10); // the start of "matt"
    answer(SpellingAnswer::Change, "mat");
    answer(SpellingAnswer::Change, "cat");
    answer(SpellingAnswer::Change, "hat");
    run();
    EXPECT_EQ(prompt.asked, QStringList({"matt", "caat", "hatt"}));
    EXPECT_EQ(story().toPlainText(), "cat hat\nmat");
    EXPECT_EQ(editorDialogs.messages.size(), 1);
}

TEST_F(SpellingCommandsTest, AddPutsTheWordInTheUserListAndCancelStopsWithoutAMessage)
{
    setText("Tavel catt Tavel");
    caretAt(0);
    answer(SpellingAnswer::Add);
    run();
    EXPECT_EQ(prompt.asked, QStringList({"Tavel", "catt"}));
    EXPECT_EQ(checker.userListAt(1)->words(), QStringList{"Tavel"});
    EXPECT_TRUE(editorDialogs.messages.isEmpty());
    EXPECT_EQ(prompt.closed, 1);
}

TEST_F(SpellingCommandsTest, SuggestionsComeWithTheQuestion)
{
    setText("the caat");
    caretAt(0);
    answer(SpellingAnswer::IgnoreOnce);
    run();
    ASSERT_EQ(prompt.questions.size(), 1u);
    EXPECT_TRUE(prompt.questions[0].suggestions.contains("cat"));
}

TEST_F(SpellingCommandsTest, WithoutAnActiveDictionaryTheCheckFailsWithAMessage)
{
    checker.Dictionaries(0).setEnabled(false);
    checker.Dictionaries(1).setEnabled(false);
    setText("teh");
    try {
        run();
        FAIL() << "no error";
    } catch (const platform::Error &error) {
        EXPECT_TRUE(error.message().startsWith("No spelling dictionaries are available.")) << error.what();
    }
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(SpellingCommandsTest, TheCommandIsDisabledWithoutASpellChecker)
{
    EXPECT_TRUE(commands.isEnabled("CheckSpelling"));
    commands.setSpellChecker(nullptr);
    EXPECT_FALSE(commands.isEnabled("CheckSpelling"));
}

} // namespace
