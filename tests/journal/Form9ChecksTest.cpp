// What the window refuses, and the messages it gives.
#include "Form9Fixture.h"

#include "journal/EntryChecks.h"
#include "journal/EntryDate.h"
#include "journal/VoucherRows.h"
#include "support/CaseName.h"
#include "support/FocusMovingDialogs.h"

using namespace journal;
using namespace journal::testing;

namespace {

struct RefusalCase {
    const char* name;
    std::function<void(Form9Test&, EntryGrid&)> fill;
    std::string message;
};
void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form9RefusalTest : public Form9Test, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Form9RefusalTest, RegisterRefusesWithItsMessageAndStoresNothing)
{
    editOn();
    setDate("2024年", "5月", "10日");
    GetParam().fill(*this, grid());
    dialogs->expectMessage(GetParam().message, ui::Answer::Ok).withoutTitle().withButtons(ui::Buttons::Ok);
    const int beeps = dialogs->beepCount();
    press(Form9::Register);
    EXPECT_EQ(dialogs->beepCount(), beeps + 1);
    EXPECT_TRUE(journalRows().empty());
}

const RefusalCase kRefusals[] = {
    {"no description", [](Form9Test& t, EntryGrid&) { t.fillRow(0, "", "現金", "100", "売上高"); },
     messages::kDescriptionOrAccountMissing},
    {"no credit account", [](Form9Test& t, EntryGrid&) { t.fillRow(0, "売上", "現金", "100", QString()); },
     messages::kDescriptionOrAccountMissing},
    {"debit name not in the chart", [](Form9Test& t, EntryGrid&) { t.fillRow(0, "売上", "げんきん", "100", "売上高"); },
     messages::kDebitAccountNotRegistered},
    {"credit name not in the chart", [](Form9Test& t, EntryGrid&) { t.fillRow(0, "売上", "現金", "100", "売り上げ"); },
     messages::kCreditAccountNotRegistered},
    {"misspelt debit name in row 3",
     [](Form9Test& t, EntryGrid&) {
         t.fillRow(0, "仕入", "仕入高", "100", "現金");
         t.fillRow(2, "文具", "消耗品ひ", "30", QString());
     },
     messages::kDebitAccountNotRegistered},
    {"misspelt credit name in row 10",
     [](Form9Test& t, EntryGrid&) {
         t.fillRow(0, "仕入", "仕入高", "100", "現金");
         t.fillRow(9, "文具", QString(), "30", "げんきん");
     },
     messages::kCreditAccountNotRegistered},
    {"deposit account without branch in row 4",
     [](Form9Test& t, EntryGrid& g) {
         t.fillRow(0, "仕入", "仕入高", "100", "現金");
         t.fillRow(3, "振込", "買掛金", "100", "普通預金");
         g.Combo8[3]->setEditText("みずほ銀行");
     },
     messages::kBankOrBranchMissing},
    {"amount that is not a number in row 2",
     [](Form9Test& t, EntryGrid& g) {
         t.fillRow(0, "仕入", "仕入高", "100", "現金");
         t.fillRow(1, "運賃", "仕入高", "100", "現金");
         g.Text9[1]->setText("百円");  // left standing after the cell refused it
     },
     messages::AmountNotNumeric(2)},
    {"amount beyond the 32-bit range",
     [](Form9Test& t, EntryGrid& g) {
         t.fillRow(0, "仕入", "仕入高", "100", "現金");
         g.Text8[0]->setText("2,147,483,648");
         g.Text9[0]->setText("2,147,483,648");
     },
     messages::AmountOutOfRange(1)},
    {"totals beyond the 32-bit range",
     [](Form9Test& t, EntryGrid& g) {
         t.fillRow(0, "仕入", "仕入高", "2,000,000,000", "現金");
         t.fillRow(1, "仕入", "仕入高", "100", "現金");
         g.Text8[1]->setText("2,000,000,000");
         g.Text9[1]->setText("2,000,000,000");
     },
     messages::kTotalOutOfRange},
    {"a date that does not exist",
     [](Form9Test& t, EntryGrid&) {
         t.fillRow(0, "売上", "現金", "100", "売上高");
         t.form->Combo2[0]->setEditText("2023年");
         t.form->Combo2[1]->setEditText("2月");
         t.form->Combo2[2]->setEditText("29日");
     },
     kInvalidDateMessage},
};

