// The breakdown of selling and general administrative expenses and the
// manufacturing cost report of the hand-computed company.
#include "LineText.h"
#include "StatementsFixture.h"

#include "statements/ManufacturingCost.h"
#include "statements/SgaBreakdown.h"
#include "statements/StatementAccounts.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

using namespace statementstest;

namespace {

statements::StatementAccounts fixtureAccounts(StatementsFixture& fx)
{
    fx.recompute();
    return statements::ReadStatementAccounts(*fx.db());
}

}  // namespace

TEST(SgaBreakdown, TheExpenseAccountsAndTheirTotal)
{
    StatementsFixture fx;
    const auto line = [](const std::string& name, long long amount) { return pad(name, 16) + " " + amount18(amount); };
    EXPECT_EQ(statements::SgaBreakdownLines(fixtureAccounts(fx)),
              (std::vector<std::string>{line("給与手当", 1500), line("荷造運賃", 300), " ", line("合計", 1800)}));

    // On screen the movement of the period, whatever the opening balance; a
    // negative movement with its "-"; an account after another 小分類 is
    // outside the run.
    fx.execute("UPDATE \"勘定科目コード表\" SET \"期首残高\" = 40 WHERE \"勘定科目コード\" = '510'");
    fx.execute("UPDATE \"勘定科目コード表\" SET \"小分類\" = '販売管理費' WHERE \"勘定科目コード\" IN ('600', '700')");
    EXPECT_EQ(statements::SgaBreakdownLines(fixtureAccounts(fx)),
              (std::vector<std::string>{line("給与手当", 1500), line("荷造運賃", 300), line("受取利息", -50), " ",
                                        line("合計", 1750)}));
}

TEST(ManufacturingCost, FiguresOfTheFixtureCompanyWithThePurchaseReturnSubtracted)
{
    StatementsFixture fx;
    const auto accounts = fixtureAccounts(fx);
    for (const auto source : {statements::ManufacturingSource::Screen, statements::ManufacturingSource::Paper}) {
        const auto c = statements::ComputeManufacturingCost(accounts, source);
        EXPECT_EQ(c.openingMaterial, 400);
        EXPECT_EQ(c.purchases, 1000);  // 1,200 less the return of 200
        EXPECT_EQ(c.closingMaterial, 250);
        EXPECT_EQ(c.materialCost(), 1150);
        EXPECT_EQ(c.labour, 900);
        EXPECT_EQ(c.expenses, 600);
        EXPECT_EQ(c.totalCost(), 2650);  // Ⅰ + Ⅱ + Ⅲ
        EXPECT_EQ(c.withOpeningWork(), 2750);
        EXPECT_EQ(c.costOfManufacturing(), 2600);
    }
    // Ⅰ 400 + 1,000 − 250 = 1,150; Ⅱ 900; Ⅲ 600; total 2,650; with the opening work 100, 2,750; less the
    // closing work 150, 2,600.
    EXPECT_TRUE(testsupport::MatchesGolden(statements::ManufacturingCostLines(accounts),
                                           "statements/golden/ManufacturingCost.txt"));
}

TEST(ManufacturingCost, ScreenCountsEveryManufacturingAccountPaperTheRunOnly)
{
    statements::StatementAccounts a(3);
    a[0] = {"440", "賃金", 0, "経常損益", "製造原価", "労務費", 0, 900, 0, 0, 900};
    a[1] = {"500", "給与手当", 0, "経常損益", "販売管理費", "販売管理費", 0, 100, 0, 0, 100};
    a[2] = {"450", "外注加工費", 0, "経常損益", "製造原価", "経費", 0, 600, 0, 0, 600};
    EXPECT_EQ(statements::ComputeManufacturingCost(a, statements::ManufacturingSource::Screen).expenses, 600);
    const auto paper = statements::ComputeManufacturingCost(a, statements::ManufacturingSource::Paper);
    EXPECT_EQ(paper.expenses, 0);
    EXPECT_EQ(paper.labour, 900);
    // No material cost, but labour: the report still has figures to print.
    EXPECT_EQ(paper.materialCost(), 0);
    EXPECT_TRUE(paper.anyFigure());
    EXPECT_FALSE(statements::ComputeManufacturingCost({}, statements::ManufacturingSource::Paper).anyFigure());
}
