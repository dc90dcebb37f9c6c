// The balance sheet of the hand-computed company in report and account form,
// with the period's profit line, and the cases of the cash line, missing
// sections and differing totals.
#include "LineText.h"
#include "StatementsFixture.h"

#include "statements/BalanceSheet.h"
#include "statements/PeriodProfit.h"
#include "statements/StatementAccounts.h"
#include "support/Golden.h"

#include <gtest/gtest.h>

using namespace statementstest;

namespace {

// An amount line: " ", the label in `width` bytes, " ", the amount in 18.
std::string L(const std::string& label, long long amount, int width = 30)
{
    return " " + pad(label, width) + " " + amount18(amount);
}

const std::string kAssets = "　　　　　　　　資産合計";
const std::string kLiabilities = "　　　　　　　　負債合計";
const std::string kCapital = "　　　　　　　　資本合計";
const std::string kGrand = "　　　　　負債、資本合計";

statements::BalanceSheet fixtureSheet(StatementsFixture& fx)
{
    fx.recompute();
    const auto accounts = statements::ReadStatementAccounts(*fx.db());
    return statements::WalkBalanceSheet(accounts, statements::ComputePeriodProfit(accounts).unappropriated());
}

statements::StatementAccount account(const char* name, const char* major, const char* middle, const char* minor,
                                     long long opening)
{
    statements::StatementAccount a;
    a.name = name;
    a.major = major;
    a.middle = middle;
    a.minor = minor;
    a.opening = opening;
    return a;
}

}  // namespace

TEST(BalanceSheet, ReportFormOfTheFixtureCompanyWithItsProfitLineAndEqualTotals)
{
    StatementsFixture fx;
    const auto sheet = fixtureSheet(fx);
    // 現金預金 9,070 is 現金 3,000 and 普通預金 6,070 in one line; assets 22,470 equal liabilities 4,500 and
    // capital 17,970 (資本金 14,500, 利益準備金 500 and the period's 当期未処分利益 2,970).
    EXPECT_TRUE(testsupport::MatchesGolden(statements::BalanceSheetReportRows(sheet),
                                           "statements/golden/BalanceSheetReportForm.txt"));
    EXPECT_FALSE(sheet.totalsDiffer());
    EXPECT_EQ(statements::BalanceSheetNotice(sheet), "");
}

TEST(BalanceSheet, AccountFormOfTheFixtureCompany)
{
    StatementsFixture fx;
    const auto form = statements::BalanceSheetAccountRows(fixtureSheet(fx));
    const auto A = [](const std::string& label, long long amount) { return L(label, amount, 26); };
    EXPECT_EQ(form.lists[0],
              (std::vector<std::string>{"（資産の部）", "", "流動資産", A("現金預金", 9070), A("売掛金", 4000),
                                        A("原材料", 250), A("仕掛品", 150), A("流動資産合計", 13470), "固定資産",
                                        A("建物", 9000), A("固定資産合計", 9000), A(kAssets, 22470)}));
    EXPECT_EQ(form.lists[1],
              (std::vector<std::string>{"（負債の部）", "流動負債", A("買掛金", 3000), A("未払金", 600),
                                        A("未払法人税等", 900), A("流動負債合計", 4500), A(kLiabilities, 4500)}));
    EXPECT_EQ(form.lists[2],
              (std::vector<std::string>{"（資本の部）", "資本金", A("資本金", 14500), A("資本金合計", 14500), "剰余金",
                                        A("利益準備金", 500), A("剰余金合計", 500), A("当期未処分利益", 2970),
                                        A(kCapital, 17970), A(kGrand, 22470)}));
    ASSERT_TRUE(form.boxes[0] && form.boxes[1] && form.boxes[2] && form.boxes[3]);
    EXPECT_EQ(*form.boxes[0], 22470);
    EXPECT_EQ(*form.boxes[1], 4500);
    EXPECT_EQ(*form.boxes[2], 17970);
    EXPECT_EQ(*form.boxes[3], 22470);
}

TEST(BalanceSheet, ALossIsACapitalLineOfItsOwnNameAndDifferingTotalsAreTold)
{
    statements::StatementAccounts accounts = {
        account("現金", "資産の部", "流動資産", "現金預金", 1000),
        account("資本金", "資本の部", "資本金", "資本金", 1500),
        account("売上高", "経常損益", "営業損益", "売上高", 0),
    };
    const auto sheet = statements::WalkBalanceSheet(accounts, -500);
    const auto rows = statements::BalanceSheetReportRows(sheet);
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[rows.size() - 3], L("当期未処理損失", -500));
    EXPECT_EQ(rows[rows.size() - 2], L(kCapital, 1000));
    EXPECT_EQ(rows.back(), L(kGrand, 1000));
    EXPECT_FALSE(sheet.totalsDiffer());

    // A profit nobody booked against an asset: the totals differ, and the notice says by how much.
    const auto unbalanced = statements::WalkBalanceSheet(accounts, 300);
    EXPECT_TRUE(unbalanced.totalsDiffer());
    EXPECT_EQ(statements::BalanceSheetNotice(unbalanced), "資産合計と負債、資本合計が一致しません（差額 -800 円）");
}

