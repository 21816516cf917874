#include "platform/spellchecker/HunspellDictionary.h"
#include "platform/spellchecker/SpellChecker.h"
#include "platform/spellchecker/UserDictionary.h"
#include "support/TempDir.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using spellchecker::HunspellDictionary;
using spellchecker::SpellChecker;
using spellchecker::UserDictionary;

namespace {

// Two tiny Hunspell dictionaries make the checker's rules visible without the big ones.
class SpellCheckerTest : public testing::Test {
protected:
    HunspellDictionary &addTiny(const char *name, const QByteArray &words, int language)
    {
        HunspellDictionary &dictionary = checker.addHunspellDictionary(language);
        dictionary.setGrammarPath(dir.write(QString::fromLatin1(name) + QStringLiteral(".aff"), "SET UTF-8\nTRY abcdefghijklmnopqrstuvwxyz\n"));
        dictionary.setDictionaryPath(dir.write(QString::fromLatin1(name) + QStringLiteral(".dic"), words));
        return dictionary;
    }

    TempDir dir;
    SpellChecker checker;
};

TEST_F(SpellCheckerTest, AWordPassesWhenAnEnabledAndLoadedEntryKnowsIt)
{
    HunspellDictionary &czech = addTiny("cs", "1\nkůň\n", 1029);
    HunspellDictionary &english = addTiny("en", "1\nhorse\n", 1033);
    const QString kun = QStringLiteral("kůň");
    const QString horse = QStringLiteral("horse");

    EXPECT_FALSE(checker.hasActiveDictionaries());
    EXPECT_FALSE(checker.isWordCorrect(horse)) << "enabled but not loaded";

    english.Load();
    EXPECT_TRUE(checker.isWordCorrect(horse));
    EXPECT_FALSE(checker.isWordCorrect(kun));

    czech.Load();
    EXPECT_TRUE(checker.isWordCorrect(kun));
    EXPECT_EQ(checker.activeLanguage(), 1029);

    czech.setEnabled(false);
    EXPECT_TRUE(czech.Loaded()) << "disabling does not unload";
    EXPECT_FALSE(checker.isWordCorrect(kun));
    EXPECT_EQ(checker.activeLanguage(), 1033);
}

TEST_F(SpellCheckerTest, SuggestionsComeFromActiveEntriesWithoutRepeats)
{
    addTiny("a", "2\nhorse\nhouse\n", 1033).Load();
    addTiny("b", "1\nhorse\n", 1033).Load();
    addTiny("c", "1\nhorsa\n", 1033);
    const QStringList suggestions = checker.suggestions(QStringLiteral("horsr"));
    EXPECT_EQ(suggestions.count(QStringLiteral("horse")), 1);
    EXPECT_FALSE(suggestions.contains(QStringLiteral("horsa")));
}

TEST_F(SpellCheckerTest, IgnoreAllLetsAWordPassAndSaysSo)
{
    QSignalSpy changed(&checker, &SpellChecker::dictionariesChanged);
    checker.ignoreAll(QStringLiteral("Tavel"));
    EXPECT_TRUE(checker.isWordCorrect(QStringLiteral("Tavel")));
    EXPECT_FALSE(checker.isWordCorrect(QStringLiteral("tavel")));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(SpellCheckerTest, ARememberedVerdictIsDroppedWhenADictionaryLoads)
{
    HunspellDictionary &english = addTiny("en", "1\nhorse\n", 1033);
    EXPECT_FALSE(checker.isWordCorrect(QStringLiteral("horse")));
    english.Load();
    EXPECT_TRUE(checker.isWordCorrect(QStringLiteral("horse")));
}

TEST(UserDictionaryTest, AbsentFileIsAnEmptyListAndAddedWordsSurviveTheRun)
{
    TempDir dir;
    const QString path = dir.path(QStringLiteral("Custom.txt"));
    {
        SpellChecker checker;
        UserDictionary &list = checker.addUserDictionary(path, 1250);
        list.Load();
        EXPECT_TRUE(list.words().isEmpty());
        ASSERT_TRUE(checker.canAddWords());
        checker.addWord(QStringLiteral("Tavel"));
        checker.addWord(QStringLiteral("žluťáček"));
        EXPECT_TRUE(checker.isWordCorrect(QStringLiteral("žluťáček")));
    } // the checker unloads the list at the end, which writes it
    EXPECT_EQ(dir.read(QStringLiteral("Custom.txt")), QByteArray("Tavel\nžluťáček\n"));

    SpellChecker next;
    UserDictionary &list = next.addUserDictionary(path, 1250);
    list.Load();
    EXPECT_TRUE(next.isWordCorrect(QStringLiteral("Tavel")));
    EXPECT_TRUE(next.isWordCorrect(QStringLiteral("žluťáček")));
}

TEST(UserDictionaryTest, ReadsByteOrderMarksAndMatchesCapitalisedForms)
{
    TempDir dir;
    QByteArray utf16("\xff\xfe");
    for (const QChar c : QStringLiteral("kůň\r\nPraha\r\n"))
        utf16.append(static_cast<char>(c.unicode() & 0xff)).append(static_cast<char>(c.unicode() >> 8));
    UserDictionary list;
    list.setDictionaryPath(dir.write(QStringLiteral("Custom.txt"), utf16));
    list.Load();
    EXPECT_EQ(list.words(), QStringList({QStringLiteral("kůň"), QStringLiteral("Praha")}));
    EXPECT_TRUE(list.knows(QStringLiteral("Kůň")));
    EXPECT_TRUE(list.knows(QStringLiteral("KŮŇ")));
    EXPECT_FALSE(list.knows(QStringLiteral("praha")));
    EXPECT_FALSE(list.knows(QStringLiteral("kŮň")));
}

TEST(UserDictionaryTest, AnUnchangedListIsNotRewrittenAndAFailedWriteIsQuiet)
{
    TempDir dir;
    const QByteArray original("\xef\xbb\xbfslovo\n");
    const QString path = dir.write(QStringLiteral("Custom.txt"), original);
    {
        UserDictionary list;
        list.setDictionaryPath(path);
        list.Load();
        list.Unload();
    }
    EXPECT_EQ(dir.read(QStringLiteral("Custom.txt")), original);

    UserDictionary homeless;
    homeless.setDictionaryPath(dir.path(QStringLiteral("missing-folder/Custom.txt")));
    homeless.Load();
    homeless.addWord(QStringLiteral("word"));
    EXPECT_NO_THROW(homeless.Unload());
}

TEST(UserDictionaryTest, WordsAreAddedOnlyWhileAListIsEnabledAndLoaded)
{
    TempDir dir;
    SpellChecker checker;
    UserDictionary &list = checker.addUserDictionary(dir.path(QStringLiteral("Custom.txt")), 1250);
    EXPECT_FALSE(checker.canAddWords()) << "not loaded";
    list.Load();
    list.setEnabled(false);
    EXPECT_FALSE(checker.canAddWords()) << "disabled";
    checker.addWord(QStringLiteral("word"));
    EXPECT_TRUE(list.words().isEmpty());
}

} // namespace
