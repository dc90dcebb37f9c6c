// The statutory rate tables: the rows everyone knows, complete lives, and every
// row checked against the way the tables are built.

#include "registers/StatutoryRates.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using registers::DepreciationRules;
using registers::StatutoryRatesFor;
using registers::StatutoryRateTable;

TEST(StatutoryRates, KnownRowsOfBothTables)
{
    const auto rows200Ten = StatutoryRatesFor(DepreciationRules::From2012, 10);
    ASSERT_TRUE(rows200Ten);
    EXPECT_EQ(rows200Ten->decliningBalance, 20000);  // 0.200
    EXPECT_EQ(rows200Ten->revised, 25000);           // 0.250
    EXPECT_EQ(rows200Ten->guarantee, 6552);          // 0.06552

    const auto rows200Eight = StatutoryRatesFor(DepreciationRules::From2012, 8);
    ASSERT_TRUE(rows200Eight);
    EXPECT_EQ(rows200Eight->decliningBalance, 25000);  // 0.250
    EXPECT_EQ(rows200Eight->revised, 33400);           // 0.334
    EXPECT_EQ(rows200Eight->guarantee, 7909);          // 0.07909

    const auto rows250Ten = StatutoryRatesFor(DepreciationRules::From2007, 10);
    ASSERT_TRUE(rows250Ten);
    EXPECT_EQ(rows250Ten->decliningBalance, 25000);  // 0.250
    EXPECT_EQ(rows250Ten->revised, 33400);           // 0.334
    EXPECT_EQ(rows250Ten->guarantee, 4448);          // 0.04448
    EXPECT_EQ(rows250Ten->straightLine, 10000);      // 0.100
}

TEST(StatutoryRates, RuleSetsFollowTheAcquisitionDate)
{
    EXPECT_EQ(registers::RulesFor({2007, 3, 31}), DepreciationRules::Before2007);
    EXPECT_EQ(registers::RulesFor({2007, 4, 1}), DepreciationRules::From2007);
    EXPECT_EQ(registers::RulesFor({2012, 3, 31}), DepreciationRules::From2007);
    EXPECT_EQ(registers::RulesFor({2012, 4, 1}), DepreciationRules::From2012);
    EXPECT_TRUE(StatutoryRateTable(DepreciationRules::Before2007).empty());
}

TEST(StatutoryRates, EveryLifeFromTwoToFiftyAndNoOther)
{
    for (DepreciationRules rules : {DepreciationRules::From2007, DepreciationRules::From2012}) {
        const auto table = StatutoryRateTable(rules);
        ASSERT_EQ(table.size(), 49u);
        for (std::size_t i = 0; i < table.size(); ++i)
            EXPECT_EQ(table[i].lifeYears, static_cast<int>(i) + 2);
        EXPECT_FALSE(StatutoryRatesFor(rules, 1));
        EXPECT_FALSE(StatutoryRatesFor(rules, 51));
    }
}

// The straight-line rate of a life: 1 / life rounded up to three decimals.
int StraightLineOf(int years)
{
    return (1000 + years - 1) / years * 100;
}

// Every row is checked against how the ordinance builds its tables:
//   - the declining-balance rate is 2.5 / life (250 %) or 2 / life (200 %),
//     rounded half up to three decimals, at most 1;
//   - the straight-line rate is 1 / life rounded up to three decimals;
//   - the revised rate is the straight-line rate of the years left when the
//     declining charge on a cost of 1 first falls below the guarantee rate.
// A digit mistyped in the transcription breaks one of these.
TEST(StatutoryRates, EveryRowFollowsTheConstructionOfTheTable)
{
    for (const auto& [rules, factor] :
         {std::pair{DepreciationRules::From2007, 2.5}, {DepreciationRules::From2012, 2.0}}) {
        for (const auto& row : StatutoryRateTable(rules)) {
            SCOPED_TRACE(::testing::Message() << "factor " << factor << ", life " << row.lifeYears);
            const int n = row.lifeYears;
            EXPECT_EQ(row.straightLine, StraightLineOf(n));
            const int declining = std::min(1000, static_cast<int>(std::floor(factor * 1000 / n + 0.5))) * 100;
            EXPECT_EQ(row.decliningBalance, declining);
            if (n == 2) {
                EXPECT_EQ(row.revised, 0);
                EXPECT_EQ(row.guarantee, 0);
                continue;
            }
            const double rate = row.decliningBalance / 100000.0;
            const double guarantee = row.guarantee / 100000.0;
            double bookValue = 1;
            int year = 1;
            while (bookValue * rate >= guarantee && year <= n) {
                bookValue *= 1 - rate;
                ++year;
            }
            const int yearsLeft = n - year + 1;
            ASSERT_GE(yearsLeft, 1);
            EXPECT_EQ(row.revised, yearsLeft == 1 ? 100000 : StraightLineOf(yearsLeft));
        }
    }
}

// The 旧定率法 rates leave 10 % of the cost after the life: 1 − 0.1^(1/life),
// to three decimals (the published table strays from plain rounding by one
// thousandth at 24 and 34 years), from 0.684 at 2 years to 0.045 at 50.
TEST(StatutoryRates, OldDecliningBalanceRatesFollowTheTenPercentResidue)
{
    EXPECT_EQ(registers::OldDecliningBalanceRate(10), 20600);
    EXPECT_EQ(registers::OldDecliningBalanceRate(2), 68400);
    EXPECT_EQ(registers::OldDecliningBalanceRate(50), 4500);
    EXPECT_FALSE(registers::OldDecliningBalanceRate(1));
    EXPECT_FALSE(registers::OldDecliningBalanceRate(51));
    for (int n = 2; n <= 50; ++n) {
        const double exact = 1 - std::pow(0.1, 1.0 / n);
        EXPECT_LT(std::abs(*registers::OldDecliningBalanceRate(n) / 100000.0 - exact), 0.001) << "life " << n;
    }
}

}  // namespace
