// Vouchers whose debit total and credit total differ, in the two windows that
// store a voucher from the ten-row grid: the journal window and the closing
// window's entry tab. "登録" and "更新" refuse such a grid with a message that
// names the totals the grid shows and their difference and points at
// "金額補正", write nothing and leave the grid as it was. A voucher stored
// unbalanced earlier still loads, shows its totals, and is corrected (then
// saved) or deleted.
#include "Form34ClosingFixture.h"

#include "closing/ClosingEntryText.h"
#include "journal/Form9.h"
#include "support/DamagedValues.h"

#include <QSignalBlocker>

#include <algorithm>
#include <functional>

using closing::testing::Form34ClosingTest;
using statements::Form34;

namespace {

enum class Window { Journal, Closing };
enum class Button { Register, Update, Delete, Correct };

class UnbalancedVoucherTest : public Form34ClosingTest {
protected:
    void SetUp() override
    {
        Form34ClosingTest::SetUp();
        // Closing vouchers, which both windows list: U1 of one row stored
        // unbalanced, U2 of two rows (the second without a description) whose
        // second row is, B1 balanced, U3 unbalanced by 100.
        execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳) VALUES"
                " ('2026-03-31', 'U1', 1, '決算整理', '517', 70000, '211', 50000, 1),"
                " ('2026-03-31', 'U2', 1, '未払計上', '517', 1000, '211', 1000, 1),"
                " ('2026-03-31', 'U2', 2, NULL, '517', 500, '211', 400, 1),"
                " ('2026-03-31', 'B1', 1, '減価償却', '517', 50000, '211', 50000, 1),"
                " ('2026-03-31', 'U3', 1, '取消予定', '517', 300, '211', 200, 1)");
    }

    void closeWindows() override
    {
        journalWindow.reset();
        Form34ClosingTest::closeWindows();
    }

    void openWindow(Window window)
    {
        shown = window;
        if (window == Window::Closing) {
            open();
        } else {
            journalWindow = std::make_unique<journal::Form9>();
            journalWindow->show();
        }
        o::SetEditMode(o::EditModeOn);
    }

    journal::EntryGrid& entryGrid() { return shown == Window::Closing ? grid() : journalWindow->grid(); }

    QPushButton* button(Button b)
    {
        if (shown == Window::Journal) {
            const journal::Form9::Command1Button index[] = {journal::Form9::Register, journal::Form9::Update,
                                                            journal::Form9::Delete, journal::Form9::CorrectAmounts};
            return journalWindow->Command1[index[static_cast<int>(b)]];
        }
        const int index[] = {Form34::RegisterButton, Form34::UpdateButton, Form34::DeleteButton,
                             Form34::CorrectionButton};
        return form->Command1.at(index[static_cast<int>(b)]);
    }
    void pressButton(Button b) { button(b)->click(); }

public:
    // Chooses the first line of voucher `number` in the window's list, as a click does.
    void chooseVoucher(const std::string& number)
    {
        if (shown == Window::Closing) {
            const auto keys = tab().entryLineKeys();
            const auto found = std::find_if(keys.begin(), keys.end(),
                                            [&](const closing::ClosingLineKey& key) { return key.number == number; });
            ASSERT_NE(found, keys.end()) << number;
            clickLine(tab().List2, static_cast<int>(found - keys.begin()));
            return;
        }
        const auto& numbers = journalWindow->listVoucherNumbers();
        const auto found = std::find(numbers.begin(), numbers.end(), number);
        ASSERT_NE(found, numbers.end()) << number;
        {
            const QSignalBlocker quiet(journalWindow->List2);
            journalWindow->List2->setCurrentRow(static_cast<int>(found - numbers.begin()));
        }
        journalWindow->List2_Click();
    }

    // Row 0 of the closing tab typed as the user types it: the debit amount
    // (the credit side, still 0, takes it too), then the credit amount.
    void typeClosingRow(const std::string& debit, const std::string& credit)
    {
        journal::EntryGrid& g = grid();
        g.Text1[0]->setText("決算整理");
        type(g.Combo1[0], "消耗品費");
        type(g.Combo7[0], "未払金");
        type(g.Text8[0], debit);
        type(g.Text9[0], credit);
    }
    void typeClosingDebit(const std::string& debit) { type(grid().Text8[0], debit); }

