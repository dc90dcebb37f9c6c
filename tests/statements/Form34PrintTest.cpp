// The closing window's print run, closing report and CSV files, driven from
// its buttons.
#include "Form34Fixture.h"
#include "LineText.h"

#include "common/EditMode.h"
#include "common/o.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printer.h"
#include "support/PdfText.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>

using namespace statementstest;
using printing::PrintEvent;
using statements::Form34;

#include <algorithm>

namespace {

// The title line (the line after the company line) of every sheet.
// The text without its blanks (half-width and ideographic): the PDF's text
// layout spreads spaced-out headings over several blanks.
std::string withoutBlanks(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 3, "　") == 0) {
            i += 3;
            continue;
        }
        if (text[i] != ' ' && text[i] != '\t')
            out += text[i];
        ++i;
    }
    return out;
}

std::vector<std::string> sheetTitles(const printing::RecordingPrinter& printer)
{
    std::vector<std::string> titles;
    for (const auto& page : printer.pages())
        if (page.size() > 1)
            titles.push_back(trimmed(page[1].text));
    return titles;
}

}  // namespace

TEST_F(Form34Test, PrintRunAskedNoPrintsNothing)
{
    statements::Form34& f = open();
    f.Check1[0]->click();
    dialogs->expectMessage("各種帳票を印刷します 準備はよろしいですか？", ui::Answer::No).withTitle("各種帳票印刷");
    f.Command1[Form34::PrintButton]->click();
    EXPECT_TRUE(printer->events().empty());
}

