// The profit and loss statement of the hand-computed company in report form
// (by closing balances and by period totals) and in account form (profit and
// loss cases).
#include "LineText.h"
#include "StatementsFixture.h"

#include "statements/ProfitLossAccounts.h"
#include "statements/ProfitLossReport.h"
#include "statements/StatementAccounts.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace statementstest;

namespace {

const std::string kBlank18(18, ' ');

// An account line: "  　　", the name in 20 bytes, the amount in 18.
std::string Acc(const std::string& name, long long amount)
{
    return "  　　" + pad(name, 20) + amount18(amount);
}
// A figure line: its prefix, the label in 20 bytes, 18 blanks, the amount.
std::string Fig(const std::string& label, long long amount, const std::string& prefix = "　　 ")
{
    return prefix + pad(label, 20) + kBlank18 + amount18(amount);
}
std::string Sub(long long amount)
{
    return Fig(" 　", amount);
}

statements::StatementAccounts fixtureAccounts(StatementsFixture& fx)
{
    fx.recompute();
    return statements::ReadStatementAccounts(*fx.db());
}

}  // namespace

TEST(ProfitLossReport, ByClosingBalances)
{
    StatementsFixture fx;
    const auto screen =
        statements::ShowProfitLossReport(fixtureAccounts(fx), statements::ProfitLossFigures::ByBalances);
    // The manufacturing accounts make one line, their net cost: 400 + 1,200 − 200 − 250 + 900 + 600 + 100 − 150
    // = 2,600 (the manufacturing cost report's 当期製造原価). Cost of sales 3,000 + 400 + 2,600 = 6,000.
    EXPECT_TRUE(testsupport::MatchesGolden(screen.report, "statements/golden/ProfitLossByClosingBalances.txt"));
    EXPECT_EQ(screen.expenseTotalLine, "");
}

TEST(ProfitLossReport, ByPeriodTotals)
{
    StatementsFixture fx;
    const auto accounts = fixtureAccounts(fx);
    const auto screen = statements::ShowProfitLossReport(accounts, statements::ProfitLossFigures::ByTotals);
    // Every profit and loss account's figure for the period is its opening balance plus its movement, so the
    // two opening stocks, which have no entries, count with their opening balances (400 and 100) and the
    // statement reads as by closing balances, down to 当期未処分利益 2,970 (the balance sheet's profit line).
    EXPECT_EQ(screen.report,
              statements::ShowProfitLossReport(accounts, statements::ProfitLossFigures::ByBalances).report);
    EXPECT_NE(std::find(screen.report.begin(), screen.report.end(), Fig("当期未処分利益", 2970)), screen.report.end());
    // D: 3,000 + 400 + 400 + 1,200 + 900 + 600 + 100 + 1,500 + 300 + 80 + 1,000.
    EXPECT_EQ(screen.expenseTotalLine, pad("　　      費用合計", 20) + " " + amount18(9480));
}

TEST(ProfitLossReport, ALossAndOddAccountsOfTheRun)
{
    statements::StatementAccounts a(4);
    a[0] = {"400", "売上高", 1, "経常損益", "営業損益", "売上高", 0, 0, 0, 0, 300};
    a[1] = {"500", "給与手当", 0, "経常損益", "販売管理費", "販売管理費", 0, 0, 0, 0, 1000};
    a[2] = {"501", "雑費", 2, "経常損益", "販売管理費", "販売管理費", 0,
            0,     0,      0, 70};  // neither side: no line, feeds H
    a[3] = {"800", "法人税等", 0, "決算", "決算１", "", 0, 0, 0, 0, 0};
    const auto screen = statements::ShowProfitLossReport(a, statements::ProfitLossFigures::ByBalances);
    const std::vector<std::string> expected = {
        "経常損益の部",
        " ",
        "　営業損益",
        "　　売上高",
        Acc("売上高", 300),
        Sub(0),
        "",
        Fig("売上総利益　", 300, " 　  "),
        " ",
        "　　販売費及び一般管理費",
        Acc("給与手当", 1000),
        // The expenses' total closes them though nothing follows; 雑費 is in it, not in the result.
        Sub(1070),
        " ",
        Fig("当期損失", 700),
        "",
        "",
        "",
        "",
    };
    EXPECT_EQ(screen.report, expected);
}

TEST(ProfitLossAccounts, ManufacturingAccountsMakeOneCostLineWhateverTheIndustry)
{
    StatementsFixture fx;  // 業種 2
    const auto accounts = fixtureAccounts(fx);
    const auto line = [](const std::string& name, long long amount) { return pad(name, 20) + " " + amount18(amount); };

    // Both readings: the net cost 2,600 where the first manufacturing account stands; expenses 8,880,
    // revenues 10,750, the profit 1,870 of the balance sheet (by totals the opening stocks count too).
    for (const auto figures : {statements::ProfitLossFigures::ByBalances, statements::ProfitLossFigures::ByTotals}) {
        const auto form = statements::ShowProfitLossAccounts(accounts, figures);
        EXPECT_EQ(form.expenses,
                  (std::vector<std::string>{line("仕入高", 3000), line("外注原価", 400), line("当期製品製造原価", 2600),
                                            line("給与手当", 1500), line("荷造運賃", 300), line("支払利息", 80),
                                            line("固定資産除却損", 1000), " ", line("税引前当期利益", 1870)}));
        EXPECT_EQ(form.revenues,
                  (std::vector<std::string>{line("売上高", 10000), line("受取利息", 50), line("固定資産売却益", 700)}));
        EXPECT_EQ(form.expenseTotal, 10750);
        EXPECT_EQ(form.revenueTotal, 10750);
    }
}

TEST(ProfitLossAccounts, ALossStandsOnTheRevenueSideAndBothBoxesShowTheExpenses)
{
    statements::StatementAccounts a(2);
    a[0] = {"400", "売上高", 1, "経常損益", "営業損益", "売上高", 0, 0, 1000, 0, 1000};
    a[1] = {"500", "給与手当", 0, "経常損益", "販売管理費", "販売管理費", 0, 1500, 0, 0, 1500};
    const auto line = [](const std::string& name, long long amount) { return pad(name, 20) + " " + amount18(amount); };
    for (const auto figures : {statements::ProfitLossFigures::ByBalances, statements::ProfitLossFigures::ByTotals}) {
        const auto form = statements::ShowProfitLossAccounts(a, figures);
        EXPECT_EQ(form.expenses, (std::vector<std::string>{line("給与手当", 1500), " "}));
        EXPECT_EQ(form.revenues, (std::vector<std::string>{line("売上高", 1000), line("当期損失", 500)}));
        EXPECT_EQ(form.expenseTotal, 1500);
        EXPECT_EQ(form.revenueTotal, 1500);
    }
    // Equal totals are a loss of 0.
    a[1].closing = 1000;
    a[1].debitTotal = 1000;
    const auto even = statements::ShowProfitLossAccounts(a, statements::ProfitLossFigures::ByBalances);
    EXPECT_EQ(even.revenues.back(), line("当期損失", 0));
}