protected:
    // The journal's rows as "伝票番号|追番|入金|出金".
    std::vector<std::string> journalAmounts()
    {
        return lines("SELECT * FROM 仕訳台帳 ORDER BY 伝票番号, 追番", {"伝票番号", "追番", "入金", "出金"});
    }

    // Everything the grid shows and holds: each row's amount texts and amount slots, and the totals.
    std::vector<std::string> gridState()
    {
        journal::EntryGrid& g = entryGrid();
        std::vector<std::string> state;
        for (int i = 0; i <= journal::kGridRows; ++i)
            state.push_back(text(g.Text8[i]) + "/" + text(g.Text9[i]));
        for (int i = 0; i < journal::kGridRows; ++i)
            state.push_back(std::to_string(g.DebitAmounts[i]) + "/" + std::to_string(g.CreditAmounts[i]));
        return state;
    }

    Window shown = Window::Closing;
    std::unique_ptr<journal::Form9> journalWindow;
};

// ---- refused: 登録 and 更新 in both windows -------------------------------------------------

struct UnbalancedCase {
    const char* name;
    Window window;
    Button button;
    std::function<void(UnbalancedVoucherTest&)> makeGrid;
    const char* difference;  // the message's "差額 …円"
};
void PrintTo(const UnbalancedCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnbalancedRefusalTest : public UnbalancedVoucherTest, public ::testing::WithParamInterface<UnbalancedCase> {};

TEST_P(UnbalancedRefusalTest, IsRefusedNamingTheTotalsShownAndWritesNothing)
{
    const UnbalancedCase& c = GetParam();
    openWindow(c.window);
    if (c.window == Window::Closing)
        setDate("2026年", "03月", "31日");
    c.makeGrid(*this);
    const journal::EntryGrid& g = entryGrid();
    const std::string debitTotal = text(g.Text8[journal::kGridRows]);
    const std::string creditTotal = text(g.Text9[journal::kGridRows]);
    ASSERT_NE(debitTotal, creditTotal);
    const std::vector<std::string> gridBefore = gridState();
    const std::string fileBefore = testsupport::FileBytes(file.path());

    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    pressButton(c.button);

    ASSERT_FALSE(dialogs->messageTexts().empty());
    const std::string message = dialogs->messageTexts().back();
    EXPECT_NE(message.find("借方合計 " + debitTotal + "円　貸方合計 " + creditTotal + "円　" + c.difference),
              std::string::npos)
        << message;
    EXPECT_NE(message.find("「" + button(Button::Correct)->text().toStdString() + "」"), std::string::npos) << message;
    EXPECT_EQ(testsupport::FileBytes(file.path()), fileBefore) << "nothing is written";
    // The grid keeps what it showed and held, so that "金額補正" or a typed amount can mend it.
    EXPECT_EQ(gridState(), gridBefore);
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, UnbalancedRefusalTest,
    ::testing::Values(
        // The journal window's typing keeps every row equal on both sides: a
        // grid there is unbalanced when it is loaded from a voucher stored so.
        // Its second row is no row DataCheck takes (no description): the check
        // comes before DataCheck refills the amount slots.
        UnbalancedCase{"journal window register of a recalled voucher", Window::Journal, Button::Register,
                       [](UnbalancedVoucherTest& window) { window.chooseVoucher("U2"); }, "差額 100円"},
        UnbalancedCase{"journal window update of a recalled voucher", Window::Journal, Button::Update,
                       [](UnbalancedVoucherTest& window) { window.chooseVoucher("U1"); }, "差額 20,000円"},
        UnbalancedCase{"closing tab register of 1000 and 900 typed", Window::Closing, Button::Register,
                       [](UnbalancedVoucherTest& window) { window.typeClosingRow("1000", "900"); }, "差額 100円"},
        UnbalancedCase{"closing tab register with the credit side higher", Window::Closing, Button::Register,
                       [](UnbalancedVoucherTest& window) {
                           window.typeClosingRow("1000", "1000");
                           window.typeClosingDebit("900");
                       },
                       "差額 -100円"},
        // Registered at 50,000 on both sides, corrected to 70,000 on the debit side.
        UnbalancedCase{"closing tab update of a corrected debit", Window::Closing, Button::Update,
                       [](UnbalancedVoucherTest& window) {
                           window.chooseVoucher("B1");
                           window.typeClosingDebit("70000");
                       },
                       "差額 20,000円"}),
    testsupport::kCaseName);

// ---- a voucher stored unbalanced earlier ------------------------------------------------------

struct WindowCase {
    const char* name;
    Window window;
};
void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.name;
}

