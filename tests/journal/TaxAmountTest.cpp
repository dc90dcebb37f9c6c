#include "journal/TaxAmount.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <limits>

using journal::FractionRule;

namespace {

struct TaxCase {
    std::int64_t amount;
    int rate;
    FractionRule rule;
    std::int32_t expected;
};

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
    ::testing::Values(
        TaxCase{1005, 8, FractionRule::Truncate, 80},    // 80.4
        TaxCase{1005, 8, FractionRule::HalfUp, 80},
        TaxCase{1005, 8, FractionRule::RoundUp, 81},
        TaxCase{1001, 8, FractionRule::Truncate, 80},    // 80.08
        TaxCase{1001, 8, FractionRule::HalfUp, 80},
        TaxCase{1001, 8, FractionRule::RoundUp, 81},     // a true round-up, however small the fraction
        TaxCase{1000, 8, FractionRule::RoundUp, 80},     // no fraction, nothing to raise
        TaxCase{-153, 8, FractionRule::Truncate, -12},   // -12.24
        TaxCase{-153, 8, FractionRule::HalfUp, -12},
        TaxCase{-153, 8, FractionRule::RoundUp, -13},    // away from zero
        TaxCase{-125, 10, FractionRule::HalfUp, -13},    // -12.5: half away from zero
        TaxCase{125, 10, FractionRule::HalfUp, 13},
        TaxCase{-125, 10, FractionRule::Truncate, -12},
        TaxCase{1005, 8, FractionRule::None, 0},
        // 64-bit products: 2,000,000,000 x 10 does not fit 32 bits, the tax does.
        TaxCase{2000000000, 10, FractionRule::Truncate, 200000000},
        TaxCase{2147483647, 10, FractionRule::RoundUp, 214748365},
        TaxCase{-2147483648LL, 10, FractionRule::HalfUp, -214748365}), journal::testing::kCaseName);

class TaxContainedTest : public ::testing::TestWithParam<TaxCase> {};

TEST_P(TaxContainedTest, RoundsByTheFractionRule)
{
    const TaxCase& c = GetParam();
    EXPECT_EQ(journal::TaxContained(c.amount, c.rate, c.rule), std::optional<std::int32_t>(c.expected))
        << c.amount << " at " << c.rate << "% " << ruleName(c.rule);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TaxContainedTest,
    ::testing::Values(
        TaxCase{1000, 10, FractionRule::Truncate, 90},   // 90.909...
        TaxCase{1000, 10, FractionRule::HalfUp, 91},
        TaxCase{1000, 10, FractionRule::RoundUp, 91},
        TaxCase{1080, 8, FractionRule::Truncate, 80},
        TaxCase{1080, 8, FractionRule::HalfUp, 80},
        TaxCase{1080, 8, FractionRule::RoundUp, 80},
        TaxCase{-1000, 10, FractionRule::RoundUp, -91},
        TaxCase{-1000, 10, FractionRule::HalfUp, -91},
        TaxCase{2147483647, 10, FractionRule::Truncate, 195225786},
        TaxCase{1000, 10, FractionRule::None, 0}), journal::testing::kCaseName);

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
    EXPECT_EQ(journal::TaxExclusiveAmount(rates, dao::Date{2019, 9, 30}, 10000, true, false, FractionRule::Truncate), 800);
    EXPECT_EQ(journal::TaxExclusiveAmount(rates, changeDay, 10000, true, true, FractionRule::Truncate), 700);
    EXPECT_EQ(journal::TaxExclusiveAmount(rates, changeDay, 10000, false, false, FractionRule::Truncate), 0);
    EXPECT_EQ(journal::TaxInclusiveAmount(rates, changeDay, 11000, true, false, FractionRule::Truncate), 1000);
    EXPECT_EQ(journal::TaxInclusiveAmount(rates, changeDay, 11000, false, false, FractionRule::Truncate), 0);
}

}  // namespace