INSTANTIATE_TEST_SUITE_P(Checks, Form9RefusalTest, ::testing::ValuesIn(kRefusals), testsupport::kCaseName);

TEST_F(Form9Test, UpdateRefusesAMisspeltAccountAndKeepsTheVoucher)
{
    editOn();
    setDate("2024年", "5月", "10日");
    fillRow(0, "仕入", "仕入高", "100", "現金");
    press(Form9::Register);
    clickLine(0);
    fillRow(1, "文具", "消耗品ひ", "30", QString());
    dialogs->expectMessage(messages::kDebitAccountNotRegistered, ui::Answer::Ok).withoutTitle();
    press(Form9::Update);
    ASSERT_EQ(journalRows().size(), 1u);
    EXPECT_TRUE(historyRows().empty());
}

TEST_F(Form9Test, AmountCellMirrorsRoundsAndRefuses)
{
    editOn();
    EntryGrid& g = grid();
    g.Combo1[0]->setEditText("仕入高");
    type(g.Text8[2], "1000");
    EXPECT_EQ(g.Text8[2]->text(), "1,000");
    EXPECT_EQ(g.Text9[2]->text(), "1,000");
    EXPECT_EQ(g.Combo1[2]->currentText(), "仕入高") << "row 1's debit account carries down";
    EXPECT_EQ(g.Text8[10]->text(), "1,000");
    EXPECT_EQ(g.Text9[10]->text(), "1,000");

    type(g.Text9[2], "500");
    EXPECT_EQ(g.Text8[2]->text(), "500");
    type(g.Text8[3], "12.5");
    EXPECT_EQ(g.Text8[3]->text(), "12");
    type(g.Text8[3], "13.5");
    EXPECT_EQ(g.Text8[3]->text(), "14");
    EXPECT_EQ(g.Text8[10]->text(), "514");

    const int beeps = dialogs->beepCount();
    type(g.Text8[4], "abc");
    EXPECT_EQ(dialogs->beepCount(), beeps + 1);
    EXPECT_EQ(g.Text8[4]->text(), "abc");
    EXPECT_EQ(g.Text8[10]->text(), "514");

    dialogs->expectMessage(kAmountOutOfRangeMessage, ui::Answer::Ok).withoutTitle();
    type(g.Text8[5], "3,000,000,000");
    EXPECT_EQ(g.DebitAmounts[5], 0);
    EXPECT_EQ(g.Text8[10]->text(), "514");

    dialogs->expectMessage(kAmountOutOfRangeMessage, ui::Answer::Ok).withoutTitle();
    type(g.Text8[6], "2,147,483,600");  // fits alone, not with the other rows
    EXPECT_EQ(g.DebitAmounts[6], 0);
}

TEST_F(Form9Test, AmountCorrectionLeavesRowOneTheRemainder)
{
    editOn();
    EntryGrid& g = grid();
    type(g.Text8[0], "540");
    type(g.Text8[1], "40");
    press(Form9::CorrectAmounts);
    EXPECT_EQ(g.Text8[0]->text(), "500");
    EXPECT_EQ(g.Text9[0]->text(), "500");
    EXPECT_EQ(g.Text8[10]->text(), "540");
    EXPECT_EQ(g.Text9[10]->text(), "540");

    g.DebitAmounts[0] = 10;
    dialogs->expectMessage("1行目の借方、貸方の合計金額が相違します", ui::Answer::Ok).withoutTitle();
    press(Form9::CorrectAmounts);
}