class StoredUnbalancedTest : public UnbalancedVoucherTest, public ::testing::WithParamInterface<WindowCase> {};

// It opens from its line and shows its totals; corrected to balance it is
// updated; "金額補正" balances another for a register; a third is deleted.
TEST_P(StoredUnbalancedTest, OpensShowsItsTotalsAndIsCorrectedOrDeleted)
{
    openWindow(GetParam().window);
    journal::EntryGrid& g = entryGrid();

    chooseVoucher("U1");
    EXPECT_EQ(text(g.Text1[0]), "決算整理");
    EXPECT_EQ(text(g.Text8[0]), "70,000");
    EXPECT_EQ(text(g.Text9[0]), "50,000");
    EXPECT_EQ(text(g.Text8[journal::kGridRows]), "70,000");
    EXPECT_EQ(text(g.Text9[journal::kGridRows]), "50,000");

    // The credit side typed up to the debit: now it balances and is stored.
    type(g.Text9[0], "70000");
    EXPECT_EQ(text(g.Text9[journal::kGridRows]), "70,000");
    pressButton(Button::Update);
    const auto amounts = journalAmounts();
    EXPECT_NE(std::find(amounts.begin(), amounts.end(), "U1|1|70000|70000"), amounts.end());
    const auto history = historyRows();
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].substr(0, 5), "1|U1|");

    // Row 1 held the voucher's total: "金額補正" makes it the rest after row 2
    // (1,000 - 500 on the debit side, 1,000 - 400 on the credit side).
    chooseVoucher("U2");
    pressButton(Button::Correct);
    EXPECT_EQ(g.DebitAmounts[0], 500);
    EXPECT_EQ(g.CreditAmounts[0], 600);
    EXPECT_EQ(text(g.Text8[journal::kGridRows]), "1,000");
    EXPECT_EQ(text(g.Text9[journal::kGridRows]), "1,000");
    const std::size_t rowsBefore = journalAmounts().size();
    pressButton(Button::Register);
    EXPECT_EQ(journalAmounts().size(), rowsBefore + 2);
    EXPECT_EQ(
        lines("SELECT SUM(入金) - SUM(出金) AS d FROM 仕訳台帳 WHERE 伝票番号 NOT IN ('U1', 'U2', 'U3', 'B1')", {"d"}),
        (std::vector<std::string>{"0"}));

    chooseVoucher("U3");
    EXPECT_EQ(text(g.Text8[0]), "300");
    EXPECT_EQ(text(g.Text9[0]), "200");
    dialogs->expectMessage(closing::kDeleteQuestion, ui::Answer::Yes).withTitle(closing::kDeleteQuestionTitle);
    pressButton(Button::Delete);
    EXPECT_TRUE(lines("SELECT * FROM 仕訳台帳 WHERE 伝票番号 = 'U3'", {"伝票番号"}).empty());
}

INSTANTIATE_TEST_SUITE_P(BothWindows, StoredUnbalancedTest,
                         ::testing::Values(WindowCase{"journal window", Window::Journal},
                                           WindowCase{"closing tab", Window::Closing}),
                         testsupport::kCaseName);

}  // namespace
