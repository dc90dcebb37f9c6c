// Closing vouchers driven from the closing tab's buttons: registered,
// recalled, updated and deleted with their history, each write whole or not at
// all; the checks before a write; lines that name a voucher or template that
// changed or vanished; closing templates loaded into the grid.
#include "Form34ClosingFixture.h"

#include "closing/ClosingEntryText.h"
#include "closing/ClosingGrid.h"
#include "closing/ClosingRun.h"
#include "journal/EntryDate.h"
#include "journal/VoucherNumber.h"

#include <set>

using closing::testing::Form34ClosingTest;
using statements::Form34;

namespace {

class Form34VoucherTest : public Form34ClosingTest {
protected:
    // A voucher of two rows: 消耗品費 10,000 to 未払金 at みずほ銀行 新宿支店, and
    // its input tax with a bank of its own.
    void fillVoucherWithTaxRow()
    {
        journal::EntryGrid& g = grid();
        g.Text1[0]->setText("未払消耗品");
        type(g.Combo1[0], "消耗品費");
        type(g.Text8[0], "10,000");
        type(g.Combo7[0], "未払金");
        g.Combo8[0]->setEditText("みずほ銀行");
        g.Combo9[0]->setEditText("新宿支店");
        type(g.Combo1[1], "仮払消費税");
        g.Combo8[1]->setEditText("三井住友銀行");
        g.Combo9[1]->setEditText("渋谷駅前支店");
    }
};

// The main road: register, recall, update and delete, with the history rows
// of the update and the delete under the voucher's number and without amounts.
TEST_F(Form34VoucherTest, AVoucherWithATaxRowIsRegisteredRecalledUpdatedAndDeleted)
{
    statements::Form34& f = open();
    editOn();
    fillVoucherWithTaxRow();
    press(Form34::RegisterButton);
    EXPECT_EQ(closingRows(),
              (std::vector<std::string>{"2026/3/31|1|未払消耗品|517|10000|211|10000|0001|0001203",
                                        "2026/3/31|2||136|1000|211|1000|0009|0009232"}));
    const std::vector<std::string> numbers = voucherNumbers();
    ASSERT_EQ(numbers.size(), 1u);
    EXPECT_EQ(numbers[0].size(), 12u);
    EXPECT_EQ(entryTab(f).List2->count(), 2);
    EXPECT_EQ(text(grid().Text1[0]), "");
    EXPECT_EQ(grid().DebitAmounts[0], 0);

    // Recall from the voucher's second line: the whole voucher and its date.
    setDate("2026年", "01月", "05日");
    clickLine(entryTab(f).List2, 1);
    journal::EntryGrid& g = grid();
    EXPECT_EQ(text(g.Text1[0]), "未払消耗品");
    EXPECT_EQ(text(g.Combo1[1]), "仮払消費税");
    EXPECT_EQ(text(g.Text8[0]), "10,000");
    EXPECT_EQ(text(g.Text9[1]), "1,000");
    EXPECT_EQ(text(g.Combo8[1]), "三井住友銀行");
    EXPECT_EQ(text(g.Combo9[0]), "新宿支店");
    EXPECT_EQ(text(entryTab(f).Combo2[0]) + text(entryTab(f).Combo2[1]) + text(entryTab(f).Combo2[2]),
              "2026年03月31日");
    EXPECT_EQ(text(entryTab(f).Label3), "2026年03月31日(火)");
    EXPECT_EQ(text(g.Text8[10]), "11,000");

    // Update: new amounts, a new tax row, another date and description; the
    // voucher keeps its number and its rows their banks.
    g.Text1[0]->setText("未払消耗品（修正）");
    type(g.Text8[0], "20,000");
    type(g.Text9[0], "20,000");
    leave(g.Combo1[1]);
    setDate("2026年", "03月", "30日");
    press(Form34::UpdateButton);
    EXPECT_EQ(closingRows(),
              (std::vector<std::string>{"2026/3/30|1|未払消耗品（修正）|517|20000|211|20000|0001|0001203",
                                        "2026/3/30|2||136|2000|211|2000|0009|0009232"}));
    EXPECT_EQ(voucherNumbers(), numbers);
    const std::string n = numbers[0];
    EXPECT_EQ(historyRows(),
              (std::vector<std::string>{"1|" + n + "|2026/3/31|1|未払消耗品|517|211|0001|0001203",
                                        "1|" + n + "|2026/3/31|2||136|211|0009|0009232"}));
    EXPECT_EQ(entryTab(f).List2->count(), 2);
    EXPECT_EQ(text(g.Text1[0]), "");

    // Delete from its first line.
    clickLine(entryTab(f).List2, 0);
    dialogs->expectMessage(closing::kDeleteQuestion, ui::Answer::Yes).withTitle(closing::kDeleteQuestionTitle);
    press(Form34::DeleteButton);
    EXPECT_TRUE(closingRows().empty());
    EXPECT_EQ(entryTab(f).List2->count(), 0);
    const auto history = historyRows();
    ASSERT_EQ(history.size(), 4u);
    EXPECT_EQ(history[2], "2|" + n + "|2026/3/30|1|未払消耗品（修正）|517|211|0001|0001203");
    EXPECT_EQ(history[3], "2|" + n + "|2026/3/30|2||136|211|0009|0009232");
    EXPECT_FALSE(db->OpenRecordset("仕訳変更履歴", dao::RecordsetType::Snapshot)->hasField("入金"));
}

TEST_F(Form34VoucherTest, DeleteAnsweredNoChangesNothing)
{
    statements::Form34& f = open();
    editOn();
    fillVoucherWithTaxRow();
    press(Form34::RegisterButton);
    clickLine(entryTab(f).List2, 0);
    dialogs->expectMessage(closing::kDeleteQuestion, ui::Answer::No).withTitle(closing::kDeleteQuestionTitle);
    press(Form34::DeleteButton);
    EXPECT_EQ(closingRows().size(), 2u);
    EXPECT_TRUE(historyRows().empty());
}

// ---- checks before a write --------------------------------------------------------------

struct DateCase {
    const char* name;
    const char* year;
    const char* month;
    const char* day;
    std::string message;
};
void PrintTo(const DateCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form34DateTest : public Form34VoucherTest, public ::testing::WithParamInterface<DateCase> {};

// Before: the date of the boxes was written unchecked, 30 February included.
TEST_P(Form34DateTest, RegisterAndUpdateRefuseTheDateAndWriteNothing)
{
    const DateCase& c = GetParam();
    statements::Form34& f = open();
    editOn();
    fillVoucherWithTaxRow();
    setDate(c.year, c.month, c.day);
    dialogs->expectMessage(c.message, ui::Answer::Ok).withoutTitle();
    press(Form34::RegisterButton);
    EXPECT_TRUE(closingRows().empty());
    EXPECT_EQ(text(grid().Text1[0]), "未払消耗品");  // the grid keeps the voucher

    setDate("2026年", "03月", "31日");
    press(Form34::RegisterButton);
    clickLine(entryTab(f).List2, 0);
    setDate(c.year, c.month, c.day);
    dialogs->expectMessage(c.message, ui::Answer::Ok).withoutTitle();
    press(Form34::UpdateButton);
    EXPECT_EQ(closingRows().front().substr(0, 10), "2026/3/31|");
    EXPECT_TRUE(historyRows().empty());
}

const closing::ClosingPeriod kPeriod{{2025, 4, 1}, {2026, 3, 31}};
INSTANTIATE_TEST_SUITE_P(
    Vouchers, Form34DateTest,
    ::testing::Values(DateCase{"ThirtiethOfFebruary", "2026年", "02月", "30日", journal::kInvalidDateMessage},
                      DateCase{"ThirteenthMonth", "2026年", "13月", "01日", journal::kInvalidDateMessage},
                      DateCase{"DayAfterThePeriod", "2026年", "04月", "01日",
                               closing::DateOutsidePeriodMessage({2026, 4, 1}, kPeriod)}),
    testsupport::kCaseName);

TEST_F(Form34VoucherTest, RegisterWithoutDescriptionOnlyBeeps)
{
    open();
    editOn();
    fillVoucherWithTaxRow();
    grid().Text1[0]->clear();
    press(Form34::RegisterButton);
    EXPECT_EQ(dialogs->beepCount(), 1);
    EXPECT_TRUE(closingRows().empty());
}

// Before: an amount typed while row 0's debit account was empty stayed in the
// cell only, and the voucher registered without it.
TEST_F(Form34VoucherTest, RegisterRefusesACellThatShowsAnAmountTheGridNeverTook)
{
    open();
    editOn();
    journal::EntryGrid& g = grid();
    g.Text1[0]->setText("未払計上");
    type(g.Text8[0], "5,000");  // row 0's debit account still empty
    type(g.Combo1[0], "消耗品費");
    type(g.Combo7[0], "未払金");
    dialogs->expectMessage(closing::messages::AmountNotTaken(1, true), ui::Answer::Ok).withoutTitle();
    press(Form34::RegisterButton);
    EXPECT_TRUE(closingRows().empty());

    // Typed again with the account in place, it registers.
    type(g.Text8[0], "5,000");
    press(Form34::RegisterButton);
    EXPECT_EQ(closingRows(), (std::vector<std::string>{"2026/3/31|1|未払計上|517|5000|211|5000||"}));
}

TEST_F(Form34VoucherTest, ANameTheChartDoesNotHoldIsRefusedNotWrittenUnderRowZerosAccount)
{
    open();
    editOn();
    fillVoucherWithTaxRow();
    grid().Combo7[1]->setEditText("未払い金");
    dialogs->expectMessage(closing::messages::AccountNotRegistered(2, false), ui::Answer::Ok).withoutTitle();
    press(Form34::RegisterButton);
    EXPECT_TRUE(closingRows().empty());
}

// Before: the number was the clock's second, whatever the journal held.
TEST_F(Form34VoucherTest, RegisterTakesANumberTheJournalDoesNotHold)
{
    const dao::Date now = dao::Date::now();
    std::set<std::string> taken;
    for (int s = 0; s < 30; ++s) {
        const std::string number = journal::VoucherNumberText(journal::AddSeconds(now, s));
        taken.insert(number);
        execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
                " VALUES ('2025-05-01', ?, 1, '通常', '100', 1, '400', 1, 0)",
                {number});
    }
    open();
    editOn();
    fillVoucherWithTaxRow();
    press(Form34::RegisterButton);
    fillVoucherWithTaxRow();
    press(Form34::RegisterButton);
    const auto numbers = voucherNumbers();
    ASSERT_EQ(numbers.size(), 2u);
    for (const std::string& n : numbers)
        EXPECT_EQ(taken.count(n), 0u) << n;
    EXPECT_EQ(closingRows().size(), 4u);
}

// ---- each write whole or not at all ------------------------------------------------------

struct FailingWrite {
    const char* name;
    int failOn;  // the write of each action that fails
};
void PrintTo(const FailingWrite& c, std::ostream* os)
{
    *os << c.name;
}

class Form34FailureTest : public Form34VoucherTest, public ::testing::WithParamInterface<FailingWrite> {};

TEST_P(Form34FailureTest, AFailedRegisterUpdateOrDeleteChangesNothing)
{
    const int failOn = GetParam().failOn;
    statements::Form34& f = open();
    editOn();
    fillVoucherWithTaxRow();
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, failOn, false});
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    press(Form34::RegisterButton);
    EXPECT_TRUE(closingRows().empty());
    EXPECT_EQ(text(grid().Text1[0]), "未払消耗品");  // kept to try again
    dao::DBEngine::instance().clearFailurePlan();
    press(Form34::RegisterButton);
    const auto stored = closingRows();
    ASSERT_EQ(stored.size(), 2u);

    clickLine(entryTab(f).List2, 0);
    grid().Text1[0]->setText("変更");
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, failOn, false});
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    press(Form34::UpdateButton);
    EXPECT_EQ(closingRows(), stored);
    EXPECT_TRUE(historyRows().empty());

    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::DiskFull, failOn, true});
    clickLine(entryTab(f).List2, 1);
    dialogs->expectMessage(closing::kDeleteQuestion, ui::Answer::Yes);
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    press(Form34::DeleteButton);
    EXPECT_EQ(closingRows(), stored);
    EXPECT_TRUE(historyRows().empty());
}

