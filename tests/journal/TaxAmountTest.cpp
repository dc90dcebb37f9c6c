#include "journal/TaxAmount.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <limits>

using journal::FractionRule;

namespace {

struct TaxCase {
    const char* name;
    std::int64_t amount;
    int rate;
    FractionRule rule;
    std::int32_t expected;
};
void PrintTo(const TaxCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string ruleName(FractionRule r)
{
    switch (r) {
    case FractionRule::None: return "none";
    case FractionRule::Truncate: return "truncate";
    case FractionRule::HalfUp: return "half-up";
    case FractionRule::RoundUp: return "round-up";
    }
    return "?";
}

class TaxOnTopTest : public ::testing::TestWithParam<TaxCase> {};

TEST_P(TaxOnTopTest, RoundsByTheFractionRule)
{
    const TaxCase& c = GetParam();
    EXPECT_EQ(journal::TaxOnTop(c.amount, c.rate, c.rule), std::optional<std::int32_t>(c.expected))
        << c.amount << " at " << c.rate << "% " << ruleName(c.rule);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TaxOnTopTest,
    ::testing::Values(TaxCase{"Truncate1005At8", 1005, 8, FractionRule::Truncate, 80},  // 80.4
                      TaxCase{"HalfUp1005At8", 1005, 8, FractionRule::HalfUp, 80},
                      TaxCase{"RoundUp1005At8", 1005, 8, FractionRule::RoundUp, 81},
                      TaxCase{"Truncate1001At8", 1001, 8, FractionRule::Truncate, 80},  // 80.08
                      TaxCase{"HalfUp1001At8", 1001, 8, FractionRule::HalfUp, 80},
                      TaxCase{"RoundUp1001At8", 1001, 8, FractionRule::RoundUp,
                              81},  // a true round-up, however small the fraction
                      TaxCase{"RoundUp1000At8", 1000, 8, FractionRule::RoundUp, 80},  // no fraction, nothing to raise
                      TaxCase{"TruncateMinus153At8", -153, 8, FractionRule::Truncate, -12},  // -12.24
                      TaxCase{"HalfUpMinus153At8", -153, 8, FractionRule::HalfUp, -12},
                      TaxCase{"RoundUpMinus153At8", -153, 8, FractionRule::RoundUp, -13},  // away from zero
                      TaxCase{"HalfUpMinus125At10", -125, 10, FractionRule::HalfUp, -13},  // -12.5: half away from zero
                      TaxCase{"HalfUp125At10", 125, 10, FractionRule::HalfUp, 13},
                      TaxCase{"TruncateMinus125At10", -125, 10, FractionRule::Truncate, -12},
                      TaxCase{"NoRule1005At8", 1005, 8, FractionRule::None, 0},
                      // 64-bit products: 2,000,000,000 x 10 does not fit 32 bits, the tax does.
                      TaxCase{"Truncate2000000000At10", 2000000000, 10, FractionRule::Truncate, 200000000},
                      TaxCase{"RoundUpLargestAt10", 2147483647, 10, FractionRule::RoundUp, 214748365},
                      TaxCase{"HalfUpSmallestAt10", -2147483648LL, 10, FractionRule::HalfUp, -214748365}),
    testsupport::kCaseName);

class TaxContainedTest : public ::testing::TestWithParam<TaxCase> {};

TEST_P(TaxContainedTest, RoundsByTheFractionRule)
{
    const TaxCase& c = GetParam();
    EXPECT_EQ(journal::TaxContained(c.amount, c.rate, c.rule), std::optional<std::int32_t>(c.expected))
        << c.amount << " at " << c.rate << "% " << ruleName(c.rule);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TaxContainedTest,
    ::testing::Values(TaxCase{"Truncate1000At10", 1000, 10, FractionRule::Truncate, 90},  // 90.909...
                      TaxCase{"HalfUp1000At10", 1000, 10, FractionRule::HalfUp, 91},
                      TaxCase{"RoundUp1000At10", 1000, 10, FractionRule::RoundUp, 91},
                      TaxCase{"Truncate1080At8", 1080, 8, FractionRule::Truncate, 80},
                      TaxCase{"HalfUp1080At8", 1080, 8, FractionRule::HalfUp, 80},
                      TaxCase{"RoundUp1080At8", 1080, 8, FractionRule::RoundUp, 80},
                      TaxCase{"RoundUpMinus1000At10", -1000, 10, FractionRule::RoundUp, -91},
                      TaxCase{"HalfUpMinus1000At10", -1000, 10, FractionRule::HalfUp, -91},
                      TaxCase{"TruncateLargestAt10", 2147483647, 10, FractionRule::Truncate, 195225786},
                      TaxCase{"NoRule1000At10", 1000, 10, FractionRule::None, 0}),
    testsupport::kCaseName);

TEST(TaxAmount, AmountOutsideThe32BitRangeIsRefused)
{
    EXPECT_EQ(journal::TaxOnTop(2147483648LL, 10, FractionRule::Truncate), std::nullopt);
    EXPECT_EQ(journal::TaxContained(-2147483649LL, 10, FractionRule::Truncate), std::nullopt);
}

TEST(TaxAmount, FractionRuleSettingTexts)
{
    EXPECT_EQ(journal::FractionRuleOf("1"), FractionRule::Truncate);
    EXPECT_EQ(journal::FractionRuleOf("2"), FractionRule::HalfUp);
    EXPECT_EQ(journal::FractionRuleOf("3"), FractionRule::RoundUp);
    EXPECT_EQ(journal::FractionRuleOf(""), FractionRule::None);
    EXPECT_EQ(journal::FractionRuleOf("4"), FractionRule::None);
}

TEST(TaxAmount, ByDateTakesTheRateOfTheDayAndTheAccountFlags)
{
    const journal::TaxRateTable rates = {{dao::Date{2014, 4, 1}, 8, 6}, {dao::Date{2019, 10, 1}, 10, 7}};
    const dao::Date changeDay{2019, 10, 1};
    EXPECT_EQ(journal::TaxExclusiveAmount(rates, changeDay, 10000, true, false, FractionRule::Truncate), 1000);
    EXPECT_EQ(journal::TaxExclusiveAmount(rates, dao::Date{2019, 9, 30}, 10000, true, false, FractionRule::Truncate),
              800);
    EXPECT_EQ(journal::TaxExclusiveAmount(rates, changeDay, 10000, true, true, FractionRule::Truncate), 700);
    EXPECT_EQ(journal::TaxExclusiveAmount(rates, changeDay, 10000, false, false, FractionRule::Truncate), 0);
    EXPECT_EQ(journal::TaxInclusiveAmount(rates, changeDay, 11000, true, false, FractionRule::Truncate), 1000);
    EXPECT_EQ(journal::TaxInclusiveAmount(rates, changeDay, 11000, false, false, FractionRule::Truncate), 0);
}

}  // namespace
