// The closing window's entry grid driven offscreen: account codes turned into
// names when a cell is left (never when it is entered), handlers that do not
// run again while their own message is open, the automatic tax rows at the
// voucher's date with the row above's tax flag, the amount cells, edit mode,
// the correction of the first row and the captions of the closing tab.
#include "Form34ClosingFixture.h"

#include "journal/EntryDate.h"
#include "support/FocusMovingDialogs.h"
#include "support/WindowChecks.h"

#include <QTabWidget>

using closing::testing::Form34ClosingTest;
using statements::Form34;
using testsupport::FocusMovingDialogs;

namespace {

// ---- account cells -------------------------------------------------------------------

TEST_F(Form34ClosingTest, ACodeBecomesItsNameWhenTheCellIsLeftNeverWhenItIsEntered)
{
    open();
    journal::EntryGrid& g = grid();
    g.Combo1[0]->setEditText("517");
    enter(g.Combo1[0]);
    EXPECT_EQ(text(g.Combo1[0]), "517");
    leave(g.Combo1[0]);
    EXPECT_EQ(text(g.Combo1[0]), "消耗品費");

    // A code of no account in use: nothing on entering; one message on leaving, the text kept.
    g.Combo1[2]->setEditText("9999");
    enter(g.Combo1[2]);
    dialogs->expectMessage("勘定科目コードが登録されていません", ui::Answer::Ok).withoutTitle();
    leave(g.Combo1[2]);
    EXPECT_EQ(text(g.Combo1[2]), "9999");
    EXPECT_EQ(dialogs->beepCount(), 1);
    dialogs->expectMessage("勘定科目コードが登録されていません", ui::Answer::Ok).withoutTitle();
    type(g.Combo7[4], "8888");
    EXPECT_EQ(text(g.Combo7[4]), "8888");
}

// Before: the lookup ran on entering as well, so the focus coming back after
// the message ran it again, and its message again, without end.
TEST_F(Form34ClosingTest, AMessageThatMovesTheFocusDoesNotRunTheCellsHandlerAgain)
{
    open();
    editOn();
    struct Cell {
        const char* name;
        QWidget* widget;
        const char* typed;
    };
    journal::EntryGrid& g = grid();
    g.Combo1[0]->setEditText("消耗品費");
    for (const Cell& c : {Cell{"debit account", g.Combo1[3], "9999"}, Cell{"credit account", g.Combo7[3], "9999"},
                          Cell{"amount", g.Text8[3], "99999999999"}}) {
        SCOPED_TRACE(c.name);
        auto moving = std::make_unique<FocusMovingDialogs>(c.widget);
        FocusMovingDialogs* seen = moving.get();
        auto scripted = ui::setDialogs(std::move(moving));
        if (auto* combo = qobject_cast<QComboBox*>(c.widget))
            type(combo, c.typed);
        else
            type(qobject_cast<QLineEdit*>(c.widget), c.typed);
        EXPECT_EQ(seen->messages, 1);
        ui::setDialogs(std::move(scripted));
    }
}

// ---- automatic tax rows --------------------------------------------------------------

struct TaxRowCase {
    const char* name;
    const char* fractions;  // 端数処理
    const char* amount;     // row 0
    std::int32_t tax;
    const char* shown;  // "########0"
};
void PrintTo(const TaxRowCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form34TaxRowTest : public Form34ClosingTest, public ::testing::WithParamInterface<TaxRowCase> {};

// The input-tax account in row 1 makes the row the tax on row 0's amount at
// 10 %, rounded by the fraction rule, shown without digit groups.
TEST_P(Form34TaxRowTest, TheDebitTaxRowTakesTheTaxOfTheRowAbove)
{
    const TaxRowCase& c = GetParam();
    execute("UPDATE 会計設定 SET 端数処理 = ?", {std::string(c.fractions)});
    open();
    editOn();
    journal::EntryGrid& g = grid();
    g.Text1[0]->setText("消耗品の未払");
    type(g.Combo1[0], "消耗品費");
    type(g.Text8[0], c.amount);
    type(g.Combo7[0], "未払金");
    type(g.Combo1[1], "仮払消費税");
    EXPECT_EQ(g.DebitAmounts[1], c.tax);
    EXPECT_EQ(g.CreditAmounts[1], c.tax);
    EXPECT_EQ(text(g.Text8[1]), c.shown);
    EXPECT_EQ(text(g.Text9[1]), c.shown);
    EXPECT_EQ(text(g.Combo7[1]), "未払金");
    EXPECT_EQ(g.DebitTotal, g.DebitAmounts[0] + std::int64_t{c.tax});
}

INSTANTIATE_TEST_SUITE_P(Grid, Form34TaxRowTest,
                         ::testing::Values(TaxRowCase{"Truncated", "1", "12,345", 1234, "1234"},
                                           TaxRowCase{"HalfUp", "2", "12,345", 1235, "1235"},
                                           TaxRowCase{"RoundedUp", "3", "12,345", 1235, "1235"},
                                           TaxRowCase{"NoFractionRule", "", "12,345", 0, "0"},
                                           // 300,000,000 × 10 does not fit 32 bits; the tax does.
                                           TaxRowCase{"ProductBeyond32Bits", "1", "300,000,000", 30'000'000,
                                                      "30000000"}),
                         testsupport::kCaseName);

// Before: the rate was the one in force when the window was last refreshed,
// and a row above that is not taxable gave tax all the same.
TEST_F(Form34ClosingTest, TaxRowsTakeTheRateOnTheVouchersDateAndTheTaxFlagOfTheRowAbove)
{
    execute("INSERT INTO 消費税率 (日付, 税率, 簡易税率) VALUES ('2025-10-01', 12, 12)");
    open();
    editOn();
    journal::EntryGrid& g = grid();
    setDate("2025年", "09月", "30日");
    type(g.Combo1[0], "消耗品費");
    type(g.Text8[0], "12,345");
    type(g.Combo7[0], "未払金");
    type(g.Combo1[1], "仮払消費税");
    EXPECT_EQ(g.DebitAmounts[1], 1234);  // 10 % on 30 September

    setDate("2026年", "03月", "31日");
    leave(g.Combo1[1]);
    EXPECT_EQ(g.DebitAmounts[1], 1481);  // 12 % from 1 October

    // 租税公課 carries no consumption tax.
    type(g.Combo1[2], "租税公課");
    type(g.Text8[2], "5,000");
    type(g.Combo1[3], "仮払消費税");
    EXPECT_EQ(g.DebitAmounts[3], 0);
    EXPECT_EQ(g.CreditAmounts[3], 0);

    // The credit side: the output tax on the sales of the row above; the
    // empty debit account takes row 0's.
    type(g.Combo7[4], "売上高");
    type(g.Text9[4], "20,000");
    type(g.Combo7[5], "仮受消費税");
    EXPECT_EQ(g.CreditAmounts[5], 2400);
    EXPECT_EQ(g.DebitAmounts[5], 2400);
    EXPECT_EQ(text(g.Combo1[5]), "消耗品費");

    // A date that does not exist: refused, the row stays as it was.
    setDate("2026年", "02月", "30日");
    dialogs->expectMessage(journal::kInvalidDateMessage, ui::Answer::Ok).withoutTitle();
    leave(g.Combo1[1]);
    EXPECT_EQ(g.DebitAmounts[1], 1481);
}

TEST_F(Form34ClosingTest, NoTaxRowInTheFirstRowOrWithoutTheSetting)
{
    execute("UPDATE 会計設定 SET 消費税計算 = 0");
    open();
    editOn();
    journal::EntryGrid& g = grid();
    type(g.Combo1[0], "仮払消費税");
    type(g.Text8[0], "10,000");
    EXPECT_EQ(g.DebitAmounts[0], 10'000);
    type(g.Combo1[1], "仮払消費税");
    EXPECT_EQ(g.DebitAmounts[1], 0);
    EXPECT_EQ(text(g.Text8[1]), "");
}

// ---- amount cells -----------------------------------------------------------------------

TEST_F(Form34ClosingTest, AmountCellsMirrorAZeroSideAndNeedEditModeAndRowZerosDebitAccount)
{
    open();
    journal::EntryGrid& g = grid();
    // Edit mode off: the cell keeps its text, nothing else changes.
    g.Combo1[0]->setEditText("消耗品費");
    type(g.Text8[2], "5000");
    EXPECT_EQ(g.DebitAmounts[2], 0);
    EXPECT_EQ(text(g.Text9[2]), "");

    editOn();
    type(g.Text8[2], "5000");
    EXPECT_EQ(g.DebitAmounts[2], 5000);
    EXPECT_EQ(g.CreditAmounts[2], 5000);
    EXPECT_EQ(text(g.Text8[2]), "5,000");
    EXPECT_EQ(text(g.Text9[2]), "5,000");
    type(g.Text9[2], "3000");
    EXPECT_EQ(g.DebitAmounts[2], 5000);
    EXPECT_EQ(g.CreditAmounts[2], 3000);
    EXPECT_EQ(text(g.Text8[10]), "5,000");
    EXPECT_EQ(text(g.Text9[10]), "3,000");

    // The credit cell fills an empty debit account from row 0; the debit cell never fills the credit one.
    type(g.Text9[4], "100");
    EXPECT_EQ(text(g.Combo1[4]), "消耗品費");
    type(g.Text8[5], "100");
    EXPECT_EQ(text(g.Combo7[5]), "");

    // Not a number: a beep, nothing changes.
    type(g.Text8[2], "五千");
    EXPECT_EQ(dialogs->beepCount(), 1);
    EXPECT_EQ(g.DebitAmounts[2], 5000);

    // Without row 0's debit account the procedures ignore what is typed.
    g.Combo1[0]->setEditText("");
    type(g.Text8[6], "700");
    EXPECT_EQ(g.DebitAmounts[6], 0);

    // Entering an amount cell with edit mode on selects its text.
    enter(g.Text8[2]);
    QApplication::processEvents();
    EXPECT_EQ(g.Text8[2]->selectedText().toStdString(), "五千");
}

// ---- edit mode and the first row ------------------------------------------------------------

TEST_F(Form34ClosingTest, TheEditButtonFollowsTheProgramWideFlagWhoeverSwitchesIt)
{
    statements::Form34& f = open();
    EXPECT_EQ(f.Command1.at(Form34::EditButton)->text().toStdString(), "編集");
    press(Form34::EditButton);
    EXPECT_TRUE(o::EditModeIsOn());
    EXPECT_EQ(f.Command1.at(Form34::EditButton)->text().toStdString(), "編集解除");
    o::SetEditMode(o::EditModeOff);  // another window's button
    EXPECT_EQ(f.Command1.at(Form34::EditButton)->text().toStdString(), "編集");
    press(Form34::EditButton);
    press(Form34::EditButton);
    EXPECT_FALSE(o::EditModeIsOn());
    EXPECT_EQ(f.Command1.at(Form34::EditButton)->text().toStdString(), "編集");
}

// The grid's rows take typing only while edit mode is on, the moment the flag
// changes in any window, and as the window finds it when it opens.
TEST_F(Form34ClosingTest, TheGridRowsFollowEditModeWhoeverSwitchesIt)
{
    const auto rowsEnabled = [this](bool enabled) {
        for (int row = 0; row < journal::kGridRows; ++row)
            for (QWidget* cell : grid().rowCells(row))
                if (cell->isEnabled() != enabled)
                    return false;
        return true;
    };
    open();
    EXPECT_TRUE(rowsEnabled(false));
    press(Form34::EditButton);
    EXPECT_TRUE(rowsEnabled(true));
    o::SetEditMode(o::EditModeOff);  // another window's button
    EXPECT_TRUE(rowsEnabled(false));
    o::SetEditMode(o::EditModeOn);
    EXPECT_TRUE(rowsEnabled(true));

    form.reset();
    open();  // edit mode already on
    EXPECT_TRUE(rowsEnabled(true));
}

// The buttons that change the grid or the journal do nothing with edit mode off.
TEST_F(Form34ClosingTest, GridButtonsDoNothingWithEditModeOff)
{
    open();
    journal::EntryGrid& g = grid();
    g.Text1[0]->setText("未払計上");
    g.Combo1[0]->setEditText("消耗品費");
    for (Form34::Button button :
         {Form34::ClearButton, Form34::RegisterButton, Form34::UpdateButton, Form34::DeleteButton})
        press(button);
    EXPECT_EQ(text(g.Text1[0]), "未払計上");
    EXPECT_TRUE(closingRows().empty());

    // "入力クリア" with edit mode on empties the grid and leaves the date.
    editOn();
    press(Form34::ClearButton);
    EXPECT_EQ(text(g.Text1[0]), "");
    EXPECT_EQ(text(g.Combo1[0]), "");
    EXPECT_EQ(text(tab().Combo2[0]) + text(tab().Combo2[1]) + text(tab().Combo2[2]), "2026年03月31日");
}

// Row 0 typed as the voucher's total becomes what the other rows leave, with
// edit mode on or off.
TEST_F(Form34ClosingTest, AmountCorrectionLeavesRowZeroWhatTheOtherRowsDoNotTake)
{
    open();
    editOn();
    journal::EntryGrid& g = grid();
    type(g.Combo1[0], "消耗品費");
    type(g.Text8[0], "10,000");
    type(g.Text8[1], "3,000");
    type(g.Text9[1], "1,000");
    type(g.Text8[2], "2,000");
    press(Form34::EditButton);  // edit mode off
    press(Form34::CorrectionButton);
    EXPECT_EQ(g.DebitAmounts[0], 5000);
    EXPECT_EQ(g.CreditAmounts[0], 7000);
    EXPECT_EQ(text(g.Text8[0]), "5,000");
    EXPECT_EQ(text(g.Text9[0]), "7,000");
    EXPECT_EQ(text(g.Text8[10]), "10,000");
    EXPECT_EQ(text(g.Text9[10]), "10,000");
}

// ---- captions ----------------------------------------------------------------------------------

TEST_F(Form34ClosingTest, EveryCaptionOfTheClosingTabShowsWholeAlsoInEditMode)
{
    execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
            " VALUES ('2025-12-28', '251228000001', 1, '未払計上', '517', 1000, '211', 1000, 1)");
    statements::Form34& f = open();
    f.SSTab1->setCurrentIndex(0);
    EXPECT_TRUE(support::everyCaptionShowsWhole(f));
    clickLine(entryTab(f).List2, 0);  // the date caption with its weekday
    EXPECT_EQ(text(entryTab(f).Label3), "2025年12月28日(日)");
    press(Form34::EditButton);
    EXPECT_EQ(f.Command1.at(Form34::EditButton)->text().toStdString(), "編集解除");
    EXPECT_TRUE(support::everyCaptionShowsWhole(f));
    EXPECT_TRUE(support::buttonsKeepTheirSize(f));
    EXPECT_TRUE(support::everyRecordListHasUniformLines(f));
}

}  // namespace