INSTANTIATE_TEST_SUITE_P(Vouchers, Form34FailureTest,
                         ::testing::Values(FailingWrite{"FirstWrite", 1}, FailingWrite{"SecondWrite", 2}),
                         testsupport::kCaseName);

// ---- lines act on their keys ---------------------------------------------------------------

TEST_F(Form34VoucherTest, AVoucherChangedOrDeletedSinceItWasListedIsRefused)
{
    statements::Form34& f = open();
    editOn();
    fillVoucherWithTaxRow();
    press(Form34::RegisterButton);
    const std::string number = voucherNumbers().front();

    // Changed by another program after it was loaded: the update is refused.
    clickLine(entryTab(f).List2, 0);
    execute("UPDATE 仕訳台帳 SET 摘要 = '他で変更' WHERE 伝票番号 = ? AND 追番 = 1", {number});
    grid().Text1[0]->setText("この画面の変更");
    dialogs->expectMessage(closing::kClosingVoucherChanged, ui::Answer::Ok).withoutTitle();
    press(Form34::UpdateButton);
    EXPECT_EQ(closingRows().front(), "2026/3/31|1|他で変更|517|10000|211|10000|0001|0001203");
    EXPECT_TRUE(historyRows().empty());
    EXPECT_EQ(text(grid().Text1[0]), "");  // the list was read again

    // Deleted by another program after it was listed: the click is refused.
    execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 = ?", {number});
    dialogs->expectMessage(closing::kClosingVoucherVanished, ui::Answer::Ok).withoutTitle();
    clickLine(entryTab(f).List2, 1);
    EXPECT_EQ(entryTab(f).List2->count(), 0);
    EXPECT_EQ(text(grid().Text1[0]), "");
}