// The cash and deposit accounts closing their group: their line comes before
// the subtotal (and not under the next group, nor never).
TEST(BalanceSheet, CashLineIsWrittenBeforeTheSubtotalWhenTheCashAccountsEndTheGroup)
{
    statements::StatementAccounts accounts = {
        account("売掛金", "資産の部", "流動資産", "売上債権", 200),
        account("現金", "資産の部", "流動資産", "現金預金", 100),
        account("普通預金", "資産の部", "流動資産", "現金預金", 50),
        account("建物", "資産の部", "固定資産", "有形固定資産", 0),  // amount 0: no line
        account("買掛金", "負債の部", "流動負債", "仕入債務", 350),
        account("資本金", "資本の部", "資本金", "資本金", 0),
    };
    const auto rows = statements::BalanceSheetReportRows(statements::WalkBalanceSheet(accounts, 0));
    const std::vector<std::string> expected = {
        "（資産の部）",
        "",
        "流動資産",
        L("売掛金", 200),
        L("現金預金", 150),
        " ",
        L("流動資産合計", 350),
        " ",
        "固定資産",
        " ",
        L("固定資産合計", 0),
        " ",
        L(kAssets, 350),
        "（負債の部）",
        "",
        "流動負債",
        L("買掛金", 350),
        " ",
        L("流動負債合計", 350),
        " ",
        L(kLiabilities, 350),
        "（資本の部）",
        "",
        "資本金",
        " ",
        L("資本金合計", 0),
        " ",
        L("当期未処分利益", 0),
        L(kCapital, 0),
        L(kGrand, 350),
    };
    EXPECT_EQ(rows, expected);
}

// Charts without liabilities, or ending with the capital accounts: the walk
// never reads past the last account, and a missing section is empty.
TEST(BalanceSheet, AMissingSectionIsEmptyAndTheLastAccountEndsTheWalk)
{
    statements::StatementAccounts accounts = {
        account("現金", "資産の部", "流動資産", "現金預金", 700),
        account("資本金", "資本の部", "資本金", "資本金", 700),
    };
    const auto sheet = statements::WalkBalanceSheet(accounts, 0);
    const std::vector<std::string> expected = {
        "（資産の部）",
        "",
        "流動資産",
        L("現金預金", 700),
        " ",
        L("流動資産合計", 700),
        " ",
        L(kAssets, 700),
        "（負債の部）",
        "",
        L(kLiabilities, 0),
        "（資本の部）",
        "",
        "資本金",
        L("資本金", 700),
        " ",
        L("資本金合計", 700),
        " ",
        L("当期未処分利益", 0),
        L(kCapital, 700),
        L(kGrand, 700),
    };
    EXPECT_EQ(statements::BalanceSheetReportRows(sheet), expected);
    EXPECT_FALSE(sheet.totalsDiffer());

    const auto form = statements::BalanceSheetAccountRows(sheet);
    EXPECT_EQ(form.lists[1], (std::vector<std::string>{"（負債の部）", L(kLiabilities, 0, 26)}));
}

TEST(BalanceSheet, LongLabelsAreCutWithoutSplittingACharacter)
{
    statements::StatementAccounts accounts = {
        account("A長い名前の勘定科目ですが三十バイトを超えます", "資産の部", "流動資産", "売上債権", 10),
    };
    const auto rows = statements::BalanceSheetReportRows(statements::WalkBalanceSheet(accounts, 0));
    ASSERT_GE(rows.size(), 4u);
    // 30 bytes: "A" and fourteen double-byte characters, then a blank where "バ" would straddle the end.
    EXPECT_EQ(rows[3], " A長い名前の勘定科目ですが三十  " + amount18(10));
    const auto form = statements::BalanceSheetAccountRows(statements::WalkBalanceSheet(accounts, 0));
    EXPECT_EQ(form.lists[0][3], " A長い名前の勘定科目ですが  " + amount18(10));
}

TEST(BalanceSheet, SectionTotalsBeyondThirtyTwoBitsAreShownWhole)
{
    statements::StatementAccounts accounts = {
        account("売掛金", "資産の部", "流動資産", "売上債権", 2000000000),
        account("建物", "資産の部", "流動資産", "有形固定資産", 2000000000),
        account("資本金", "資本の部", "資本金", "資本金", 2100000000),
    };
    const auto sheet = statements::WalkBalanceSheet(accounts, 1900000000);
    EXPECT_EQ(sheet.assetsTotal.value_or(0), 4000000000LL);
    EXPECT_EQ(sheet.grandTotal.value_or(0), 4000000000LL);
    const auto rows = statements::BalanceSheetReportRows(sheet);
    EXPECT_EQ(rows.back(), L(kGrand, 4000000000LL));
}
