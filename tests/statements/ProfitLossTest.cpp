// The profit and loss statement of the hand-computed company in report form
// (by closing balances and by period totals) and in account form (profit and
// loss cases).
#include "LineText.h"
#include "StatementsFixture.h"

#include "statements/ProfitLossAccounts.h"
#include "statements/ProfitLossReport.h"
#include "statements/StatementAccounts.h"

#include <gtest/gtest.h>

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
// A line of the first closing list.
std::string First(const std::string& name, long long amount)
{
    return " 　　 " + pad(name, 20) + amount18(amount);
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
    const auto screen = statements::ShowProfitLossReport(fixtureAccounts(fx), statements::ProfitLossFigures::ByBalances);
    const std::vector<std::string> expected = {
        "経常損益の部", " ", "　営業損益",
        "　　売上高", Acc("売上高", 10000),
        Fig(" ", 10000, " 　　 "), "　　仕入高", Acc("仕入高", 3000),
        Fig(" ", 10000), "　　売上原価", Acc("外注原価", 400),
        // The manufacturing accounts belong to none of the nine groups: listed under the last heading.
        Acc("期首原材料棚卸高", 400), Acc("原材料仕入高", 1200), Acc("原材料値引戻し高", 200),
        Acc("期末原材料棚卸高", 250), Acc("賃金", 900), Acc("外注加工費", 600), Acc("期首仕掛品棚卸高", 100),
        Acc("期末仕掛品棚卸高", 150),
        Sub(3400), "", Fig("売上総利益　", 6600, " 　  "), " ", "　　販売費及び一般管理費",
        Acc("給与手当", 1500), Acc("荷造運賃", 300),
        Sub(1800), "　営業外損益", "　　営業外収益", Acc("受取利息", 50),
        Sub(50), "　　営業外費用", Acc("支払利息", 80),
        Sub(80), " ", Fig("経常利益　", 4770), " ", "特別損益の部", "　特別利益", Acc("固定資産売却益", 700),
        Sub(700), "　特別損失", Acc("固定資産除却損", 1000),
        Sub(1000), " ", Fig("税引前当期利益", 1870), "",
        First("法人税等", 900), "",
        Fig("当期純利益額", 970), "",
        Fig("前期繰越利益", 2000), "",
        Fig("当期未処分利益", 2970),
    };
    EXPECT_EQ(screen.report, expected);
    EXPECT_EQ(screen.expenseTotalLine, "");
}

TEST(ProfitLossReport, ByPeriodTotals)
{
    StatementsFixture fx;
    const auto screen = statements::ShowProfitLossReport(fixtureAccounts(fx), statements::ProfitLossFigures::ByTotals);
    // The two opening-stock accounts have no entries: not listed. D = 8,980, R = 11,350.
    const std::vector<std::string> expected = {
        "経常損益の部", " ", "　営業損益",
        "　　売上高", Acc("売上高", 10000),
        Fig(" ", 10000, " 　　 "), "　　仕入高", Acc("仕入高", 3000),
        Fig(" ", 10000), "　　売上原価", Acc("外注原価", 400),
        Acc("原材料仕入高", 1200), Acc("原材料値引戻し高", 200), Acc("期末原材料棚卸高", 250), Acc("賃金", 900),
        Acc("外注加工費", 600), Acc("期末仕掛品棚卸高", 150),
        Sub(3400), "", Fig("売上総利益　", 6600, " 　  "), " ", "　　販売費及び一般管理費",
        Acc("給与手当", 1500), Acc("荷造運賃", 300),
        Sub(1800), "　営業外損益", "　　営業外収益", Acc("受取利息", 50),
        Sub(50), "　　営業外費用", Acc("支払利息", 80),
        Sub(80), " ", Fig("経常利益　", 4770), " ", "特別損益の部", "　特別利益", Acc("固定資産売却益", 700),
        Sub(700), "　特別損失", Acc("固定資産除却損", 1000),
        Sub(1000), " ", Fig("税引前当期利益", 2370), "",
        First("法人税等", 900), "",
        Fig("当期純利益額", 1470), "",
        Fig("前期繰越利益", 2000), "",
        Fig("当期未処分利益", 3470),
    };
    EXPECT_EQ(screen.report, expected);
    EXPECT_EQ(screen.expenseTotalLine, pad("　　      費用合計", 20) + " " + amount18(8980));
}

