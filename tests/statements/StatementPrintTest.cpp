// The printed statements on the recording printer: the page header, the
// profit and loss statement with its closing lines and "△", the balance sheet
// in two columns, page breaks on a long chart, the manufacturing cost report's
// pages and the closing report's cover and closing block.
#include "LineText.h"
#include "StatementsFixture.h"

#include "common/PrintRoutines.h"
#include "platform/dao/Recordset.h"
#include "platform/printing/RecordingPrinter.h"
#include "statements/BalanceSheet.h"
#include "statements/ClosingReport.h"
#include "statements/ManufacturingCost.h"
#include "statements/PeriodProfit.h"
#include "statements/ProfitLossReport.h"
#include "statements/SgaBreakdown.h"
#include "statements/StatementAccounts.h"
#include "statements/StatementPrint.h"
#include "statements/StatementText.h"
#include "statements/TrialBalance.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

using namespace statementstest;
using printing::PrintEvent;

namespace {

using Drawn = std::pair<std::optional<int>, std::string>;  // print column (none: at the position), text

std::vector<Drawn> drawn(const printing::RecordingPrinter& printer, std::size_t skip = 0)
{
    std::vector<Drawn> out;
    for (const PrintEvent& e : printer.events())
        if (e.kind == PrintEvent::Kind::Text)
            out.emplace_back(e.column, e.text);
    out.erase(out.begin(), out.begin() + static_cast<long>(std::min(skip, out.size())));
    return out;
}

int count(const printing::RecordingPrinter& printer, PrintEvent::Kind kind)
{
    int n = 0;
    for (const PrintEvent& e : printer.events())
        n += e.kind == kind;
    return n;
}

// Every sheet after the first was asked for (a new page), none made by the
// device's own overflow, and no text reaches below the printable height.
void expectPagesAskedForAndNothingOffThePaper(const printing::RecordingPrinter& printer)
{
    bool asked = false;
    for (const PrintEvent& e : printer.events()) {
        if (e.kind == PrintEvent::Kind::NewPage)
            asked = true;
        if (e.kind == PrintEvent::Kind::BeginPage) {
            EXPECT_TRUE(asked) << "a page the statement did not ask for";
            asked = false;
        }
        if (e.kind == PrintEvent::Kind::Text) {
            EXPECT_LE(e.y + e.fontSize, printer.scaleHeight() + 1e-6) << e.text;
        }
    }
}

class Printout : public ::testing::Test {
protected:
    void SetUp() override
    {
        fx.recompute();
        accounts = statements::ReadStatementAccounts(*fx.db());
        settings.companyName = "テスト工業";
        settings.periodNumber = "3";
        settings.periodFirst = dao::Date{2024, 4, 1};
        settings.periodLast = dao::Date{2025, 3, 31};
        settings.amountUnit = "百万円";
        o::PreparePrinter(printer, 9, 0, 0, "ＭＳ 明朝", 9);
    }
    statements::StatementHeader header(const char* title, bool omit = false) const
    {
        return {&settings, omit, title, now};
    }

    StatementsFixture fx;
    statements::StatementAccounts accounts;
    statements::StatementSettings settings;
    dao::Date now{2025, 4, 10, 10, 5, 0};
    printing::RecordingPrinter printer;
};

const std::string kBlank18(18, ' ');

Drawn Col(const std::string& text, int column = 10)
{
    return {column, text};
}

}  // namespace

