// The parts of the profit and loss statement close whatever follows them: the
// selling and general administrative expenses with their total (and on paper
// 営業利益), the non-operating items with their last subtotal and 経常利益,
// on screen and on the printed sheet. Small charts, figures by hand:
// 売上高 200,004 − 仕入高 40,000 = 売上総利益 160,004; 地代家賃 30,000;
// 営業利益 130,004.
#include "LineText.h"

#include "common/PrintRoutines.h"
#include "platform/printing/RecordingPrinter.h"
#include "statements/ProfitLossReport.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace statementstest;

namespace {

statements::StatementAccount account(const char* name, int side, const char* major, const char* middle,
                                     const char* minor, long long closing)
{
    statements::StatementAccount a;
    a.name = name;
    a.side = side;
    a.major = major;
    a.middle = middle;
    a.minor = minor;
    a.closing = closing;
    return a;
}

statements::StatementAccounts trading(std::initializer_list<statements::StatementAccount> more)
{
    statements::StatementAccounts accounts = {
        account("売上高", 1, "経常損益", "営業損益", "売上高", 200004),
        account("仕入高", 0, "経常損益", "営業損益", "仕入高", 40000),
        account("地代家賃", 0, "経常損益", "販売管理費", "販売管理費", 30000),
    };
    accounts.insert(accounts.end(), more);
    return accounts;
}

std::vector<std::string> compactLines(const std::vector<std::string>& lines, std::size_t skip = 0)
{
    std::vector<std::string> out;
    for (const std::string& line : lines)
        if (const std::string c = compact(line); !c.empty())
            out.push_back(c);
    out.erase(out.begin(), out.begin() + static_cast<long>(std::min(skip, out.size())));
    return out;
}

// The lines every case begins with, down to 売上総利益.
const std::vector<std::string> kToGrossProfit = {
    "経常損益の部", "営業損益",      "売上高", "売上高 200,004",     "200,004",
    "仕入高",       "仕入高 40,000", "40,000", "売上総利益 160,004",
};

struct PartsCase {
    std::string name;
    statements::StatementAccounts accounts;
    bool listSga;                     // print the expenses one by one
    std::vector<std::string> paper;   // after 売上総利益, on the sheet
    std::vector<std::string> screen;  // after 売上総利益, on screen
};

void PrintTo(const PartsCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<std::string> kScreenExpenses = {"販売費及び一般管理費", "地代家賃 30,000", "30,000"};

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<PartsCase> partsCases()
{
    return {
        {"expenses as one line without non operating items",
         trading({}),
         false,
         {"販売費及び一般管理費 30,000", "営業利益 130,004", "税引前当期利益 130,004"},
         joined(kScreenExpenses, {"税引前当期利益 130,004"})},
        {"expenses listed without non operating items",
         trading({}),
         true,
         {"販売費及び一般管理費", "地代家賃 30,000", "30,000", "営業利益 130,004", "税引前当期利益 130,004"},
         joined(kScreenExpenses, {"税引前当期利益 130,004"})},
        // 経常利益 130,004 − 4 = 130,000.
        {"non operating expenses without extraordinary items",
         trading({account("支払利息", 0, "経常損益", "営業外損益", "営業外費用", 4)}),
         false,
         {"販売費及び一般管理費 30,000", "営業利益 130,004", "営業外損益", "営業外費用", "支払利息 4", "4",
          "経常利益 130,000", "税引前当期利益 130,000"},
         joined(kScreenExpenses,
                {"営業外損益", "営業外費用", "支払利息 4", "4", "経常利益 130,000", "税引前当期利益 130,000"})},
        // 経常利益 130,004 + 96 = 130,100; the loss of 100 leaves 130,000. Without extraordinary gains their
        // subtotal shows 0 before 特別損失.
        {"non operating income then an extraordinary loss",
         trading({account("受取利息", 1, "経常損益", "営業外損益", "営業外収益", 96),
                  account("固定資産除却損", 0, "特別損益", "特別損益", "特別損失", 100)}),
         true,
         {"販売費及び一般管理費", "地代家賃 30,000", "30,000", "営業利益 130,004", "営業外損益", "営業外収益",
          "受取利息 96", "96", "経常利益 130,100", "特別損益の部", "0", "特別損失", "固定資産除却損 100", "100",
          "税引前当期利益 130,000"},
         joined(kScreenExpenses,
                {"営業外損益", "営業外収益", "受取利息 96", "96", "経常利益 130,100", "特別損益の部", "0", "特別損失",
                 "固定資産除却損 100", "100", "税引前当期利益 130,000"})},
    };
}

class ProfitLossParts : public ::testing::TestWithParam<PartsCase> {};

}  // namespace

TEST_P(ProfitLossParts, PrintedSheetShowsEveryPartsTotal)
{
    statements::StatementSettings settings;
    settings.companyName = "テスト商店";
    printing::RecordingPrinter printer;
    o::PreparePrinter(printer, 9, 0, 0, "ＭＳ 明朝", 9);
    statements::PrintProfitLossReport(printer, {&settings, false, "損益計算書", dao::Date{2025, 4, 10, 9, 0, 0}},
                                      GetParam().accounts, GetParam().listSga, false);
    printer.endDoc();
    ASSERT_EQ(printer.sheets().size(), 1u);
    // The page header takes four lines: the company line, the title, the period and the unit.
    EXPECT_EQ(compactLines(printer.sheetTexts(0), 4), joined(kToGrossProfit, GetParam().paper));
}

TEST_P(ProfitLossParts, ScreenShowsEveryPartsTotal)
{
    const auto screen =
        statements::ShowProfitLossReport(GetParam().accounts, statements::ProfitLossFigures::ByBalances);
    EXPECT_EQ(compactLines(screen.report), joined(kToGrossProfit, GetParam().screen));
}

INSTANTIATE_TEST_SUITE_P(Charts, ProfitLossParts, ::testing::ValuesIn(partsCases()), testsupport::kCaseName);