TEST(ProfitLossReport, ALossAndOddAccountsOfTheRun)
{
    statements::StatementAccounts a(4);
    a[0] = {"400", "売上高", 1, "経常損益", "営業損益", "売上高", 0, 0, 0, 0, 300};
    a[1] = {"500", "給与手当", 0, "経常損益", "販売管理費", "販売管理費", 0, 0, 0, 0, 1000};
    a[2] = {"501", "雑費", 2, "経常損益", "販売管理費", "販売管理費", 0, 0, 0, 0, 70};   // neither side: no line, feeds H
    a[3] = {"800", "法人税等", 0, "決算", "決算１", "", 0, 0, 0, 0, 0};
    const auto screen = statements::ShowProfitLossReport(a, statements::ProfitLossFigures::ByBalances);
    const std::vector<std::string> expected = {
        "経常損益の部", " ", "　営業損益", "　　売上高", Acc("売上高", 300),
        Sub(0), "", Fig("売上総利益　", 300, " 　  "), " ", "　　販売費及び一般管理費", Acc("給与手当", 1000),
        " ", Fig("当期損失", 700), "", "", "", "",
    };
    EXPECT_EQ(screen.report, expected);
}

TEST(ProfitLossAccounts, ManufacturingAccountsAreLeftOutUnlessTheIndustryIsTrade)
{
    StatementsFixture fx;
    const auto accounts = fixtureAccounts(fx);
    const auto line = [](const std::string& name, long long amount) { return pad(name, 20) + " " + amount18(amount); };

    const auto manufacturing = statements::ShowProfitLossAccounts(accounts, statements::ProfitLossFigures::ByBalances, 2);
    EXPECT_EQ(manufacturing.expenses,
              (std::vector<std::string>{line("仕入高", 3000), line("外注原価", 400), line("給与手当", 1500),
                                        line("荷造運賃", 300), line("支払利息", 80), line("固定資産除却損", 1000), " ",
                                        line("税引前当期利益", 4470)}));
    EXPECT_EQ(manufacturing.revenues,
              (std::vector<std::string>{line("売上高", 10000), line("受取利息", 50), line("固定資産売却益", 700)}));
    EXPECT_EQ(manufacturing.expenseTotal, 10750);
    EXPECT_EQ(manufacturing.revenueTotal, 10750);

    const auto trade = statements::ShowProfitLossAccounts(accounts, statements::ProfitLossFigures::ByBalances, 1);
    EXPECT_EQ(trade.expenses.size(), 11u + 2u);
    EXPECT_EQ(trade.expenses.back(), line("税引前当期利益", 1870));
    EXPECT_EQ(trade.expenseTotal, 11350);
    EXPECT_EQ(trade.revenueTotal, 11350);

    // By totals the opening stocks, which have no entries, are left out even for trade.
    const auto totals = statements::ShowProfitLossAccounts(accounts, statements::ProfitLossFigures::ByTotals, 1);
    EXPECT_EQ(totals.expenses.back(), line("税引前当期利益", 2370));
    EXPECT_EQ(totals.revenueTotal, 11350);
}

TEST(ProfitLossAccounts, ALossStandsOnTheRevenueSideAndBothBoxesShowTheExpenses)
{
    statements::StatementAccounts a(2);
    a[0] = {"400", "売上高", 1, "経常損益", "営業損益", "売上高", 0, 0, 1000, 0, 1000};
    a[1] = {"500", "給与手当", 0, "経常損益", "販売管理費", "販売管理費", 0, 1500, 0, 0, 1500};
    const auto line = [](const std::string& name, long long amount) { return pad(name, 20) + " " + amount18(amount); };
    for (const auto figures : {statements::ProfitLossFigures::ByBalances, statements::ProfitLossFigures::ByTotals}) {
        const auto form = statements::ShowProfitLossAccounts(a, figures, 0);
        EXPECT_EQ(form.expenses, (std::vector<std::string>{line("給与手当", 1500), " "}));
        EXPECT_EQ(form.revenues, (std::vector<std::string>{line("売上高", 1000), line("当期損失", 500)}));
        EXPECT_EQ(form.expenseTotal, 1500);
        EXPECT_EQ(form.revenueTotal, 1500);
    }
    // Equal totals are a loss of 0.
    a[1].closing = 1000;
    a[1].debitTotal = 1000;
    const auto even = statements::ShowProfitLossAccounts(a, statements::ProfitLossFigures::ByBalances, 0);
    EXPECT_EQ(even.revenues.back(), line("当期損失", 0));
}