TEST_F(Printout, HeaderSaysYenWhateverTheUnitSettingAndThePeriodByTheDate)
{
    statements::PrintSgaBreakdown(printer, header("販売費及び一般管理費内訳書"), accounts);
    const auto texts = drawn(printer);
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], Col("【テスト工業】会計　販売費及び一般管理費内訳書   2025/04/10(木) 10:05"));
    EXPECT_EQ(texts[1], Col("販売費及び一般管理費内訳書"));
    EXPECT_EQ(texts[2], Col("2024年04月01日から2025年03月31日まで"));
    EXPECT_EQ(texts[3], Col("（単位：円）", 100));
    // Then the accounts one text line apart (no gap), a blank line, 合計 and a new page.
    const auto line = [](const std::string& name, long long amount) { return pad(name, 16) + " " + amount18(amount); };
    EXPECT_EQ(std::vector<Drawn>(texts.begin() + 4, texts.end()),
              (std::vector<Drawn>{Col(line("給与手当", 1500)), Col(line("荷造運賃", 300)), Col(line("合計", 1800))}));
    EXPECT_EQ(count(printer, PrintEvent::Kind::NewPage), 1);

    // Printed during the period: today's date "現在"; on the last day the whole period.
    const auto periodLine = [&](const dao::Date& at) {
        printing::RecordingPrinter other;
        statements::PrintStatementHeader(other, {&settings, true, "表題", at});
        return drawn(other).at(1).second;
    };
    EXPECT_EQ(periodLine({2025, 3, 30, 23, 0, 0}), "2025年03月30日現在");
    EXPECT_EQ(periodLine({2025, 3, 31, 9, 0, 0}), "2024年04月01日から2025年03月31日まで");
}

TEST_F(Printout, ProfitAndLossWithTheExpensesAsOneLineAndTheClosingLinesOfTheScreen)
{
    statements::PrintProfitLossReport(printer, header("損益計算書"), accounts, false, false);
    const auto acc = [](const char* prefix, const std::string& name) { return Col(prefix + pad(name, 30)); };
    const auto amount = [](long long a) { return Drawn{std::nullopt, amount18(a)}; };
    const auto fig = [](const std::string& label, long long a, const std::string& prefix = "　　 ") {
        return Col(prefix + pad(label, 30) + kBlank18 + amount18(a));
    };
    const char* A = "  　　";
    const std::vector<Drawn> expected = {
        Col("経常損益の部"),
        Col("　営業損益"),
        Col("　　売上高"),
        acc(A, "売上高"),
        amount(10000),
        fig(" ", 10000, " 　　 "),
        Col("　　仕入高"),
        acc(A, "仕入高"),
        amount(3000),
        fig(" ", 10000),
        Col("　　売上原価"),
        acc(A, "外注原価"),
        amount(400),
        // The manufacturing accounts as their net cost, the manufacturing cost report's 2,600.
        Col("　　製造原価"),
        acc(A, "当期製品製造原価"),
        amount(2600),
        fig(" 　", 6000),
        fig("売上総利益　", 4000, " 　  "),
        // The selling and administrative expenses as one line: no heading, no accounts.
        fig("販売費及び一般管理費", 1800),
        fig("営業利益", 2200),
        Col("　営業外損益"),
        Col("　　営業外収益"),
        acc(A, "受取利息"),
        amount(50),
        fig(" 　", 50),
        Col("　　営業外費用"),
        acc(A, "支払利息"),
        amount(80),
        fig(" 　", 80),
        fig("経常利益　", 2170),
        Col("特別損益の部"),
        Col("　特別利益"),
        acc(A, "固定資産売却益"),
        amount(700),
        fig(" 　", 700),
        Col("　特別損失"),
        acc(A, "固定資産除却損"),
        amount(1000),
        fig(" 　", 1000),
        fig("税引前当期利益", 1870),
        // The closing lists as on screen, through the one profit routine.
        acc(" 　　 ", "法人税等"),
        amount(900),
        fig("当期純利益額", 970),
        Drawn{std::nullopt, "　　 " + pad("前期繰越利益", 30) + kBlank18 + amount18(2000)},
        fig("当期未処分利益", 2970, "　  "),
    };
    EXPECT_EQ(drawn(printer, 4), expected);
    EXPECT_EQ(count(printer, PrintEvent::Kind::NewPage), 1);
    EXPECT_EQ(printer.pages().size(), 1u);
}