// The grid shows a voucher's first ten rows; an update keeps the rest, after
// the new rows, under the voucher's number.
TEST_F(Form34VoucherTest, UpdateKeepsTheRowsBeyondTheTenth)
{
    for (int i = 1; i <= 12; ++i)
        execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
                " VALUES ('2026-03-31', '250331000001', ?, ?, '517', ?, '211', ?, 1)",
                {i, "行" + std::to_string(i), 100 * i, 100 * i});
    statements::Form34& f = open();
    editOn();
    clickLine(entryTab(f).List2, 11);  // the twelfth row's line loads the voucher's first ten rows
    EXPECT_EQ(text(grid().Text1[0]), "行1");
    EXPECT_EQ(text(grid().Text1[9]), "行10");
    grid().Text1[0]->setText("行1改");
    press(Form34::UpdateButton);
    const auto rows = closingRows();
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0], "2026/3/31|1|行1改|517|100|211|100||");
    EXPECT_EQ(rows[10], "2026/3/31|11|行11|517|1100|211|1100||");
    EXPECT_EQ(rows[11], "2026/3/31|12|行12|517|1200|211|1200||");
    EXPECT_EQ(voucherNumbers(), (std::vector<std::string>{"250331000001"}));
    EXPECT_EQ(historyRows().size(), 12u);
}