TEST_F(Form9Test, DateBoxesRebuildTheDaysAndRefuseADateThatDoesNotExist)
{
    editOn();
    form->Combo2[0]->setEditText("2024年");
    form->Combo2[2]->setEditText("31日");
    type(form->Combo2[1], "2月");
    EXPECT_EQ(form->Combo2[2]->count(), 29);
    EXPECT_EQ(form->Combo2[2]->currentText(), "29日");
    EXPECT_EQ(form->EntryDate, (dao::Date{2024, 2, 29}));
    EXPECT_EQ(form->Label3->text(), "令和6年");

    dialogs->expectMessage(kInvalidDateMessage, ui::Answer::Ok).withoutTitle();
    type(form->Combo2[0], "2023年");  // the year box does not rebuild the days
    EXPECT_EQ(form->EntryDate, (dao::Date{2024, 2, 29})) << "the entry date stays the last valid one";
}

TEST_F(Form9Test, AccountCodeTypedIntoACellBecomesItsName)
{
    editOn();
    type(grid().Combo1[0], "517");
    EXPECT_EQ(grid().Combo1[0]->currentText(), "消耗品費");
    dialogs->expectMessage("勘定科目コードが登録されていません", ui::Answer::Ok).withoutTitle();
    type(grid().Combo7[0], "9999");
    EXPECT_EQ(grid().Combo7[0]->currentText(), "9999");
}

}  // namespace

namespace {

TEST_F(Form9Test, RefusedAmountTakesTheFocusBack)
{
    editOn();
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
    EntryGrid& g = grid();
    g.Text8[4]->setFocus();
    QApplication::processEvents();
    if (!g.Text8[4]->hasFocus())
        GTEST_SKIP() << "this platform gives no window the focus";
    g.Text8[4]->setText("abc");
    g.Text8[5]->setFocus();  // leaving the cell the way the user does
    QApplication::processEvents();
    EXPECT_TRUE(g.Text8[4]->hasFocus());
    EXPECT_EQ(dialogs->beepCount(), 1);
}

}  // namespace

namespace {

// Before: after the message the focus went on to row 1's description, and the
// next keys overwrote it.
TEST_F(Form9Test, ARefusedDatePutsTheFocusBackInTheBoxThatWasWrongWithItsTextSelected)
{
    editOn();
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
    form->Combo2[2]->setFocus();
    QApplication::processEvents();
    if (!form->Combo2[2]->hasFocus())
        GTEST_SKIP() << "this platform gives no window the focus";
    grid().Text1[0]->setText("売上");

    struct Case {
        const char* year;
        const char* month;
        const char* day;
        int wrong;  // the box the focus goes back to
    };
    for (const Case& c :
         {Case{"2023年", "02月", "29日", 2}, Case{"2024年", "13月", "01日", 1}, Case{"24年", "05月", "01日", 0}}) {
        SCOPED_TRACE(std::string(c.year) + c.month + c.day);
        form->Combo2[0]->setEditText("2024年");  // a date that exists while the focus moves to the day box
        form->Combo2[1]->setEditText("05月");
        form->Combo2[2]->setEditText("01日");
        form->Combo2[2]->setFocus();
        QApplication::processEvents();
        form->Combo2[0]->setEditText(c.year);
        form->Combo2[1]->setEditText(c.month);
        form->Combo2[2]->setEditText(c.day);
        dialogs->expectMessage(kInvalidDateMessage, ui::Answer::Ok).withoutTitle();
        grid().Text1[0]->setFocus(Qt::TabFocusReason);  // Tab from the day box to row 1
        QApplication::processEvents();
        QComboBox* wrong = form->Combo2[c.wrong];
        EXPECT_TRUE(wrong->hasFocus());
        EXPECT_FALSE(grid().Text1[0]->hasFocus());
        EXPECT_EQ(wrong->lineEdit()->selectedText(), wrong->currentText());
        EXPECT_EQ(grid().Text1[0]->text(), "売上");
    }

    // "登録" with a date that does not exist: the same.
    form->Combo2[0]->setEditText("2024年");
    form->Command1[Form9::Register]->setFocus();
    QApplication::processEvents();
    form->Combo2[1]->setEditText("04月");
    form->Combo2[2]->setEditText("31日");
    fillRow(0, "売上", "現金", "100", "売上高");
    dialogs->expectMessage(kInvalidDateMessage, ui::Answer::Ok).withoutTitle();
    press(Form9::Register);
    QApplication::processEvents();
    EXPECT_TRUE(form->Combo2[2]->hasFocus());
    EXPECT_EQ(form->Combo2[2]->lineEdit()->selectedText(), "31日");
    EXPECT_TRUE(journalRows().empty());
}

TEST_F(Form9Test, EnteringACellSelectsItsTextOnlyInEditMode)
{
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
    form->Combo2[0]->setFocus();
    QApplication::processEvents();
    if (!form->Combo2[0]->hasFocus())
        GTEST_SKIP() << "this platform gives no window the focus";
    form->Combo2[1]->setFocus();  // edit mode off: the text is not selected
    QApplication::processEvents();
    EXPECT_TRUE(form->Combo2[1]->lineEdit()->selectedText().isEmpty());

    editOn();
    EntryGrid& g = grid();
    g.Text1[0]->setText("摘要の文");
    g.Text1[0]->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(g.Text1[0]->selectedText(), "摘要の文");
    g.Text9[0]->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(g.Text9[0]->selectedText(), "0");
    g.Combo11[0]->setEditText("山田商店");
    g.Combo11[0]->setFocus();  // the partner cell has no such handler
    QApplication::processEvents();
    EXPECT_TRUE(g.Combo11[0]->lineEdit()->selectedText().isEmpty());
}

}  // namespace