TEST_F(Printout, NegativeAccountAmountsOfTheProfitAndLossStatementWithTheTriangle)
{
    statements::StatementAccounts a(2);
    a[0] = {"400", "売上高", 1, "経常損益", "営業損益", "売上高", 0, 0, 0, 0, 1000};
    a[1] = {"401", "売上値引", 1, "経常損益", "営業損益", "売上高", 0, 0, 0, 0, -500};
    const auto amountOf = [&](bool triangle) {
        printing::RecordingPrinter p;
        statements::PrintProfitLossReport(p, header("損益計算書"), a, true, triangle);
        return drawn(p, 4).at(6).second;  // the second account's amount
    };
    EXPECT_EQ(amountOf(true), std::string(13, ' ') + "△500");
    EXPECT_EQ(amountOf(false), std::string(14, ' ') + "-500");
    EXPECT_EQ(statements::PrintedAmount(0, statements::kStatementMask, 18, true), std::string(17, ' ') + "0");
}

TEST_F(Printout, BalanceSheetInTwoColumns)
{
    const auto sheet =
        statements::WalkBalanceSheet(accounts, statements::ComputePeriodProfit(accounts).unappropriated());
    statements::PrintBalanceSheetAccounts(printer, header("貸借対照表"), sheet);
    const PrintEvent *assetsTitle = nullptr, *liabilitiesTitle = nullptr, *assetsTotal = nullptr;
    double lowestLeft = 0;
    for (const PrintEvent& e : printer.events()) {
        if (e.kind != PrintEvent::Kind::Text)
            continue;
        if (e.text == "（資産の部）")
            assetsTitle = &e;
        if (e.text == "（負債の部）")
            liabilitiesTitle = &e;
        if (e.text.find("資産合計") != std::string::npos)
            assetsTotal = &e;
        if (e.column == 10 && !assetsTotal)
            lowestLeft = std::max(lowestLeft, e.y);
    }
    ASSERT_TRUE(assetsTitle && liabilitiesTitle && assetsTotal);
    EXPECT_DOUBLE_EQ(liabilitiesTitle->y, assetsTitle->y);
    EXPECT_EQ(liabilitiesTitle->column, 70);  // ten columns in from 30 × "  "
    EXPECT_GE(assetsTotal->y, lowestLeft);
    const auto page = printer.pageTexts(0);
    const auto hasLine = [&](const std::string& text) {
        for (const auto& l : page)
            if (l.find(text) != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(hasLine(" 当期未処分利益" + std::string(12, ' ') + " " + amount18(2970)));
    EXPECT_TRUE(hasLine(" 　　　　　負債、資本合計   " + amount18(22470)));
    EXPECT_EQ(count(printer, PrintEvent::Kind::NewPage), 1);
}

// A long chart: every statement that used to run off the paper breaks its
// pages and heads each with its header, the page number counting on.
TEST_F(Printout, LongChartsBreakPagesWithTheHeaderOnEachPage)
{
    statements::StatementAccounts chart;
    for (int i = 0; i < 140; ++i)
        chart.push_back({std::to_string(100 + i), "資産" + std::to_string(i), 0, "資産の部", "流動資産", "売上債権", 10,
                         0, 0, 0, 10});
    for (int i = 0; i < 100; ++i)
        chart.push_back({std::to_string(250 + i), "負債" + std::to_string(i), 1, "負債の部", "流動負債", "他流動負債",
                         10, 0, 0, 0, 10});
    chart.push_back({"390", "資本金", 1, "資本の部", "資本金", "資本金", 800, 0, 0, 0, 800});
    for (int i = 0; i < 90; ++i)
        chart.push_back({std::to_string(500 + i), "経費" + std::to_string(i), 0, "経常損益", "販売管理費", "販売管理費",
                         0, 5, 0, 5, 5});

    struct Run {
        const char* name;
        std::function<void(printing::PrinterDevice&)> print;
        const char* title;
    };
    const auto sheet = statements::WalkBalanceSheet(chart, statements::ComputePeriodProfit(chart).unappropriated());
    const Run runs[] = {
        {"report form", [&](auto& d) { statements::PrintBalanceSheetReport(d, header("貸借対照表"), sheet); },
         "貸借対照表"},
        {"account form", [&](auto& d) { statements::PrintBalanceSheetAccounts(d, header("貸借対照表"), sheet); },
         "貸借対照表"},
        {"trial balance", [&](auto& d) { statements::PrintTrialBalance(d, header("合計残高試算表"), chart); },
         "合計残高試算表"},
        {"profit and loss",
         [&](auto& d) { statements::PrintProfitLossReport(d, header("損益計算書"), chart, true, false); },
         "損益計算書"},
        {"SG&A breakdown",
         [&](auto& d) { statements::PrintSgaBreakdown(d, header("販売費及び一般管理費内訳書"), chart); },
         "販売費及び一般管理費内訳書"},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.name);
        printing::RecordingPrinter p;
        o::PreparePrinter(p, 9, 0, 0, "ＭＳ 明朝", 9);
        run.print(p);
        const auto pages = p.pages();
        ASSERT_GE(pages.size(), 2u);
        expectPagesAskedForAndNothingOffThePaper(p);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            ASSERT_GE(pages[i].size(), 3u);
            const std::string company = "【テスト工業】会計　" + std::string(run.title);
            EXPECT_EQ(pages[i][0].text.substr(9, company.size()), company) << i;
            const std::string title =
                std::string(run.title) + (i == 0 ? "" : "    ページ " + std::to_string(i + 1) + " ");
            EXPECT_EQ(trimmed(pages[i][1].text), trimmed(title)) << i;
        }
    }

    // In account form both columns go on: the second page holds liabilities (right) as well as assets (left).
    printing::RecordingPrinter p;
    statements::PrintBalanceSheetAccounts(p, header("貸借対照表"), sheet);
    bool leftOnSecond = false, rightOnSecond = false;
    for (const PrintEvent& e : p.events()) {
        if (e.kind != PrintEvent::Kind::Text || e.page != 2)
            continue;
        leftOnSecond |= e.column == 10 && e.text.find(" 資産") == 0;
        rightOnSecond |= e.column == 70 && e.text.find(" 負債") == 0;
    }
    EXPECT_TRUE(leftOnSecond);
    EXPECT_TRUE(rightOnSecond);
}

