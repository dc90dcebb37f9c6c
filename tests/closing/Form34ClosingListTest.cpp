// The closing lists on screen and the printed "決算仕訳リスト" on the recording
// printer's sheets, and the two closing runs started from their buttons.
#include "Form34ClosingFixture.h"

#include "closing/ClosingRun.h"
#include "closing/DepreciationJournal.h"
#include "closing/TaxSettlement.h"
#include "common/FitByteWidth.h"
#include "frame/Application.h"
#include "journal/EntryDate.h"
#include "support/AnotherProgram.h"
#include "support/SheetChecks.h"

#include <QCheckBox>

#include <chrono>

using closing::testing::Form34ClosingTest;
using statements::Form34;

namespace {

std::string pad(const std::string& text, int bytes)
{
    return o::FitByteWidth(text, bytes);
}
std::string right(const std::string& text, int width)
{
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

class Form34ListTest : public Form34ClosingTest {
protected:
    // `count` closing entries of one row each, numbered E0001..., dated 2026-03-31.
    void addEntries(int count)
    {
        db->Execute("BEGIN");
        for (int i = 1; i <= count; ++i) {
            char number[16];
            std::snprintf(number, sizeof number, "E%04d", i);
            execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 取引先, 借方コード, 入金, 貸方コード, 出金, "
                    "銀行コード,"
                    " 支店コード, 決算仕訳) VALUES ('2026-03-31', ?, 1, ?, '山田商店', '517', ?, '211', ?, '0001', "
                    "'0001203', 1)",
                    {std::string(number), "決算整理その" + std::to_string(i), 1000 * i, 1000 * i});
        }
        db->Execute("COMMIT");
    }
    void printClosingList()
    {
        form->Check1[1]->setChecked(true);
        dialogs->expectMessage("各種帳票を印刷します 準備はよろしいですか？", ui::Answer::Yes)
            .withTitle("各種帳票印刷");
        press(Form34::PrintButton);
    }
};

TEST_F(Form34ListTest, TheEntryListShowsEachRowWithItsDateWhenItChanges)
{
    addEntries(2);
    execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
            " VALUES ('2026-03-31', 'E0003', 10, '十行目', '517', 100000000, '211', NULL, 1)");
    statements::Form34& f = open();
    const auto lines = listLines(entryTab(f).List2);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "26/03/31(火) 1 " + pad("決算整理その1", 36) + " " + pad("山田商店", 16) + " " + pad("消耗品費", 20)
                  + "   " + right("1,000", 10) + " " + pad("未払金", 20) + "   " + right("1,000", 10) + "  "
                  + pad("みずほ銀行", 15) + " " + pad("新宿支店", 15));
    EXPECT_EQ(lines[1].substr(0, 13), std::string(13, ' '));
    // 追番 10 makes the line one character longer; an amount too wide for its
    // field shows as "*", a null amount as ten blanks.
    EXPECT_EQ(o::ShiftJisByteWidth(lines[2]), o::ShiftJisByteWidth(lines[1]) + 1);
    EXPECT_NE(lines[2].find(pad("消耗品費", 20) + "   " + std::string(10, '*') + " " + pad("未払金", 20) + "   "
                            + std::string(10, ' ')),
              std::string::npos);
    EXPECT_EQ(entryTab(f).entryLineKeys()[2], (closing::ClosingLineKey{"E0003", 10}));
}

