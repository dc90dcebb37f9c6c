// One profit on every form: the profit and loss statement in report form (on
// screen by closing balances and by period totals, and on the printed sheet)
// and in account form (by balances and by totals) reaches the 税引前当期利益
// worked out by hand, the 当期未処分利益 of the balance sheet's profit line
// and, for a manufacturer, the 当期製品製造原価 of the manufacturing cost
// report. Each company is a small period file of its own, tallied from its
// journal.
#include "LineText.h"

#include "common/PrintRoutines.h"
#include "platform/printing/RecordingPrinter.h"
#include "statements/BalanceSheet.h"
#include "statements/ManufacturingCost.h"
#include "statements/PeriodFigures.h"
#include "statements/PeriodProfit.h"
#include "statements/ProfitLossAccounts.h"
#include "statements/ProfitLossReport.h"
#include "support/CaseName.h"
#include "support/FixtureRows.h"
#include "support/TempPeriodFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <optional>
#include <ostream>

using namespace statementstest;

namespace {

struct Entry {
    const char* date;
    const char* debit;
    long long amount;
    const char* credit;
    bool closing = false;
};

struct Company {
    const char* name;
    int industry;  // 業種
    std::vector<testsupport::ChartAccount> chart;
    std::vector<Entry> journal;
    // Worked out by hand:
    long long beforeTax;          // 税引前当期利益 (negative: 当期損失)
    long long unappropriated;     // 当期未処分利益, the balance sheet's profit line
    bool carriedForward;          // a 決算２ balance: the report form shows 当期未処分利益
    long long manufacturingCost;  // 当期製品製造原価, 0 for none
};

using testsupport::ChartAccount;

// A manufacturer whose opening stocks (material 300, work in progress 100) are
// moved from the stock accounts into the profit and loss accounts by entries
// of the period, or carried there as opening balances.
//   当期製品製造原価 = 300 + 2,000 − 400 (material) + 1,000 (labour) + 100 − 200 = 2,800
//   売上総利益 6,000 − 2,800 = 3,200; 営業利益 − 500 = 2,700; 経常利益 + 20 = 2,720 = T
//   T1 法人税等 720, T2 前期繰越利益 1,000: 当期未処分利益 2,720 − 720 + 1,000 = 3,000
//   Balance sheet: 現金 7,520 + 原材料 400 + 仕掛品 200 = 8,120
//                  = 未払法人税等 720 + 資本金 4,400 + 3,000.
Company manufacturer(bool openingStockByTransfer)
{
    const long long onAssets = openingStockByTransfer ? 1 : 0;
    const long long onAccounts = openingStockByTransfer ? 0 : 1;
    Company c{openingStockByTransfer ? "manufacturer with opening stock booked by transfer"
                                     : "manufacturer with opening stock as opening balance",
              2,
              {
                  {"100", "現金", 0, "資産の部", "流動資産", "現金預金", 5000},
                  {"121", "原材料", 0, "資産の部", "流動資産", "棚卸資産", 300 * onAssets},
                  {"122", "仕掛品", 0, "資産の部", "流動資産", "棚卸資産", 100 * onAssets},
                  {"213", "未払法人税等", 1, "負債の部", "流動負債", "他流動負債", 0},
                  {"260", "資本金", 1, "資本の部", "資本金", "資本金", 4400},
                  {"400", "売上高", 1, "経常損益", "営業損益", "売上高", 0},
                  {"430", "期首原材料棚卸高", 0, "経常損益", "製造原価", "期首原材料棚卸高", 300 * onAccounts},
                  {"431", "原材料仕入高", 0, "経常損益", "製造原価", "原材料仕入高", 0},
                  {"433", "期末原材料棚卸高", 1, "経常損益", "製造原価", "期末原材料棚卸高", 0},
                  {"440", "賃金", 0, "経常損益", "製造原価", "労務費", 0},
                  {"460", "期首仕掛品棚卸高", 0, "経常損益", "製造原価", "期首仕掛品棚卸高", 100 * onAccounts},
                  {"461", "期末仕掛品棚卸高", 1, "経常損益", "製造原価", "期末仕掛品棚卸高", 0},
                  {"500", "地代家賃", 0, "経常損益", "販売管理費", "販売管理費", 0},
                  {"600", "受取利息", 1, "経常損益", "営業外損益", "営業外収益", 0},
                  {"800", "法人税等", 0, "決算", "決算１", "法人税等", 0},
                  {"850", "前期繰越利益", 1, "決算", "決算２", "繰越利益", 1000},
              },
              {
                  {"2024-05-10", "431", 2000, "100"},
                  {"2024-06-25", "440", 1000, "100"},
                  {"2024-07-10", "100", 6000, "400"},
                  {"2024-08-31", "500", 500, "100"},
                  {"2024-09-30", "100", 20, "600"},
                  {"2025-03-31", "121", 400, "433", true},
                  {"2025-03-31", "122", 200, "461", true},
                  {"2025-03-31", "800", 720, "213", true},
              },
              2720,
              3000,
              true,
              2800};
    if (openingStockByTransfer) {
        c.journal.push_back({"2024-04-01", "430", 300, "121"});
        c.journal.push_back({"2024-04-01", "460", 100, "122"});
    }
    return c;
}

// A trader without non-operating items: 売上総利益 200,004 − 40,000 = 160,004,
// 地代家賃 30,000, 営業利益 = T = 当期未処分利益 = 130,004 (現金 140,004 =
// 資本金 10,000 + 130,004).
Company trader()
{
    return {"trader without non operating income",
            0,
            {
                {"100", "現金", 0, "資産の部", "流動資産", "現金預金", 10000},
                {"260", "資本金", 1, "資本の部", "資本金", "資本金", 10000},
                {"400", "売上高", 1, "経常損益", "営業損益", "売上高", 0},
                {"411", "仕入高", 0, "経常損益", "営業損益", "仕入高", 0},
                {"520", "地代家賃", 0, "経常損益", "販売管理費", "販売管理費", 0},
            },
            {
                {"2024-04-10", "100", 200004, "400"},
                {"2024-05-01", "411", 40000, "100"},
                {"2024-06-30", "520", 30000, "100"},
            },
            130004,
            130004,
            false,
            0};
}

// A loss year: 1,000 − 2,500 − 100 = −1,600, the balance sheet's
// 当期未処理損失 (現金 1,400 = 資本金 3,000 − 1,600).
Company lossYear()
{
    return {"loss year",
            0,
            {
                {"100", "現金", 0, "資産の部", "流動資産", "現金預金", 3000},
                {"260", "資本金", 1, "資本の部", "資本金", "資本金", 3000},
                {"400", "売上高", 1, "経常損益", "営業損益", "売上高", 0},
                {"500", "給与手当", 0, "経常損益", "販売管理費", "販売管理費", 0},
                {"610", "支払利息", 0, "経常損益", "営業外損益", "営業外費用", 0},
            },
            {
                {"2024-04-10", "100", 1000, "400"},
                {"2024-04-25", "500", 2500, "100"},
                {"2024-09-30", "610", 100, "100"},
            },
            -1600,
            -1600,
            false,
            0};
}

const std::vector<Company>& companies()
{
    static const std::vector<Company> all = {manufacturer(true), manufacturer(false), trader(), lossYear()};
    return all;
}

// The company's period file made, tallied and read back; the file is gone afterwards.
statements::StatementAccounts accountsOf(const Company& company)
{
    testsupport::TempPeriodFile file("テスト製作所", 5, "2024-04-01");
    auto db = file.open();
    auto& workspace = *dao::DBEngine::instance().Workspaces(0);
    workspace.BeginTrans();
    testsupport::ReplaceChart(*db, company.chart);
    db->Execute("UPDATE \"会計設定\" SET \"業種\" = ?", {company.industry});
    db->Execute("DELETE FROM \"仕訳台帳\"");
    int voucher = 0;
    for (const Entry& e : company.journal) {
        char number[16];
        std::snprintf(number, sizeof number, "V%03d", ++voucher);
        testsupport::AddJournalRow(
            *db, {e.date, number, e.debit, e.amount, e.credit, e.amount, "取引", "", "", "", e.closing});
    }
    workspace.CommitTrans();
    statements::RecomputePeriodFigures(workspace, *db);
    return statements::ReadStatementAccounts(*db);
}

// The amount that ends a line after `label` ("1,870", "-500"), if the line has the label.
std::optional<long long> amountAfter(const std::string& line, const std::string& label)
{
    const auto at = line.find(label);
    if (at == std::string::npos)
        return std::nullopt;
    std::string digits;
    for (const char ch : line.substr(at + label.size()))
        if (std::isdigit(static_cast<unsigned char>(ch)) || ch == '-')
            digits += ch;
    if (digits.empty())
        return std::nullopt;
    return std::stoll(digits);
}

// What a form shows of the profit.
struct Shown {
    std::optional<long long> beforeTax;       // 税引前当期利益, or −当期損失
    std::optional<long long> unappropriated;  // 当期未処分利益
    std::optional<long long> manufacturing;   // 当期製品製造原価
};

Shown read(const std::vector<std::string>& lines)
{
    Shown shown;
    for (const std::string& line : lines) {
        if (const auto t = amountAfter(line, "税引前当期利益"))
            shown.beforeTax = *t;
        if (const auto loss = amountAfter(line, "当期損失"))
            shown.beforeTax = -*loss;
        if (const auto u = amountAfter(line, "当期未処分利益"))
            shown.unappropriated = *u;
        if (const auto m = amountAfter(line, "当期製品製造原価"))
            shown.manufacturing = *m;
    }
    return shown;
}

enum class Form { ReportByBalances, ReportByTotals, ReportPrinted, AccountFormByBalances, AccountFormByTotals };

// The printed statement, read off the one sheet the printer makes.
std::vector<std::string> printedSheet(const statements::StatementAccounts& accounts)
{
    statements::StatementSettings settings;
    settings.companyName = "テスト製作所";
    printing::RecordingPrinter printer;
    o::PreparePrinter(printer, 9, 0, 0, "ＭＳ 明朝", 9);
    statements::PrintProfitLossReport(printer, {&settings, false, "損益計算書", dao::Date{2025, 4, 10, 9, 0, 0}},
                                      accounts, true, false);
    printer.endDoc();
    EXPECT_EQ(printer.sheets().size(), 1u);
    return printer.sheets().empty() ? std::vector<std::string>{} : printer.sheetTexts(0);
}

std::vector<std::string> linesOf(Form form, const statements::StatementAccounts& accounts)
{
    using statements::ProfitLossFigures;
    const auto accountForm = [&](ProfitLossFigures figures) {
        const auto shown = statements::ShowProfitLossAccounts(accounts, figures);
        std::vector<std::string> lines = shown.expenses;
        lines.insert(lines.end(), shown.revenues.begin(), shown.revenues.end());
        return lines;
    };
    switch (form) {
    case Form::ReportByBalances:
        return statements::ShowProfitLossReport(accounts, ProfitLossFigures::ByBalances).report;
    case Form::ReportByTotals: return statements::ShowProfitLossReport(accounts, ProfitLossFigures::ByTotals).report;
    case Form::ReportPrinted: return printedSheet(accounts);
    case Form::AccountFormByBalances: return accountForm(ProfitLossFigures::ByBalances);
    case Form::AccountFormByTotals: return accountForm(ProfitLossFigures::ByTotals);
    }
    return {};
}

struct FormCase {
    std::string name;
    Form form;
    std::size_t company;  // index into companies()
};

void PrintTo(const FormCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<FormCase> everyFormOfEveryCompany()
{
    const std::pair<const char*, Form> forms[] = {
        {"report by balances", Form::ReportByBalances},
        {"report by totals", Form::ReportByTotals},
        {"report printed", Form::ReportPrinted},
        {"account form by balances", Form::AccountFormByBalances},
        {"account form by totals", Form::AccountFormByTotals},
    };
    std::vector<FormCase> cases;
    for (const auto& [formName, form] : forms)
        for (std::size_t i = 0; i < companies().size(); ++i)
            cases.push_back({std::string(formName) + " of " + companies()[i].name, form, i});
    return cases;
}

bool isReportForm(Form form)
{
    return form == Form::ReportByBalances || form == Form::ReportByTotals || form == Form::ReportPrinted;
}

class OneProfit : public ::testing::TestWithParam<FormCase> {};

}  // namespace

TEST_P(OneProfit, EveryFormReachesTheProfitWorkedOutByHand)
{
    const Company& company = companies()[GetParam().company];
    const Form form = GetParam().form;
    const Shown shown = read(linesOf(form, accountsOf(company)));

    ASSERT_TRUE(shown.beforeTax.has_value());
    EXPECT_EQ(*shown.beforeTax, company.beforeTax);
    if (isReportForm(form) && company.carriedForward) {
        ASSERT_TRUE(shown.unappropriated.has_value());
        EXPECT_EQ(*shown.unappropriated, company.unappropriated);
    } else {
        EXPECT_FALSE(shown.unappropriated.has_value());
    }
    if (company.manufacturingCost != 0) {
        ASSERT_TRUE(shown.manufacturing.has_value());
        EXPECT_EQ(*shown.manufacturing, company.manufacturingCost);
    } else {
        EXPECT_FALSE(shown.manufacturing.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(FormsAndCompanies, OneProfit, ::testing::ValuesIn(everyFormOfEveryCompany()),
                         testsupport::kCaseName);

namespace {

struct CompanyCase {
    std::string name;
    std::size_t company;
};

void PrintTo(const CompanyCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<CompanyCase> everyCompany()
{
    std::vector<CompanyCase> cases;
    for (std::size_t i = 0; i < companies().size(); ++i)
        cases.push_back({companies()[i].name, i});
    return cases;
}

class BalanceSheetProfit : public ::testing::TestWithParam<CompanyCase> {};

}  // namespace

// The reference every form is held to: the balance sheet's profit line is the
// hand-worked 当期未処分利益, and with it the two totals agree.
TEST_P(BalanceSheetProfit, ProfitLineIsTheFigureWorkedOutByHandAndTheTotalsAgree)
{
    const Company& company = companies()[GetParam().company];
    const auto accounts = accountsOf(company);
    const auto sheet =
        statements::WalkBalanceSheet(accounts, statements::ComputePeriodProfit(accounts).unappropriated());
    std::optional<long long> profitLine;
    for (const auto& line : sheet.lines)
        if (line.kind == statements::BsLineKind::ProfitLine)
            profitLine = line.amount;
    ASSERT_TRUE(profitLine.has_value());
    EXPECT_EQ(*profitLine, company.unappropriated);
    ASSERT_TRUE(sheet.assetsTotal.has_value());
    EXPECT_FALSE(sheet.totalsDiffer()) << *sheet.assetsTotal;
}

INSTANTIATE_TEST_SUITE_P(Companies, BalanceSheetProfit, ::testing::ValuesIn(everyCompany()), testsupport::kCaseName);

namespace {

std::vector<CompanyCase> manufacturers()
{
    std::vector<CompanyCase> cases;
    for (const CompanyCase& c : everyCompany())
        if (companies()[c.company].manufacturingCost != 0)
            cases.push_back(c);
    return cases;
}

class OpeningStock : public ::testing::TestWithParam<CompanyCase> {};

}  // namespace

// However the opening stocks come into the period, the manufacturing cost
// report takes them (the figures worked out above the manufacturer), on
// screen and on paper, and prints them on its sheet.
TEST_P(OpeningStock, ManufacturingCostReportTakesThemHoweverBooked)
{
    const Company& company = companies()[GetParam().company];
    const auto accounts = accountsOf(company);
    for (const auto source : {statements::ManufacturingSource::Screen, statements::ManufacturingSource::Paper}) {
        const auto cost = statements::ComputeManufacturingCost(accounts, source);
        EXPECT_EQ(cost.openingMaterial, 300);
        EXPECT_EQ(cost.purchases, 2000);
        EXPECT_EQ(cost.closingMaterial, 400);
        EXPECT_EQ(cost.materialCost(), 1900);
        EXPECT_EQ(cost.labour, 1000);
        EXPECT_EQ(cost.openingWork, 100);
        EXPECT_EQ(cost.closingWork, 200);
        EXPECT_EQ(cost.costOfManufacturing(), company.manufacturingCost);
    }

    statements::StatementSettings settings;
    printing::RecordingPrinter printer;
    o::PreparePrinter(printer, 9, 0, 0, "ＭＳ 明朝", 9);
    statements::PrintManufacturingCost(printer, {&settings, true, "製造原価報告書", dao::Date{2025, 4, 10, 9, 0, 0}},
                                       accounts);
    printer.endDoc();
    ASSERT_EQ(printer.sheets().size(), 1u);
    std::optional<long long> openingMaterial, openingWork, cost;
    for (const std::string& line : printer.sheetTexts(0)) {
        openingMaterial = openingMaterial ? openingMaterial : amountAfter(line, "期首原材料棚卸高");
        openingWork = openingWork ? openingWork : amountAfter(line, "期首仕掛品棚卸高");
        cost = cost ? cost : amountAfter(line, "当期製造原価");
    }
    EXPECT_EQ(openingMaterial, 300);
    EXPECT_EQ(openingWork, 100);
    EXPECT_EQ(cost, company.manufacturingCost);
}

INSTANTIATE_TEST_SUITE_P(Manufacturers, OpeningStock, ::testing::ValuesIn(manufacturers()), testsupport::kCaseName);