TEST_F(Printout, TrialBalanceWithoutAccountsPrintsNoHeader)
{
    statements::PrintTrialBalance(printer, header("合計残高試算表"), {});
    const auto texts = drawn(printer);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].second.substr(0, 16), std::string(16, '-'));
    EXPECT_EQ(count(printer, PrintEvent::Kind::NewPage), 1);
}

TEST_F(Printout, ManufacturingCostStartsItsOwnSheetAndNeverAnEmptyOne)
{
    // First in the document: no new page is asked for before it.
    statements::PrintManufacturingCost(printer, header("製造原価報告書"), accounts);
    ASSERT_FALSE(printer.events().empty());
    EXPECT_EQ(count(printer, PrintEvent::Kind::NewPage), 1);  // the one after its last line
    const auto line = [](const std::string& label, long long a, int column = 14, int width = 24) {
        return Col(pad(label, width) + " " + amount18(a), column);
    };
    EXPECT_EQ(drawn(printer, 4),
              (std::vector<Drawn>{
                  Col("製造原価報告書"), Col("Ⅰ　材料費"), line("期首原材料棚卸高", 400), line("当期材料仕入高", 1000),
                  line("　　　　　　　合計", 1400), line("期末原材料棚卸高", 250), line("　　　　　当期材料費", 1150),
                  line("Ⅱ　労務費", 900, 10, 28), line("Ⅲ　製造経費", 600, 10, 28), line("当期総製造費用", 2650),
                  line("期首仕掛品棚卸高", 100), line("　　　　　　　合計", 2750), line("期末仕掛品棚卸高", 150),
                  line("当期製造原価", 2600)}));

    // After another statement: one sheet each, no empty sheet between them.
    printing::RecordingPrinter p;
    statements::PrintSgaBreakdown(p, header("販売費及び一般管理費内訳書"), accounts);
    statements::PrintManufacturingCost(p, header("製造原価報告書"), accounts);
    EXPECT_EQ(p.pages().size(), 2u);
    EXPECT_EQ(count(p, PrintEvent::Kind::NewPage), 2);

    // Labour alone is still printed; nothing at all when every figure is 0.
    statements::StatementAccounts labour = {{"440", "賃金", 0, "経常損益", "製造原価", "労務費", 0, 900, 0, 900, 900}};
    printing::RecordingPrinter q;
    statements::PrintManufacturingCost(q, header("製造原価報告書"), labour);
    EXPECT_EQ(q.pages().size(), 1u);
    printing::RecordingPrinter none;
    statements::PrintManufacturingCost(none, header("製造原価報告書"), {});
    EXPECT_TRUE(none.events().empty());
}

