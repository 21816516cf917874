#include "platform/spellchecker/Words.h"

#include <gtest/gtest.h>

using spellchecker::wordsOf;

namespace {

QStringList wordTexts(const QString &text)
{
    QStringList result;
    for (const auto &word : wordsOf(text))
        result << text.mid(word.start, word.length);
    return result;
}

struct WordsCase {
    const char *text;
    QStringList words;
};

class WordsTest : public testing::TestWithParam<WordsCase> {};

TEST_P(WordsTest, FindsTheWordsWorthChecking)
{
    EXPECT_EQ(wordTexts(QString::fromUtf8(GetParam().text)), GetParam().words) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    , WordsTest,
    testing::Values(WordsCase{"Příliš žluťoučký kůň.", {"Příliš", "žluťoučký", "kůň"}},
                    WordsCase{"don't 'quoted' rock’n’roll", {"don't", "quoted", "rock’n’roll"}},
                    WordsCase{"A4 1998 v2 x_y 3.14 -- !!", {}}, WordsCase{"", {}},
                    WordsCase{"привет, мир", {"привет", "мир"}},
                    WordsCase{"one\xef\xbf\xbctwo", {"one", "two"}}));

} // namespace