TEST_F(Form34Test, PrintRunPrintsTheTickedStatementsInOrderOnSheetsOfTheirOwn)
{
    fx.execute("UPDATE \"会計設定\" SET \"負記号\" = 1, \"金額単位\" = '百万円'");
    fx.addRow({"2024-12-01", "100", 500, "510", 500, "運賃の戻り"});  // 荷造運賃 now −200
    fx.addRow({"2024-12-02", "100", 500, "610", 500, "利息の戻り"});  // 支払利息 now −420
    statements::Form34& f = open();
    f.Check1[0]->click();   // every report; the SG&A accounts then stand as one line in the statement
    f.Option5[1]->click();  // the balance sheet in report form
    o::EditMode = o::EditModeOn;
    dialogs->expectMessage("各種帳票を印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("各種帳票印刷");
    f.Command1[Form34::PrintButton]->click();
    // The run, the closing-entry list with it, leaves edit mode as it found it.
    EXPECT_EQ(o::EditMode, o::EditModeOn);

    EXPECT_EQ(printer->documentCount(), 1);
    EXPECT_EQ(printer->endDocCount(), 1);
    EXPECT_EQ(sheetTitles(*printer),
              (std::vector<std::string>{"決算仕訳リスト", "合計残高試算表", "貸借対照表", "損益計算書",
                                        "製造原価報告書", "販売費及び一般管理費内訳書"}));
    for (const auto& page : printer->pages()) {
        ASSERT_GE(page.size(), 4u);
        EXPECT_EQ(page[0].text.find("【テスト工業】会計　"), 9u) << page[0].text;
        EXPECT_EQ(trimmed(page[3].text), "（単位：円）");
    }
    bool oneSgaLine = false, triangle = false;
    for (const PrintEvent& e : printer->events()) {
        if (e.kind != PrintEvent::Kind::Text || e.page != 4)
            continue;
        oneSgaLine |= e.text.find("販売費及び一般管理費") != std::string::npos;
        triangle |= e.text == std::string(13, ' ') + "△420";
        EXPECT_EQ(e.text.find("荷造運賃"), std::string::npos);
    }
    EXPECT_TRUE(oneSgaLine);
    EXPECT_TRUE(triangle);
    // The SG&A breakdown prints the closing balance −200 with its minus sign.
    const auto sga = printer->pageTexts(5);
    EXPECT_NE(std::find_if(sga.begin(), sga.end(),
                           [](const std::string& l) {
                               return l.find(pad("荷造運賃", 16) + " " + amount18(-200)) != std::string::npos;
                           }),
              sga.end());
}

// "全て選択" with no non-operating or extraordinary items: the statement shows
// the expenses as one line with their total and 営業利益, and its profit is
// the balance sheet's. By hand: 売上総利益 10,000 − (3,000 + 400 + 2,600) =
// 4,000; 営業利益 = 税引前当期利益 4,000 − 1,800 = 2,200; 当期未処分利益
// 2,200 − 900 + 2,000 = 3,300.
TEST_F(Form34Test, PrintRunOfEveryReportKeepsTheExpensesAndOneProfitOnTheSheets)
{
    fx.execute("DELETE FROM \"仕訳台帳\" WHERE \"摘要\" IN ('利息', '借入利息', '備品売却', '一部除却')");
    statements::Form34& f = open();
    f.Check1[0]->click();
    f.Option5[1]->click();
    dialogs->expectMessage("各種帳票を印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("各種帳票印刷");
    f.Command1[Form34::PrintButton]->click();

    ASSERT_EQ(printer->sheets().size(), 6u);
    const auto linesOf = [&](std::size_t sheet) {
        std::vector<std::string> lines;
        for (const std::string& l : printer->sheetTexts(sheet))
            lines.push_back(compact(l));
        return lines;
    };
    const auto has = [](const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    const auto balanceSheet = linesOf(2);
    EXPECT_TRUE(has(balanceSheet, "当期未処分利益 3,300"));
    const auto profitAndLoss = linesOf(3);
    ASSERT_FALSE(profitAndLoss.empty());
    EXPECT_NE(profitAndLoss.front().find("損益計算書"), std::string::npos);
    for (const char* line : {"当期製品製造原価 2,600", "売上総利益 4,000", "販売費及び一般管理費 1,800",
                             "営業利益 2,200", "税引前当期利益 2,200", "当期未処分利益 3,300"})
        EXPECT_TRUE(has(profitAndLoss, line)) << line;
}

// A wide statement does not shrink those printed after it in the run: each
// sheet here is one statement's only page, so each comes out at the reduction
// its own texts need (none beyond the paper's), worked out from the sheet.
TEST_F(Form34Test, PrintRunPrintsEachStatementAtItsOwnReduction)
{
    statements::Form34& f = open();
    f.Check1[0]->click();
    dialogs->expectMessage("各種帳票を印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("各種帳票印刷");
    f.Command1[Form34::PrintButton]->click();
    ASSERT_EQ(printer->sheets().size(), 6u);
    for (const auto& sheet : printer->sheets()) {
        double right = 0.0, bottom = 0.0;
        for (const auto& t : sheet.texts) {
            right = std::max(right, t.x + t.width);
            bottom = std::max(bottom, t.y + t.height);
        }
        const double own =
            std::min({printer->baseScale(), printer->paperWidth() / right, printer->paperHeight() / bottom});
        EXPECT_DOUBLE_EQ(sheet.scale, own) << sheet.texts.at(1).text;
    }
}

TEST_F(Form34Test, PrintRunWithNothingTickedOpensAndEndsAnEmptyDocument)
{
    statements::Form34& f = open();
    dialogs->expectMessage("各種帳票を印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("各種帳票印刷");
    f.Command1[Form34::PrintButton]->click();
    EXPECT_EQ(printer->endDocCount(), 1);
    EXPECT_TRUE(printer->pages().empty());
}

TEST_F(Form34Test, ClosingReportReadBackFromThePdf)
{
    if (!testsupport::PdfToTextInstalled())
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string pdf = (fx.dir() / "決算報告書.pdf").string();
    printing::installPrinter(std::make_unique<printing::PdfPrinter>(pdf));
    fx.execute("UPDATE \"会計設定\" SET \"元号\" = 1");
    statements::Form34& f = open();
    f.Check2[0]->click();
    dialogs->expectMessage("決算報告書書類を印刷します 準備はよろしいですか？", ui::Answer::Yes)
        .withTitle("決算報告書印刷");
    f.Command1[Form34::ClosingReportButton]->click();

    const std::string text = withoutBlanks(testsupport::PdfText(pdf));
    ASSERT_FALSE(text.empty());
    for (const char* expected : {"決　算　報　告　書",
                                 "第　3　期",
                                 "自　令和6年04月01日",
                                 "至　令和7年03月31日",
                                 "テスト工業",
                                 "貸借対照表",
                                 "（資産の部）",
                                 "現金預金",
                                 "9,070",
                                 "当期未処分利益",
                                 "2,970",
                                 "負債、資本合計",
                                 "22,470",
                                 "損益計算書",
                                 "販売費及び一般管理費",
                                 "税引前当期利益",
                                 "1,870",
                                 "販売費及び一般管理費内訳書",
                                 "1,800",
                                 "製造原価報告書",
                                 "当期総製造費用",
                                 "2,650",
                                 "当期製造原価",
                                 "2,600",
                                 "上記の通り報告致します",
                                 "令和7年05月30日",
                                 "代表取締役 山田太郎",
                                 "（単位：円）"}) {
        EXPECT_NE(text.find(withoutBlanks(expected)), std::string::npos) << expected << "\n" << text;
    }
    // The statements of the report leave their company line out.
    EXPECT_EQ(text.find("【テスト工業】"), std::string::npos);
    std::remove(pdf.c_str());
}

TEST_F(Form34Test, ClosingReportAskedNoPrintsNothing)
{
    statements::Form34& f = open();
    f.Check2[0]->click();
    dialogs->expectMessage("決算報告書書類を印刷します 準備はよろしいですか？", ui::Answer::No)
        .withTitle("決算報告書印刷");
    f.Command1[Form34::ClosingReportButton]->click();
    EXPECT_TRUE(printer->events().empty());
}

TEST_F(Form34Test, CsvFilesAreWrittenAndTheNoticeFollowsOnlySuccess)
{
    statements::Form34& f = open();
    dialogs->expectMessage("ＣＳＶ用ファイルを作成しました\n" + fx.dir().string(), ui::Answer::Cancel)
        .withTitle("ＣＳＶファイル作成")
        .withButtons(ui::Buttons::OkCancel);
    f.Command1[Form34::CsvButton]->click();
    EXPECT_GT(std::filesystem::file_size(fx.dir() / "貸借対照表.csv"), 0u);
    EXPECT_GT(std::filesystem::file_size(fx.dir() / "損益計算書.csv"), 0u);

    std::filesystem::remove(fx.dir() / "損益計算書.csv");
    std::filesystem::create_directory(fx.dir() / "損益計算書.csv");
    dialogs
        ->expectMessage("ＣＳＶファイル「" + (fx.dir() / "損益計算書.csv").string() + "」を書き込めませんでした",
                        ui::Answer::Ok)
        .withTitle("ＣＳＶファイル作成");
    f.Command1[Form34::CsvButton]->click();
}

// While the last tally failed, the print run, the closing report and the CSV
// button each refuse with its reason: nothing reaches the printer, and no
// CSV file is made from the figures stored before.
TEST_F(Form34Test, AfterAFailedTallyThePrintRunsAndTheCsvFilesAreRefusedWithTheReason)
{
    fx.recompute();
    fx.execute("INSERT INTO \"仕訳台帳\" (\"日付\", \"借方コード\", \"入金\") VALUES"
               " ('2024-12-01', '411', 5000000000000000000), ('2024-12-02', '411', 5000000000000000000)");
    dialogs->expectAnyMessage(ui::Answer::Ok).withTitle("決算処理");
    statements::Form34& f = open();
    const std::string refusal = s(f.TallyNotice->text());
    ASSERT_NE(refusal.find("フィールド「入金」の値「5000000000000000000」"), std::string::npos) << refusal;
    f.Check1[0]->click();
    f.Check2[0]->click();

    dialogs->expectMessage(refusal, ui::Answer::Ok).withTitle("各種帳票印刷");
    f.Command1[Form34::PrintButton]->click();
    dialogs->expectMessage(refusal, ui::Answer::Ok).withTitle("決算報告書印刷");
    f.Command1[Form34::ClosingReportButton]->click();
    dialogs->expectMessage(refusal, ui::Answer::Ok).withTitle("ＣＳＶファイル作成");
    f.Command1[Form34::CsvButton]->click();
    // Nor does a statement printed on its own read the figures stored before.
    EXPECT_THROW(f.PrintTrialBalance(), std::runtime_error);
    EXPECT_TRUE(printer->events().empty());
    EXPECT_FALSE(std::filesystem::exists(fx.dir() / "貸借対照表.csv"));
    EXPECT_FALSE(std::filesystem::exists(fx.dir() / "損益計算書.csv"));

    // Once a tally succeeds, the files are written with their lines and the notice follows.
    fx.execute("DELETE FROM \"仕訳台帳\" WHERE \"入金\" = 5000000000000000000");
    f.Command1[Form34::ClosingRunButton]->click();
    dialogs->expectMessage("ＣＳＶ用ファイルを作成しました\n" + fx.dir().string(), ui::Answer::Ok)
        .withTitle("ＣＳＶファイル作成");
    f.Command1[Form34::CsvButton]->click();
    EXPECT_GT(std::filesystem::file_size(fx.dir() / "貸借対照表.csv"), 0u);
    EXPECT_GT(std::filesystem::file_size(fx.dir() / "損益計算書.csv"), 0u);
}