// ---- closing templates ---------------------------------------------------------------------

class Form34TemplateTest : public Form34VoucherTest {
protected:
    void SetUp() override
    {
        Form34VoucherTest::SetUp();
        // A closing template of two rows (the second without a credit account,
        // its debit making up the first's) and an ordinary one.
        execute("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 銀行コード, "
                "支店コード, 決算仕訳)"
                " VALUES ('250101000001', 1, '減価償却', '530', 49990, '144', 50000, '0001', '0001203', 1),"
                " ('250101000001', 2, '端数', '530', 10, NULL, NULL, NULL, NULL, 1),"
                " ('250101000002', 1, '通常の定型', '517', 1, '211', 1, NULL, NULL, 0)");
    }
};

TEST_F(Form34TemplateTest, AClosingTemplateLoadsWholeFromAnyOfItsLinesAndRegisters)
{
    statements::Form34& f = open();
    ASSERT_EQ(entryTab(f).List1->count(), 2);
    setDate("2026年", "03月", "15日");
    clickLine(entryTab(f).List1, 1);
    journal::EntryGrid& g = grid();
    EXPECT_EQ(text(g.Text1[0]), "減価償却");
    EXPECT_EQ(text(g.Combo1[0]), "減価償却費");
    EXPECT_EQ(text(g.Combo7[0]), "車両運搬具");
    EXPECT_EQ(text(g.Text8[0]), "49,990");
    EXPECT_EQ(text(g.Combo8[0]), "みずほ銀行");
    EXPECT_EQ(text(g.Text1[1]), "端数");
    EXPECT_EQ(text(g.Combo7[1]), "");
    EXPECT_EQ(text(g.Text9[1]), "");
    EXPECT_EQ(g.CreditAmounts[1], 0);
    EXPECT_EQ(text(g.Text8[10]), "50,000");
    EXPECT_EQ(text(entryTab(f).Combo2[2]), "15日");  // a template leaves the date alone

    editOn();
    press(Form34::RegisterButton);
    EXPECT_EQ(closingRows(),
              (std::vector<std::string>{"2026/3/15|1|減価償却|530|49990|144|50000|0001|0001203",
                                        "2026/3/15|2|端数|530|10|144|0|0001|0001203"}));
}

TEST_F(Form34TemplateTest, ATemplateChangedSinceItWasListedIsRefused)
{
    statements::Form34& f = open();
    execute("UPDATE 仕訳定型台帳 SET 入金 = 60000 WHERE 仕訳ID = '250101000001' AND 追番 = 1");
    dialogs->expectMessage(closing::kClosingTemplateChanged, ui::Answer::Ok).withoutTitle();
    clickLine(entryTab(f).List1, 0);
    EXPECT_EQ(text(grid().Text1[0]), "");
    EXPECT_NE(listLines(entryTab(f).List1)[0].find("60,000"), std::string::npos);  // the list as it is now
}

}  // namespace
