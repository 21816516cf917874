#include "platform/rtl/FormatDateTime.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *locale;
    const char *pattern;
    QTime time;
    const char *expected;
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.locale << " \"" << c.pattern << "\" at " << c.time.toString().toStdString();
}

const QDate tuesday(2024, 3, 5);
const QTime afternoon(14, 7, 9);
const QTime morning(9, 5, 3);
const QTime midnight(0, 30, 0);
const QTime noon(12, 0, 0);

// The thirteen lines of the date-and-time dialog and the two fixed patterns, under both
// regional settings; then the corners of the language.
const Case cases[] = {
    {"en_US", "yyyy-mm-dd", afternoon, "2024-03-05"},
    {"en_US", "yyyy-m-d", afternoon, "2024-3-5"},
    {"en_US", "yyyy \"rok\" mm \"měsíc\" dd \"den\"", afternoon, "2024 rok 03 měsíc 05 den"},
    {"en_US", "yyyy \"rok\" mm \"měsíc\" dd \"den\" ddd", afternoon, "2024 rok 03 měsíc 05 den Tue"},
    {"en_US", "yyyy \"rok\" mm \"měsíc\" dd \"den\" dddd", afternoon, "2024 rok 03 měsíc 05 den Tuesday"},
    {"en_US", "yyyy, mmm, dd, ddd", afternoon, "2024, Mar, 05, Tue"},
    {"en_US", "hh-mm-ss", afternoon, "14-07-09"},
    {"en_US", "yyyy, mmm, dd, dddd", afternoon, "2024, Mar, 05, Tuesday"},
    {"en_US", "yyyy-mm-dd h:n:s a/p", afternoon, "2024-03-05 2:7:9 p"},
    {"en_US", "mm-dd-yyyy", afternoon, "03-05-2024"},
    {"en_US", "m-d-yyyy", afternoon, "3-5-2024"},
    {"en_US", "mmm, dd, yyyy", afternoon, "Mar, 05, 2024"},
    {"en_US", "mmmm, d, yyyy", afternoon, "March, 5, 2024"},
    {"en_US", "dd.mm.yyyy", afternoon, "05.03.2024"},
    {"en_US", "hh:nn:ss", afternoon, "14:07:09"},
    {"en_US", "hh:nn:ss", morning, "09:05:03"},
    {"en_US", "hh-mm-ss", morning, "09-05-03"},
    {"en_US", "yyyy-mm-dd h:n:s a/p", morning, "2024-03-05 9:5:3 a"},

    {"cs_CZ", "yyyy-mm-dd", afternoon, "2024-03-05"},
    {"cs_CZ", "yyyy-m-d", afternoon, "2024-3-5"},
    {"cs_CZ", "yyyy \"rok\" mm \"měsíc\" dd \"den\"", afternoon, "2024 rok 03 měsíc 05 den"},
    {"cs_CZ", "yyyy \"rok\" mm \"měsíc\" dd \"den\" ddd", afternoon, "2024 rok 03 měsíc 05 den út"},
    {"cs_CZ", "yyyy \"rok\" mm \"měsíc\" dd \"den\" dddd", afternoon, "2024 rok 03 měsíc 05 den úterý"},
    {"cs_CZ", "yyyy, mmm, dd, ddd", afternoon, "2024, bře, 05, út"},
    {"cs_CZ", "hh-mm-ss", afternoon, "14-07-09"},
    {"cs_CZ", "yyyy, mmm, dd, dddd", afternoon, "2024, bře, 05, úterý"},
    {"cs_CZ", "yyyy-mm-dd h:n:s a/p", afternoon, "2024-03-05 2:7:9 p"},
    {"cs_CZ", "mm-dd-yyyy", afternoon, "03-05-2024"},
    {"cs_CZ", "m-d-yyyy", afternoon, "3-5-2024"},
    {"cs_CZ", "mmm, dd, yyyy", afternoon, "bře, 05, 2024"},
    {"cs_CZ", "mmmm, d, yyyy", afternoon, "březen, 5, 2024"},
    {"cs_CZ", "dd.mm.yyyy", afternoon, "05.03.2024"},
    {"cs_CZ", "hh:nn:ss", morning, "09:05:03"},
    {"cs_CZ", "yyyy-mm-dd h:n:s a/p", morning, "2024-03-05 9:5:3 a"},

    // Letters are case-insensitive; a/p keeps the pattern's case.
    {"en_US", "YYYY-MM-DD HH:NN:SS", afternoon, "2024-03-05 14:07:09"},
    {"en_US", "h A/P", afternoon, "2 P"},
    {"en_US", "h am/pm", morning, "9 am"},
    {"en_US", "h AM/PM", afternoon, "2 PM"},
    // Midnight and noon on the 12-hour clock.
    {"en_US", "h:nn a/p", midnight, "12:30 a"},
    {"en_US", "h:nn a/p", noon, "12:00 p"},
    // An am/pm element before the hour leaves the hour on the 24-hour clock.
    {"en_US", "a/p h", afternoon, "p 14"},
    // m after a date element is the month; after an hour, even past other text, minutes.
    {"en_US", "d m", afternoon, "5 3"},
    {"en_US", "h \"h\" m", afternoon, "14 h 7"},
    {"en_US", "h d m", afternoon, "14 5 3"},
    // Quoted text is taken whole, letters included; an unclosed quote runs to the end.
    {"en_US", "\"yyyy: dd\"", afternoon, "yyyy: dd"},
    {"en_US", "yy \"open", afternoon, "24 open"},
    {"en_US", "", afternoon, ""},
    {"en_US", "x, q!", afternoon, "x, q!"},
};

class FormatDateTimeTest : public ::testing::TestWithParam<Case> {};

TEST_P(FormatDateTimeTest, FormatsThePattern)
{
    const Case &c = GetParam();
    const QString result = rtl::FormatDateTime(QString::fromUtf8(c.pattern), QDateTime(tuesday, c.time),
                                               QLocale(QString::fromLatin1(c.locale)));
    EXPECT_EQ(result.toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FormatDateTimeTest, ::testing::ValuesIn(cases));

TEST(FormatDateTimeSeparatorTest, ColonIsTheRegionalTimeSeparator)
{
    // Finnish writes hours and minutes with a full stop.
    const QLocale finnish(QStringLiteral("fi_FI"));
    ASSERT_EQ(rtl::timeSeparator(finnish), ".");
    EXPECT_EQ(rtl::FormatDateTime(QStringLiteral("hh:nn:ss"), QDateTime(tuesday, afternoon), finnish), "14.07.09");
    EXPECT_EQ(rtl::timeSeparator(QLocale(QStringLiteral("en_US"))), ":");
}

TEST(FormatDateTimeSeparatorTest, DefaultsToTheSystemLocale)
{
    const QDateTime at(tuesday, afternoon);
    EXPECT_EQ(rtl::FormatDateTime(QStringLiteral("mmmm dddd"), at),
              rtl::FormatDateTime(QStringLiteral("mmmm dddd"), at, QLocale::system()));
}

} // namespace