TEST_F(Printout, ClosingReportCoverAndClosingBlockInEraForm)
{
    auto eras = fx.db()->OpenRecordset("Q_年号コード");
    settings.eraDates = true;
    settings.reportDate = dao::Date{2025, 5, 30};
    settings.representativeTitle = "";
    settings.representativeName = "山田太郎";
    statements::ClosingReportChoices choices;
    choices.cover = true;
    choices.closingBlock = true;
    statements::PrintClosingReport(printer, settings, accounts, choices, now, eras.get());
    const auto pages = printer.pages();
    ASSERT_EQ(pages.size(), 2u);
    std::vector<std::string> cover;
    for (const auto& l : pages[0])
        cover.push_back(trimmed(l.text));
    EXPECT_EQ(cover,
              (std::vector<std::string>{"決　算　報　告　書", "第　3　期　", "自　令和6年04月01日",
                                        "至　令和7年03月31日", "テスト工業"}));
    std::vector<std::string> block;
    for (const auto& l : pages[1])
        block.push_back(trimmed(l.text));
    EXPECT_EQ(block, (std::vector<std::string>{"上記の通り報告致します", "令和7年05月30日", "山田太郎"}));
    // The representative line keeps its separating blank when the title is empty.
    EXPECT_EQ(drawn(printer).back(), Col(" 山田太郎", 50));
    EXPECT_EQ(printer.endDocCount(), 1);

    // Era texts longer than five characters are cut; the western form prints the year.
    EXPECT_EQ(statements::ClosingReportDate(dao::Date{2025, 5, 30}, false, eras.get()), "2025年05月30日");
    fx.execute("UPDATE \"年号コード\" SET \"和暦名称\" = 'ながいなまえ' WHERE \"和暦名称\" = '令和'");
    auto longEras = fx.db()->OpenRecordset("Q_年号コード");
    EXPECT_EQ(statements::ClosingReportDate(dao::Date{2025, 5, 30}, true, longEras.get()), "ながいなま05月30日");
}

