#include "platform/rtl/MemIniFile.h"
#include "platform/spellchecker/HunspellDictionary.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using spellchecker::HunspellDictionary;

namespace {

QString dictionaryFile(const char *stem, const char *ending)
{
    return QStringLiteral(TAVEL_DICTIONARIES "/%1.%2").arg(QLatin1String(stem), QLatin1String(ending));
}

// The nine dictionaries are large; each is read once for the whole suite.
HunspellDictionary &loaded(const char *stem)
{
    static std::map<std::string, std::unique_ptr<HunspellDictionary>> dictionaries;
    auto &slot = dictionaries[stem];
    if (!slot) {
        slot = std::make_unique<HunspellDictionary>();
        slot->setGrammarPath(dictionaryFile(stem, "aff"));
        slot->setDictionaryPath(dictionaryFile(stem, "dic"));
        slot->Load();
    }
    return *slot;
}

struct WordCase {
    const char *stem;
    const char *word;
    bool known;
};

class RealDictionaryTest : public testing::TestWithParam<WordCase> {};

TEST_P(RealDictionaryTest, KnowsItsOwnLanguageOnly)
{
    const WordCase &c = GetParam();
    EXPECT_EQ(loaded(c.stem).knows(QString::fromUtf8(c.word)), c.known) << c.stem << " " << c.word;
}

// Each language's own words pass in its dictionary and fail in another one; the Polish
// dictionary is in ISO8859-2, so its words also prove the conversion of encodings.
INSTANTIATE_TEST_SUITE_P(, RealDictionaryTest,
                         testing::Values(WordCase{"cs_CZ", "příliš", true}, WordCase{"cs_CZ", "žluťoučký", true},
                                         WordCase{"cs_CZ", "kůň", true}, WordCase{"en_US", "příliš", false},
                                         WordCase{"en_US", "žluťoučký", false}, WordCase{"cs_CZ", "pryliš", false},
                                         WordCase{"en_US", "spelling", true}, WordCase{"en_US", "speling", false},
                                         WordCase{"de_DE", "Straße", true}, WordCase{"cs_CZ", "Straße", false},
                                         WordCase{"fr_FR", "été", true}, WordCase{"it_IT", "perché", true},
                                         WordCase{"pl_PL", "źdźbło", true}, WordCase{"pl_PL", "żółć", true},
                                         WordCase{"pl_PL", "Straße", false}, WordCase{"es_ES", "niño", true},
                                         WordCase{"sk_SK", "ďakujem", true}, WordCase{"ru_RU", "привет", true},
                                         WordCase{"ru_RU", "hello", false}, WordCase{"en_US", "привет", false}));

TEST(HunspellDictionaryTest, SuggestsCorrectionsInTheDictionarysEncoding)
{
    EXPECT_TRUE(loaded("en_US").suggestions(QStringLiteral("speling")).contains(QStringLiteral("spelling")));
    EXPECT_TRUE(loaded("cs_CZ").suggestions(QStringLiteral("přílis")).contains(QStringLiteral("příliš")));
    EXPECT_TRUE(loaded("pl_PL").suggestions(QStringLiteral("zolc")).contains(QStringLiteral("żółć")));
}

struct MissingCase {
    bool affixThere;
    bool wordsThere;
    const char *named;
};

class MissingFileTest : public testing::TestWithParam<MissingCase> {};

TEST_P(MissingFileTest, LoadFailsNamingTheFileAndStaysUnloaded)
{
    const MissingCase &c = GetParam();
    TempDir dir;
    const QString aff = c.affixThere ? dir.write(QStringLiteral("x.aff"), "SET UTF-8\n") : dir.path(QStringLiteral("x.aff"));
    const QString dic = c.wordsThere ? dir.write(QStringLiteral("x.dic"), "1\nword\n") : dir.path(QStringLiteral("x.dic"));
    HunspellDictionary dictionary;
    dictionary.setGrammarPath(aff);
    dictionary.setDictionaryPath(dic);
    try {
        dictionary.Load();
        FAIL() << "no error";
    } catch (const rtl::FileOpenError &error) {
        EXPECT_TRUE(error.message().contains(dir.path(QString::fromLatin1(c.named)))) << error.what();
    }
    EXPECT_FALSE(dictionary.Loaded());
    EXPECT_FALSE(dictionary.knows(QStringLiteral("word")));
}

INSTANTIATE_TEST_SUITE_P(, MissingFileTest,
                         testing::Values(MissingCase{false, false, "x.aff"}, MissingCase{false, true, "x.aff"},
                                         MissingCase{true, false, "x.dic"}));

TEST(HunspellDictionaryTest, EmptyPathFailsToLoad)
{
    HunspellDictionary dictionary;
    EXPECT_THROW(dictionary.Load(), rtl::FileOpenError);
    EXPECT_FALSE(dictionary.Loaded());
}

TEST(HunspellDictionaryTest, ANewPathUnloadsAndTheSamePathKeepsTheWords)
{
    TempDir dir;
    const QString aff = dir.write(QStringLiteral("a.aff"), "SET UTF-8\n");
    const QString dic = dir.write(QStringLiteral("a.dic"), "1\nkůň\n");
    dir.write(QStringLiteral("b.dic"), "1\nhorse\n");
    HunspellDictionary dictionary;
    dictionary.setGrammarPath(aff);
    dictionary.setDictionaryPath(dic);
    dictionary.Load();
    ASSERT_TRUE(dictionary.knows(QStringLiteral("kůň")));

    dictionary.setGrammarPath(aff);
    dictionary.setDictionaryPath(dic);
    EXPECT_TRUE(dictionary.Loaded());

    dictionary.setDictionaryPath(dir.path(QStringLiteral("b.dic")));
    EXPECT_FALSE(dictionary.Loaded());
    dictionary.Load();
    EXPECT_TRUE(dictionary.knows(QStringLiteral("horse")));
    EXPECT_FALSE(dictionary.knows(QStringLiteral("kůň")));
}

} // namespace
