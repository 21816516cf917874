#include "platform/rtl/MemIniFile.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

/// One small file and what a lookup in it gives; `expected` null means absent.
struct ReadCase {
    const char *name;
    QByteArray file;
    const char *section;
    const char *key;
    const char *expected;
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.name;
}

class MemIniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(MemIniReadTest, ReadsAsTheRulesSay)
{
    const ReadCase &c = GetParam();
    const rtl::MemIniFile ini = rtl::MemIniFile::fromUtf8(c.file);
    const std::optional<QString> value = ini.value(QString::fromUtf8(c.section), QString::fromUtf8(c.key));
    if (c.expected) {
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, QString::fromUtf8(c.expected));
    } else {
        EXPECT_FALSE(value.has_value()) << value->toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MemIniReadTest,
    ::testing::Values(
        ReadCase{"plain", "[en]\nZalozkaDomu=Home\n", "en", "ZalozkaDomu", "Home"},
        ReadCase{"trims blanks tabs and control characters around the line", " \t[en]\x01\n\t ZalozkaDomu = Home \x02\r\n",
                 "en", "ZalozkaDomu", "Home"},
        ReadCase{"keeps blanks inside the value", "[en]\nk=  two  words  \n", "en", "k", "two  words"},
        ReadCase{"no-break space is not trimmed", "[en]\nk=\xc2\xa0x\n", "en", "k", "\xc2\xa0x"},
        ReadCase{"value kept exactly: quotes and escapes", "[en]\nk=\"a\\tb\"\n", "en", "k", "\"a\\tb\""},
        ReadCase{"splits at the first equals sign", "[en]\nk=a=b\n", "en", "k", "a=b"},
        ReadCase{"empty value is present", "[en]\nk=\n", "en", "k", ""},
        ReadCase{"comment lines are skipped", "[en]\n;k=comment\nk=real\n", "en", "k", "real"},
        ReadCase{"comment after blanks is skipped", "[en]\n   ;k=comment\nk=real\n", "en", "k", "real"},
        ReadCase{"lines before the first section are ignored", "k=orphan\n[en]\n", "en", "k", nullptr},
        ReadCase{"first block of a repeated section wins", "[de]\nk=first\n[x]\n[de]\nk=second\nj=only second\n",
                 "de", "k", "first"},
        ReadCase{"keys of a repeated block are ignored", "[de]\nk=first\n[de]\nj=only second\n", "de", "j", nullptr},
        ReadCase{"first line of a repeated key wins", "[en]\nk=first\nk=second\n", "en", "k", "first"},
        ReadCase{"key without equals reads as absent", "[en]\nZalozkaDomu\n", "en", "ZalozkaDomu", nullptr},
        ReadCase{"key without equals shadows a later value", "[en]\nZalozkaDomu\nZalozkaDomu=Home\n", "en",
                 "ZalozkaDomu", nullptr},
        ReadCase{"section names ignore case", "[EN]\nk=v\n", "en", "k", "v"},
        ReadCase{"keys ignore case", "[en]\nZALOZKADOMU=v\n", "en", "zalozkaDomu", "v"},
        ReadCase{"accented keys ignore case", "[cs]\nŽLUŤOUČKÝ=v\n", "cs", "žluťoučký", "v"},
        ReadCase{"section name is trimmed inside the brackets", "[ en\t]\nk=v\n", "en", "k", "v"},
        ReadCase{"byte order mark is skipped", "\xef\xbb\xbf[en]\nk=v\n", "en", "k", "v"},
        ReadCase{"UTF-8 text", "[cs]\nk=Domů\n", "cs", "k", "Domů"},
        ReadCase{"carriage returns alone end lines", "[en]\rk=v\r", "en", "k", "v"},
        ReadCase{"last line without newline", "[en]\nk=v", "en", "k", "v"},
        ReadCase{"a bracket line that does not close is a key", "[en]\n[x\nk=v\n", "en", "[x", nullptr},
        ReadCase{"missing section", "[en]\nk=v\n", "de", "k", nullptr}),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return "case" + std::to_string(info.index); });

TEST(MemIniFileTest, BomAndNoBomGiveTheSameTable)
{
    const QByteArray body = "[cs]\nZalozkaDomu=Domů\nk=v\n";
    const rtl::MemIniFile withBom = rtl::MemIniFile::fromUtf8("\xef\xbb\xbf" + body);
    const rtl::MemIniFile without = rtl::MemIniFile::fromUtf8(body);
    EXPECT_EQ(withBom.sections(), without.sections());
    EXPECT_EQ(withBom.keys("cs"), without.keys("cs"));
    EXPECT_EQ(withBom.value("cs", "ZalozkaDomu"), without.value("cs", "ZalozkaDomu"));
}

TEST(MemIniFileTest, ListsSectionsAndKeysInFileOrderAsFirstSpelled)
{
    const rtl::MemIniFile ini = rtl::MemIniFile::fromUtf8("[B]\nx=1\nnoValue\nX=2\n[a]\n[b]\ny=3\n");
    EXPECT_EQ(ini.sections(), QStringList({"B", "a"}));
    EXPECT_EQ(ini.keys("b"), QStringList({"x", "noValue"}));
    EXPECT_TRUE(ini.sectionExists("A"));
    EXPECT_FALSE(ini.valueExists("b", "noValue"));
}

TEST(MemIniFileTest, MissingFileIsAnEmptyTable)
{
    TempDir dir;
    const rtl::MemIniFile ini(dir.path("none.ini"));
    EXPECT_TRUE(ini.sections().isEmpty());
}

TEST(MemIniFileTest, ReadsAFileFromDisk)
{
    TempDir dir;
    const rtl::MemIniFile ini(dir.write("t.ini", "[en]\nk=v\n"));
    EXPECT_EQ(ini.readString("en", "k", "default"), "v");
    EXPECT_EQ(ini.readString("en", "absent", "default"), "default");
}

TEST(MemIniFileTest, AFileThatCannotBeOpenedThrowsNamingIt)
{
    TempDir dir;
    QDir().mkpath(dir.path("folder.ini")); // exists, but cannot be read as a file
    try {
        rtl::MemIniFile ini(dir.path("folder.ini"));
        FAIL() << "no error";
    } catch (const rtl::FileOpenError &error) {
        EXPECT_TRUE(error.message().startsWith("Cannot open file \"" + dir.path("folder.ini") + "\"."))
            << error.what();
    }
}

} // namespace
