#include "journal/TaxRateTable.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

using journal::TaxRateOn;
using journal::TaxRateTable;

namespace {

dao::Date day(int y, int m, int d, int h = 0, int mi = 0)
{
    return dao::Date{y, m, d, h, mi, 0};
}

// The rates since 1989: 3 %, 5 % from April 1997, 8 % from April 2014, 10 % from October 2019.
const TaxRateTable kRates = {
    {day(1989, 4, 1), 3, 3},
    {day(1997, 4, 1), 5, 4},
    {day(2014, 4, 1), 8, 6},
    {day(2019, 10, 1), 10, 7},
};

struct RateCase {
    const char* name;
    dao::Date date;
    bool taxable;
    bool simplified;
    int expected;
};
void PrintTo(const RateCase& c, std::ostream* os)
{
    *os << c.name;
}

class TaxRateOnTest : public ::testing::TestWithParam<RateCase> {};

TEST_P(TaxRateOnTest, RateOfThePeriodInForceOnTheDay)
{
    const RateCase& c = GetParam();
    EXPECT_EQ(TaxRateOn(kRates, c.date, c.taxable, c.simplified), c.expected)
        << c.date.isoText() << " taxable=" << c.taxable << " simplified=" << c.simplified;
}

INSTANTIATE_TEST_SUITE_P(AcrossTheRateChanges, TaxRateOnTest,
                         ::testing::Values(RateCase{"BeforeTheFirstPeriod", day(1989, 3, 31), true, false,
                                                    0},  // before the first period
                                           RateCase{"FirstDayOf3Percent", day(1989, 4, 1), true, false, 3},
                                           RateCase{"LastDayOf3Percent", day(1997, 3, 31), true, false, 3},
                                           RateCase{"FirstDayOf5Percent", day(1997, 4, 1), true, false,
                                                    5},  // a period applies from its first day
                                           RateCase{"SecondDayOf5Percent", day(1997, 4, 2), true, false, 5},
                                           RateCase{"LastDayOf5Percent", day(2014, 3, 31), true, false, 5},
                                           RateCase{"FirstDayOf8Percent", day(2014, 4, 1), true, false, 8},
                                           RateCase{"FirstDayOf8PercentSimplified", day(2014, 4, 1), true, true, 6},
                                           RateCase{"LastDayOf8Percent", day(2019, 9, 30), true, false, 8},
                                           RateCase{"FirstDayOf10Percent", day(2019, 10, 1), true, false, 10},
                                           RateCase{"FirstDayOf10PercentAtNine", day(2019, 10, 1, 9, 0), true, false,
                                                    10},  // a date with its time of day
                                           RateCase{"LastMinuteOf8Percent", day(2019, 9, 30, 23, 59), true, false, 8},
                                           RateCase{"SecondDayOf10PercentSimplified", day(2019, 10, 2), true, true, 7},
                                           RateCase{"Year2031", day(2031, 1, 1), true, false, 10},
                                           RateCase{"NotTaxable", day(2019, 10, 1), false, false, 0},  // not taxable
                                           RateCase{"NotTaxableSimplified", day(2019, 10, 1), false, true, 0}),
                         testsupport::kCaseName);

TEST(TaxRateOn, EmptyTableGivesZero)
{
    EXPECT_EQ(TaxRateOn({}, day(2024, 1, 1), true, false), 0);
}

}  // namespace