// Each group is headed in its own section: no heading of the liabilities or of
// the capital stands above the total of the section before, and the capital's
// first group is headed under "（資本の部）". Read off the sheets; in account
// form the right column (from print column 70) apart from the left.
TEST_F(Printout, BalanceSheetHeadsEachGroupUnderItsOwnSectionTitle)
{
    const auto sheet =
        statements::WalkBalanceSheet(accounts, statements::ComputePeriodProfit(accounts).unappropriated());
    const std::vector<std::string> assets = {
        "（資産の部）",        "流動資産", "現金預金 9,070", "売掛金 4,000",       "原材料 250",     "仕掛品 150",
        "流動資産合計 13,470", "固定資産", "建物 9,000",     "固定資産合計 9,000", "資産合計 22,470"};
    const std::vector<std::string> liabilitiesAndCapital = {"（負債の部）",
                                                            "流動負債",
                                                            "買掛金 3,000",
                                                            "未払金 600",
                                                            "未払法人税等 900",
                                                            "流動負債合計 4,500",
                                                            "負債合計 4,500",
                                                            "（資本の部）",
                                                            "資本金",
                                                            "資本金 14,500",
                                                            "資本金合計 14,500",
                                                            "剰余金",
                                                            "利益準備金 500",
                                                            "剰余金合計 500",
                                                            "当期未処分利益 2,970",
                                                            "資本合計 17,970",
                                                            "負債、資本合計 22,470"};

    const auto columns = [](const printing::RecordingPrinter& p) {
        std::pair<std::vector<std::string>, std::vector<std::string>> leftRight;
        const auto lines = p.sheetTexts(0);
        for (std::size_t i = 4; i < lines.size(); ++i) {  // after the page header's four lines
            if (const auto left = compact(bytesOf(lines[i], 1, 69)); !left.empty())
                leftRight.first.push_back(left);
            if (const auto right = compact(bytesOf(lines[i], 70, 400)); !right.empty())
                leftRight.second.push_back(right);
        }
        return leftRight;
    };

    statements::PrintBalanceSheetReport(printer, header("貸借対照表"), sheet);
    printer.endDoc();
    ASSERT_EQ(printer.sheets().size(), 1u);
    std::vector<std::string> oneColumn = assets;
    oneColumn.insert(oneColumn.end(), liabilitiesAndCapital.begin(), liabilitiesAndCapital.end());
    EXPECT_EQ(columns(printer).first, oneColumn);
    EXPECT_TRUE(columns(printer).second.empty());

    printing::RecordingPrinter twoColumns;
    o::PreparePrinter(twoColumns, 9, 0, 0, "ＭＳ 明朝", 9);
    statements::PrintBalanceSheetAccounts(twoColumns, header("貸借対照表"), sheet);
    twoColumns.endDoc();
    ASSERT_EQ(twoColumns.sheets().size(), 1u);
    EXPECT_EQ(columns(twoColumns).first, assets);
    EXPECT_EQ(columns(twoColumns).second, liabilitiesAndCapital);
}

// The printed trial balance has its two rows of column headings under the page
// header of every sheet, each heading over its columns: print column 10 on,
// debit balance bytes 1-16, debit total 18-33, the name 36-55, credit total
// 57-72, credit balance 74-89 of the line.
TEST_F(Printout, TrialBalanceHasItsColumnHeadingsOnEverySheet)
{
    statements::StatementAccounts chart;
    for (int i = 0; i < 120; ++i)
        chart.push_back({std::to_string(100 + i), "資産" + std::to_string(i), 0, "資産の部", "流動資産", "売上債権", 0,
                         1000, 0, 1000, 1000});
    chart.push_back({"260", "資本金", 1, "資本の部", "資本金", "資本金", 0, 0, 120000, 120000, 120000});
    statements::PrintTrialBalance(printer, header("合計残高試算表"), chart);
    printer.endDoc();
    ASSERT_GE(printer.sheets().size(), 2u);
    const auto at = [](const std::string& line, int from, int to) { return trimmed(bytesOf(line, 9 + from, 9 + to)); };
    for (std::size_t i = 0; i < printer.sheets().size(); ++i) {
        SCOPED_TRACE(i);
        const auto lines = printer.sheetTexts(i);
        ASSERT_GE(lines.size(), 7u);
        EXPECT_EQ(at(lines[4], 1, 33), "借方");
        EXPECT_EQ(at(lines[4], 36, 55), "勘定科目");
        EXPECT_EQ(at(lines[4], 57, 89), "貸方");
        EXPECT_EQ(at(lines[5], 1, 16), "残高");
        EXPECT_EQ(at(lines[5], 18, 33), "合計");
        EXPECT_EQ(at(lines[5], 57, 72), "合計");
        EXPECT_EQ(at(lines[5], 74, 89), "残高");
        // The first account of the sheet under them: its debit balance and total, its name.
        EXPECT_EQ(at(lines[6], 1, 16), "1,000");
        EXPECT_EQ(at(lines[6], 18, 33), "1,000");
        EXPECT_EQ(at(lines[6], 36, 55).substr(0, 6), "資産");
    }
    // The last sheet ends with the capital on the credit side and the sums.
    const auto last = printer.sheetTexts(printer.sheets().size() - 1);
    ASSERT_GE(last.size(), 2u);
    EXPECT_EQ(at(last.back(), 1, 16), "120,000");
    EXPECT_EQ(at(last.back(), 74, 89), "120,000");
}
