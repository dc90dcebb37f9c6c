#include "journal/EntryDate.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct BoxCase {
    const char* name;
    const char* year;
    const char* month;
    const char* day;
    bool valid;
};
void PrintTo(const BoxCase& c, std::ostream* os)
{
    *os << c.name;
}

class DateFromBoxesTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(DateFromBoxesTest, OnlyADateThatExists)
{
    const BoxCase& c = GetParam();
    const auto d = journal::DateFromBoxes(c.year, c.month, c.day);
    EXPECT_EQ(d.has_value(), c.valid) << c.year << c.month << c.day;
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, DateFromBoxesTest,
    ::testing::Values(
        BoxCase{"TwoDigitMonthAndDay", "2024年", "04月", "05日", true},
        BoxCase{"LeapDay", "2024年", "2月", "29日", true},
        BoxCase{"LeapDayOfACommonYear", "2023年", "02月", "29日", false},  // the leap day left standing
        BoxCase{"ThirtyFirstOfApril", "2024年", "4月", "31日", false},
        BoxCase{"Month13", "2024年", "13月", "1日", false}, BoxCase{"Month0", "2024年", "0月", "1日", false},
        BoxCase{"TwoDigitYear", "24年", "4月", "1日", false},  // a two-digit year is no year of this century
        BoxCase{"Year1899", "1899年", "12月", "31日", false}, BoxCase{"FirstDayOf1900", "1900年", "1月", "1日", true},
        BoxCase{"YearWithoutDigits", "年", "4月", "1日", false}, BoxCase{"YearOfLetters", "abc", "4月", "1日", false},
        BoxCase{"EmptyDay", "2024年", "4月", "", false}),
    testsupport::kCaseName);

TEST(DateFromBoxes, LeadingZerosDoNotMatter)
{
    const auto d = journal::DateFromBoxes("2021年", "04月", "03日");
    ASSERT_TRUE(d);
    EXPECT_EQ(*d, (dao::Date{2021, 4, 3}));
    EXPECT_EQ(journal::LeadingNumber(" 12月"), 12);
}

struct WrongBoxCase {
    const char* name;
    const char* year;
    const char* month;
    const char* day;
    std::optional<journal::DateBox> wrong;
};
void PrintTo(const WrongBoxCase& c, std::ostream* os)
{
    *os << c.name;
}

class WrongDateBoxTest : public ::testing::TestWithParam<WrongBoxCase> {};

TEST_P(WrongDateBoxTest, NamesTheFirstBoxThatMakesTheDateImpossible)
{
    const WrongBoxCase& c = GetParam();
    EXPECT_EQ(journal::WrongDateBox(c.year, c.month, c.day), c.wrong);
}

using journal::DateBox;
INSTANTIATE_TEST_SUITE_P(Boxes, WrongDateBoxTest,
                         ::testing::Values(WrongBoxCase{"ADateThatExists", "2024年", "02月", "29日", std::nullopt},
                                           WrongBoxCase{"LeapDayOfACommonYear", "2023年", "02月", "29日", DateBox::Day},
                                           WrongBoxCase{"DayZero", "2024年", "4月", "0日", DateBox::Day},
                                           WrongBoxCase{"EmptyDay", "2024年", "4月", "", DateBox::Day},
                                           WrongBoxCase{"Month13", "2024年", "13月", "31日", DateBox::Month},
                                           WrongBoxCase{"MonthOfLetters", "2024年", "がつ", "1日", DateBox::Month},
                                           WrongBoxCase{"TwoDigitYear", "24年", "13月", "1日", DateBox::Year},
                                           WrongBoxCase{"YearAfter9999", "10000年", "1月", "1日", DateBox::Year}),
                         testsupport::kCaseName);

}  // namespace
