// The closing window's entry grid: its check, the name and code look-ups, the
// totals, and the handlers of the account and amount cells with the automatic
// consumption-tax rows.
//
// A cell's handler runs when the cell is left, never when it is entered (a
// handler that shows a message and puts the focus back would otherwise run
// again on the way back, without end), through the window's CellExitGuard.
#include "statements/Form34.h"

#include "closing/ClosingGrid.h"
#include "common/EditMode.h"
#include "common/FindCode.h"
#include "frame/RecordList.h"
#include "journal/AmountRange.h"
#include "journal/EntryDate.h"
#include "journal/TaxAmount.h"
#include "journal/TaxRateTable.h"
#include "platform/ui/Dialogs.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace statements {

using frame::fromQ;
using frame::toQ;

namespace {

inline const char* const kCodeNotRegistered = "勘定科目コードが登録されていません";
inline const char* const kInputTaxAccount = "仮払消費税";
inline const char* const kOutputTaxAccount = "仮受消費税";

template <typename Cells> int indexOf(const Cells& cells, const QObject* cell)
{
    const auto found = std::find(cells.begin(), cells.begin() + journal::kGridRows, cell);
    return found == cells.begin() + journal::kGridRows ? -1 : static_cast<int>(found - cells.begin());
}

}  // namespace

// ---- checks and look-ups -------------------------------------------------------------

bool Form34::DataCheck()
{
    return closing::ClosingDataCheck(m_grid->rows());
}

std::string Form34::AccountNameOf(const std::string& code)
{
    dao::Recordset& used = *UsedAccountsRecordset;
    if (!used.isEmpty()) {
        used.MoveFirst();
        used.FindFirst("勘定科目コード", dao::Value(code));
        if (!used.NoMatch())
            return used.get("勘定科目名").toText();
    }
    refuse(kCodeNotRegistered);
    return {};
}

std::string Form34::FindCode(int kind, const std::string& name)
{
    return o::FindCode({AccountMasterRecordset.get(), BankAccountRecordset.get(), BranchesInUseRecordset.get()}, kind,
                       name);
}

std::string Form34::FindBranchCode(const std::string& bankCode, const std::string& branchName)
{
    return o::FindBranchCode(*BranchesInUseRecordset, bankCode, branchName);
}

void Form34::RecalcTotals()
{
    m_grid->RecalcTotals();
}

void Form34::refuse(const std::string& message)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(message, ui::Buttons::Ok);
}

closing::ClosingDateBoxes Form34::dateBoxes() const
{
    return {fromQ(Combo2[0]->currentText()), fromQ(Combo2[1]->currentText()), fromQ(Combo2[2]->currentText())};
}

// ---- account cells -------------------------------------------------------------------

void Form34::Combo1_LostFocus(int index) { accountLeft(index, true); }
void Form34::Combo7_LostFocus(int index) { accountLeft(index, false); }

// A code typed into an account cell becomes the account's name. In rows 1 to 9
// the input-tax account on the debit side, or the output-tax account on the
// credit side (when the chart holds it), makes the row the tax on the amount
// of the row above: at the rate in force on the voucher's date, when the
// account above is taxable (its 消費税 flag), rounded by 端数処理, and only
// while 消費税計算 is set.
void Form34::accountLeft(int row, bool debitSide)
{
    if (row < 0 || row >= journal::kGridRows)
        return;
    journal::EntryGrid& g = *m_grid;
    QComboBox* cell = debitSide ? g.Combo1[row] : g.Combo7[row];
    const std::string text = fromQ(cell->currentText());
    if (text.empty())
        return;
    if (dao::Value(text).isNumeric()) {
        const std::string name = AccountNameOf(text);
        if (name.empty()) {
            cell->setFocus();
            return;
        }
        cell->setEditText(toQ(name));
    }
    if (row == 0)
        return;
    const std::string name = fromQ(cell->currentText());
    if (!debitSide && FindCode(3, name).empty())
        return;
    if (name != (debitSide ? kInputTaxAccount : kOutputTaxAccount))
        return;
    dao::Recordset& settings = *SettingsRecordset;
    settings.MoveFirst();
    if (!settings.get("消費税計算").toBool())
        return;
    const closing::ClosingDateBoxes boxes = dateBoxes();
    const auto date = journal::DateFromBoxes(boxes.year, boxes.month, boxes.day);
    if (!date) {
        refuse(journal::kInvalidDateMessage);
        return;
    }
    const journal::FractionRule rule = journal::FractionRuleOf(settings.get("端数処理").toText());

    const std::string above = fromQ((debitSide ? g.Combo1[row - 1] : g.Combo7[row - 1])->currentText());
    bool taxable = false, simplified = false;
    if (!FindCode(debitSide ? 2 : 3, above).empty()) {
        taxable = AccountMasterRecordset->get("消費税").toBool();
        simplified = AccountMasterRecordset->get("簡易課税").toBool();
    }
    const auto at = static_cast<std::size_t>(row);
    const std::int32_t base = debitSide ? g.DebitAmounts[at - 1] : g.CreditAmounts[at - 1];
    const auto tax = journal::TaxExclusiveAmount(journal::ReadTaxRateTable(*TaxRateRecordset), *date, base, taxable,
                                                 simplified, rule);
    std::int64_t debitTotal = tax.value_or(0), creditTotal = tax.value_or(0);
    for (std::size_t i = 0; i < static_cast<std::size_t>(journal::kGridRows); ++i) {
        if (i == at)
            continue;
        debitTotal += g.DebitAmounts[i];
        creditTotal += g.CreditAmounts[i];
    }
    if (!tax || !journal::FitsAmount(debitTotal) || !journal::FitsAmount(creditTotal)) {
        refuse(journal::kAmountOutOfRangeMessage);
        return;
    }
    g.DebitAmounts[at] = *tax;
    g.CreditAmounts[at] = *tax;
    g.Text8[row]->setText(journal::AmountCellText(*tax, "########0"));
    g.Text9[row]->setText(journal::AmountCellText(*tax, "########0"));
    QComboBox* opposite = debitSide ? g.Combo7[row] : g.Combo1[row];
    if (opposite->currentText().isEmpty())
        opposite->setEditText((debitSide ? g.Combo7[0] : g.Combo1[0])->currentText());
    RecalcTotals();
}