namespace {

// ---- a message that moves the focus --------------------------------------------------

struct MessageFocusCase {
    const char* name;
    std::function<QWidget*(Form9&)> cell;  // the cell left, where the message moves the focus
    std::function<void(Form9&)> fill;      // what the cell is left with
};
void PrintTo(const MessageFocusCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form9MessageFocusTest : public Form9Test, public ::testing::WithParamInterface<MessageFocusCase> {};

// Before: the message box giving the focus back to a list cell put the cell's
// completer ahead of the window's event filter, the toolkit then handed the
// same focus-out to the window once more, and the message came again.
TEST_P(Form9MessageFocusTest, TheCellsMessageComesOnce)
{
    editOn();
    setDate("2024年", "05月", "10日");
    type(grid().Combo1[0], "消耗品費");
    type(grid().Text8[0], "1,000");
    const MessageFocusCase& c = GetParam();
    QWidget* cell = c.cell(*form);
    auto moving = std::make_unique<testsupport::FocusMovingDialogs>(cell);
    testsupport::FocusMovingDialogs* seen = moving.get();
    auto scripted = ui::setDialogs(std::move(moving));
    c.fill(*form);
    leave(cell);
    EXPECT_EQ(seen->messages, 1);
    ui::setDialogs(std::move(scripted));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, Form9MessageFocusTest,
    ::testing::Values(MessageFocusCase{"debit account code not in use", [](Form9& f) { return f.grid().Combo1[3]; },
                                       [](Form9& f) { f.grid().Combo1[3]->setEditText("9999"); }},
                      MessageFocusCase{"credit account code not in use", [](Form9& f) { return f.grid().Combo7[3]; },
                                       [](Form9& f) { f.grid().Combo7[3]->setEditText("9999"); }},
                      MessageFocusCase{"amount beyond the range", [](Form9& f) { return f.grid().Text8[3]; },
                                       [](Form9& f) { f.grid().Text8[3]->setText("99999999999"); }},
                      MessageFocusCase{"day the month does not have", [](Form9& f) { return f.Combo2[2]; },
                                       [](Form9& f) {
                                           f.Combo2[1]->setEditText("02月");
                                           f.Combo2[2]->setEditText("30日");
                                       }},
                      MessageFocusCase{"tax row on a date that does not exist",
                                       [](Form9& f) { return f.grid().Combo1[1]; },
                                       [](Form9& f) {
                                           f.Combo2[2]->setEditText("32日");
                                           f.grid().Combo1[1]->setEditText("仮払消費税");
                                       }}),
    testsupport::kCaseName);

}  // namespace