struct PageCase {
    const char* name;
    int entries;
    std::size_t sheets;
    std::size_t entriesOnLastSheet;
};
void PrintTo(const PageCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form34PrintTest : public Form34ListTest, public ::testing::WithParamInterface<PageCase> {};

// A page holds the header and 82 entries; the next entry opens a new page
// with its own header. Edit mode is as it was before the print, in every window.
TEST_P(Form34PrintTest, PrintsEightyTwoEntriesToASheetEachUnderItsHeader)
{
    const PageCase& c = GetParam();
    addEntries(c.entries);
    statements::Form34& f = open();
    editOn();
    printClosingList();
    EXPECT_TRUE(o::EditModeIsOn());
    EXPECT_EQ(f.Command1.at(Form34::EditButton)->text().toStdString(), "編集解除");

    ASSERT_EQ(printer->sheets().size(), c.sheets);
    EXPECT_TRUE(support::everySheetIsAPageWithItsHeader(*printer, "【テスト商事】会計　決算仕訳リスト"));
    std::size_t entries = 0;
    for (std::size_t sheet = 0; sheet < printer->sheets().size(); ++sheet) {
        const auto texts = printer->sheetTexts(sheet);
        ASSERT_GE(texts.size(), 4u);
        EXPECT_EQ(texts[1], std::string(9, ' ') + "決算仕訳リスト");
        const std::size_t onSheet = texts.size() - 4;
        EXPECT_EQ(onSheet, sheet + 1 == printer->sheets().size() ? c.entriesOnLastSheet : 82u);
        entries += onSheet;
    }
    EXPECT_EQ(entries, static_cast<std::size_t>(c.entries));
    // An entry line from print column 10: no date column, 取引先 in 10 bytes, names in 16.
    EXPECT_EQ(printer->sheetTexts(0)[4],
              std::string(9, ' ') + "1 " + pad("決算整理その1", 36) + " " + pad("山田商店", 10) + " "
                  + pad("消耗品費", 16) + "   " + right("1,000", 10) + " " + pad("未払金", 16) + "   "
                  + right("1,000", 10) + "  " + pad("みずほ銀行", 15) + " " + pad("新宿支店", 15));
}

INSTANTIATE_TEST_SUITE_P(List, Form34PrintTest,
                         ::testing::Values(PageCase{"OneEntry", 1, 1, 1}, PageCase{"EightyTwoEntries", 82, 1, 82},
                                           PageCase{"EightyThreeEntries", 83, 2, 1},
                                           PageCase{"TwoHundredEntries", 200, 3, 36}),
                         testsupport::kCaseName);

TEST_F(Form34ListTest, NoClosingEntriesPrintNothing)
{
    open();
    printClosingList();
    EXPECT_TRUE(printer->pages().empty());
    EXPECT_TRUE(printer->sheets().empty());
}

// ---- the closing runs from their buttons ---------------------------------------------------

TEST_F(Form34ListTest, TheDepreciationJournalPostsTenAssetsToAVoucherAndListsThem)
{
    for (int i = 1; i <= 12; ++i)
        execute("INSERT INTO 固定資産台帳 (管理番号, 名称, 勘定科目コード, 取得価格, 残存価格, 減価償却費)"
                " VALUES (?, '車両', '144', 1000000, 500000, ?)",
                {"A-" + std::to_string(100 + i), 1000 * i});
    statements::Form34& f = open();

    dialogs->expectMessage(closing::kDepreciationQuestion, ui::Answer::No)
        .withTitle(closing::kDepreciationQuestionTitle);
    press(Form34::DepreciationButton);
    EXPECT_TRUE(closingRows().empty());

    // A date that does not exist: refused, nothing written.
    setDate("2026年", "02月", "29日");
    dialogs->expectMessage(closing::kDepreciationQuestion, ui::Answer::Yes)
        .withTitle(closing::kDepreciationQuestionTitle);
    dialogs->expectMessage(journal::kInvalidDateMessage, ui::Answer::Ok).withoutTitle();
    press(Form34::DepreciationButton);
    EXPECT_TRUE(closingRows().empty());

    setDate("2026年", "03月", "31日");
    dialogs->expectMessage(closing::kDepreciationQuestion, ui::Answer::Yes)
        .withTitle(closing::kDepreciationQuestionTitle);
    press(Form34::DepreciationButton);
    const auto rows =
        lines("SELECT * FROM 仕訳台帳 WHERE 決算仕訳 <> 0 ORDER BY rowid", {"伝票番号", "追番", "摘要", "入金"});
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(voucherNumbers().size(), 2u);
    EXPECT_EQ(rows[9].substr(12), "|10|A-110車両|10000");
    EXPECT_EQ(rows[10].substr(12), "|1|A-111車両|11000");
    EXPECT_EQ(entryTab(f).List2->count(), 12);
}

// Tax-exclusive: the period's balances of the tax accounts, closing entries
// included, settled into one voucher; a second press finds nothing left. The
// press empties the grid whatever it held.
TEST_F(Form34ListTest, TheTaxSettlementPostsFromItsButtonAndASecondPressPostsNothing)
{
    execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳) VALUES"
            " ('2025-06-01', 'V1', 1, '売上', '100', 1234567, '218', 1234567, 0),"
            " ('2025-07-01', 'V2', 1, '仕入', '136', 800000, '100', 800000, 0),"
            " ('2025-11-30', 'V3', 1, '中間納付', '134', 300000, '100', 300000, 0)");
    statements::Form34& f = open();
    editOn();
    grid().Text1[0]->setText("書きかけ");

    setDate("2025年", "02月", "29日");
    dialogs->expectMessage(journal::kInvalidDateMessage, ui::Answer::Ok).withoutTitle();
    press(Form34::TaxSettlementButton);
    EXPECT_TRUE(closingRows().empty());
    EXPECT_EQ(text(grid().Text1[0]), "");

    setDate("2026年", "03月", "31日");
    press(Form34::TaxSettlementButton);
    EXPECT_EQ(closingRows(),
              (std::vector<std::string>{"2026/3/31|1|消費税精算|218|1234567|136|800000||",
                                        "2026/3/31|2|（中間消費税支払）|218|0|134|300000||",
                                        "2026/3/31|3|（確定納付額）|218|0|214|134000||",
                                        "2026/3/31|4|（消費税雑収入）|218|0|602|567||"}));
    EXPECT_EQ(entryTab(f).List2->count(), 4);

    dialogs->expectMessage(closing::kNothingToSettle, ui::Answer::Ok).withoutTitle();
    press(Form34::TaxSettlementButton);
    EXPECT_EQ(closingRows().size(), 4u);
}