// ---- amount cells --------------------------------------------------------------------

void Form34::Text8_LostFocus(int index) { amountLeft(index, true); }
void Form34::Text9_LostFocus(int index) { amountLeft(index, false); }

// An amount typed on one side of a row; the other side takes it while it is 0.
// Only with edit mode on and row 0's debit account filled in: otherwise the
// cell keeps the text and the amounts stay (registering then refuses the
// voucher, as the cell does not show what would be written).
void Form34::amountLeft(int row, bool debitSide)
{
    if (row < 0 || row >= journal::kGridRows || !o::EditModeIsOn())
        return;
    journal::EntryGrid& g = *m_grid;
    QLineEdit* cell = debitSide ? g.Text8[row] : g.Text9[row];
    if (cell->text().isEmpty() || g.Combo1[0]->currentText().isEmpty())
        return;
    switch (closing::TakeTypedAmount(g.DebitAmounts, g.CreditAmounts, row, debitSide, fromQ(cell->text()))) {
    case closing::TypedAmount::NotNumeric:
        ui::dialogs().beep();
        cell->setFocus();
        return;
    case closing::TypedAmount::OutOfRange:
        refuse(journal::kAmountOutOfRangeMessage);
        cell->setFocus();
        return;
    case closing::TypedAmount::Taken: break;
    }
    if (!debitSide && g.Combo1[row]->currentText().isEmpty())
        g.Combo1[row]->setEditText(g.Combo1[0]->currentText());
    const auto at = static_cast<std::size_t>(row);
    g.Text8[row]->setText(journal::AmountCellText(g.DebitAmounts[at], "##,###,###,##0"));
    g.Text9[row]->setText(journal::AmountCellText(g.CreditAmounts[at], "##,###,###,##0"));
    RecalcTotals();
}

// ---- focus ---------------------------------------------------------------------------

void Form34::watchGridCells()
{
    const auto guarded = [this](void (Form34::*click)()) {
        return [this, click](int) {
            try {
                (this->*click)();
            } catch (const std::exception& e) {
                showFailure(e);
            }
        };
    };
    frame::onListClick(List1, this, guarded(&Form34::List1_Click));
    frame::onListClick(List2, this, guarded(&Form34::List2_Click));
    journal::EntryGrid& g = *m_grid;
    for (int i = 0; i < journal::kGridRows; ++i)
        for (QWidget* cell : {static_cast<QWidget*>(g.Combo1[i]), static_cast<QWidget*>(g.Combo7[i]),
                              static_cast<QWidget*>(g.Text8[i]), static_cast<QWidget*>(g.Text9[i])})
            cell->installEventFilter(this);
}

bool Form34::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        m_cellExits.focusOut(event, [&] {
            try {
                cellLeft(watched);
            } catch (const std::exception& e) {
                showFailure(e);
            }
        });
    } else if (event->type() == QEvent::FocusIn) {
        cellEntered(watched);
    }
    return frame::WorkWindow::eventFilter(watched, event);
}

void Form34::cellLeft(QObject* cell)
{
    const journal::EntryGrid& g = *m_grid;
    if (const int i = indexOf(g.Combo1, cell); i >= 0)
        return Combo1_LostFocus(i);
    if (const int i = indexOf(g.Combo7, cell); i >= 0)
        return Combo7_LostFocus(i);
    if (const int i = indexOf(g.Text8, cell); i >= 0)
        return Text8_LostFocus(i);
    if (const int i = indexOf(g.Text9, cell); i >= 0)
        return Text9_LostFocus(i);
}

// With edit mode on, entering the credit account cell (when it holds a name)
// or an amount cell selects its whole text.
void Form34::cellEntered(QObject* cell)
{
    if (!o::EditModeIsOn())
        return;
    const journal::EntryGrid& g = *m_grid;
    QLineEdit* edit = nullptr;
    if (const int i = indexOf(g.Combo7, cell); i >= 0) {
        if (!g.Combo7[i]->currentText().isEmpty())
            edit = g.Combo7[i]->lineEdit();
    } else if (const int j = indexOf(g.Text8, cell); j >= 0) {
        edit = g.Text8[j];
    } else if (const int k = indexOf(g.Text9, cell); k >= 0) {
        edit = g.Text9[k];
    }
    if (edit)
        QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
}

}  // namespace statements
