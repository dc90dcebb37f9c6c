// The trial balance of the hand-computed company: opening balances in the
// total column of the natural side, balances as the difference of the totals.
#include "LineText.h"
#include "StatementsFixture.h"

#include "statements/StatementAccounts.h"
#include "statements/TrialBalance.h"

#include <gtest/gtest.h>

using namespace statementstest;

namespace {

struct TbRow {
    const char* name;
    long long debitBalance, debitTotal, creditTotal, creditBalance;
};

std::string field16(long long amount, bool blankWhenZero = true)
{
    return amount == 0 && blankWhenZero ? std::string(16, ' ') : right(yen(amount), 16);
}

std::string tbLine(const TbRow& r, bool blankWhenZero = true)
{
    return field16(r.debitBalance, blankWhenZero) + " " + field16(r.debitTotal, blankWhenZero) + "　" + pad(r.name, 20)
        + " " + field16(r.creditTotal, blankWhenZero) + " " + field16(r.creditBalance, blankWhenZero);
}

}  // namespace

TEST(TrialBalance, EveryAccountWithItsOpeningBalanceAndTheSums)
{
    StatementsFixture fx;
    fx.recompute();
    const auto lines = statements::TrialBalanceLines(statements::ReadStatementAccounts(*fx.db()));

    // debit balance, debit total (opening included), credit total, credit balance
    const TbRow expected[] = {
        {"現金", 3000, 3700, 700, 0},
        {"普通預金", 6070, 11050, 4980, 0},
        {"売掛金", 4000, 10000, 6000, 0},
        {"原材料", 250, 250, 0, 0},
        {"仕掛品", 150, 150, 0, 0},
        {"建物", 9000, 10000, 1000, 0},
        {"買掛金", 0, 2700, 5700, 3000},
        {"未払金", 0, 0, 600, 600},
        {"未払法人税等", 0, 0, 900, 900},
        {"資本金", 0, 0, 14500, 14500},  // no movement: listed for its opening balance
        {"利益準備金", 0, 0, 500, 500},
        {"売上高", 0, 0, 10000, 10000},
        {"仕入高", 3000, 3000, 0, 0},
        {"外注原価", 400, 400, 0, 0},
        {"期首原材料棚卸高", 400, 400, 0, 0},
        {"原材料仕入高", 1200, 1200, 0, 0},
        {"原材料値引戻し高", 0, 0, 200, 200},
        {"期末原材料棚卸高", 0, 0, 250, 250},
        {"賃金", 900, 900, 0, 0},
        {"外注加工費", 600, 600, 0, 0},
        {"期首仕掛品棚卸高", 100, 100, 0, 0},
        {"期末仕掛品棚卸高", 0, 0, 150, 150},
        {"給与手当", 1500, 1500, 0, 0},
        {"荷造運賃", 300, 300, 0, 0},
        {"受取利息", 0, 0, 50, 50},
        {"支払利息", 80, 80, 0, 0},
        {"固定資産売却益", 0, 0, 700, 700},
        {"固定資産除却損", 1000, 1000, 0, 0},
        {"法人税等", 900, 900, 0, 0},
        {"前期繰越利益", 0, 0, 2000, 2000},
        // 諸口 has neither an opening balance nor entries: left out.
    };
    const std::size_t count = std::size(expected);
    ASSERT_EQ(lines.size(), count + 2);
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(lines[i], tbLine(expected[i])) << i;
        EXPECT_EQ(byteWidth(lines[i]), 89);
    }
    const std::string dashes(16, '-');
    EXPECT_EQ(lines[count], dashes + " " + dashes + "　" + std::string(20, ' ') + " " + dashes + " " + dashes);
    // The two total columns agree, and so do the two balance columns.
    EXPECT_EQ(lines[count + 1], tbLine({"", 32850, 48230, 48230, 32850}));
}

TEST(TrialBalance, NegativeOpeningBalanceGoesToTheOtherSideAndAnEmptyChartShowsZeroSums)
{
    statements::StatementAccounts accounts(2);
    accounts[0] = {"100", "現金", 0, "資産の部", "流動資産", "現金預金", -300, 100, 0};
    accounts[1] = {"200", "買掛金", 1, "負債の部", "流動負債", "仕入債務", -50, 0, 0};
    const auto lines = statements::TrialBalanceLines(accounts);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], tbLine({"現金", 0, 100, 300, 200}));
    EXPECT_EQ(lines[1], tbLine({"買掛金", 50, 50, 0, 0}));
    EXPECT_EQ(lines[3], tbLine({"", 50, 150, 300, 200}, false));

    const auto empty = statements::TrialBalanceLines({});
    ASSERT_EQ(empty.size(), 2u);
    EXPECT_EQ(empty[1], tbLine({"", 0, 0, 0, 0}, false));
}

// Sums beyond the 32-bit range of an amount are shown whole, never wrapped.
TEST(TrialBalance, SumsBeyondThirtyTwoBitsAreShownWhole)
{
    statements::StatementAccounts accounts(2);
    accounts[0] = {"100", "現金", 0, "資産の部", "流動資産", "現金預金", 2000000000, 2000000000, 0};
    accounts[1] = {"200", "借入金", 1, "負債の部", "固定負債", "固定負債", 2000000000, 0, 0};
    const auto lines = statements::TrialBalanceLines(accounts);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], tbLine({"現金", 4000000000, 4000000000, 0, 0}));
    EXPECT_EQ(lines[3], tbLine({"", 4000000000, 4000000000, 2000000000, 2000000000}, false));
}