// Another program holds the file past the wait: the settlement and the
// depreciation journal each say once that it is in use, as the program
// delivers the click, and post nothing.
TEST_F(Form34ListTest, TheRunsSayOnceThatAHeldFileIsInUse)
{
    execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
            " VALUES ('2025-06-01', 'V1', 1, '売上', '100', 1234567, '218', 1234567, 0)");
    open();
    editOn();
    setDate("2026年", "03月", "31日");
    for (const int button : {Form34::TaxSettlementButton, Form34::DepreciationButton}) {
        SCOPED_TRACE(button);
        const std::size_t before = dialogs->calls().size();
        if (button == Form34::DepreciationButton)
            dialogs->expectAnyMessage(ui::Answer::Yes);
        dialogs->expectAnyMessage(ui::Answer::Ok);
        dao::DBEngine::instance().setBusyWait(std::chrono::milliseconds(200));
        {
            testsupport::AnotherProgram other(file.path());
            other.exec("BEGIN EXCLUSIVE");
            frame::DeliverReportingErrors([&] {
                press(button);
                return true;
            });
        }
        dao::DBEngine::instance().setBusyWait(dao::DBEngine::kDefaultBusyWait);
        const std::vector<std::string> texts = dialogs->messageTexts();
        ASSERT_EQ(texts.size() - before, button == Form34::DepreciationButton ? 2u : 1u);
        EXPECT_NE(texts.back().find("プログラムが使用中"), std::string::npos) << texts.back();
        EXPECT_EQ(texts.back().find(frame::kActionFailedMessage), std::string::npos) << texts.back();
        EXPECT_TRUE(closingRows().empty());
    }
}

}  // namespace
