// The closing window's entry grid: its check, the name and code look-ups, the
// totals, and the handlers of the account and amount cells with the automatic
// consumption-tax rows.
//
// A cell's handler runs when the cell is left, never when it is entered (a
// handler that shows a message and puts the focus back would otherwise run
// again on the way back, without end), through the window's CellExitGuard.
#include "closing/ClosingEntryTab.h"
#include "periodfile/SchemaNames.h"

#include "closing/ClosingGrid.h"
#include "common/EditMode.h"
#include "common/FindCode.h"
#include "common/NumberMasks.h"
#include "frame/RecordList.h"
#include "frame/WorkWindow.h"
#include "journal/AmountRange.h"
#include "journal/EntryDate.h"
#include "journal/TaxRow.h"
#include "journal/TaxRateTable.h"
#include "journal/TaxRowAccount.h"
#include "platform/ui/Dialogs.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace closing {

using frame::fromQ;
using frame::toQ;

namespace {

inline const char* const kCodeNotRegistered = "勘定科目コードが登録されていません";

template <typename Cells> int indexOf(const Cells& cells, const QObject* cell)
{
    const auto found = std::find(cells.begin(), cells.begin() + journal::kGridRows, cell);
    return found == cells.begin() + journal::kGridRows ? -1 : static_cast<int>(found - cells.begin());
}

}  // namespace

// ---- checks and look-ups -------------------------------------------------------------

bool ClosingEntryTab::DataCheck()
{
    return ClosingDataCheck(m_grid->rows());
}

std::string ClosingEntryTab::AccountNameOf(const std::string& code)
{
    dao::Recordset& used = *UsedAccountsRecordset;
    if (!used.isEmpty()) {
        used.MoveFirst();
        used.FindFirst(schema::column::AccountCode, dao::Value(code));
        if (!used.NoMatch())
            return used.get(schema::column::AccountName).toText();
    }
    refuse(kCodeNotRegistered);
    return {};
}

std::string ClosingEntryTab::FindCode(int kind, const std::string& name)
{
    return o::FindCode({AccountMasterRecordset.get(), BankAccountRecordset.get(), BranchesInUseRecordset.get()}, kind,
                       name);
}

std::string ClosingEntryTab::FindBranchCode(const std::string& bankCode, const std::string& branchName)
{
    return o::FindBranchCode(*BranchesInUseRecordset, bankCode, branchName);
}

void ClosingEntryTab::RecalcTotals()
{
    m_grid->RecalcTotals();
}

void ClosingEntryTab::refuse(const std::string& message)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(message, ui::Buttons::Ok);
}

ClosingDateBoxes ClosingEntryTab::dateBoxes() const
{
    return {fromQ(Combo2[0]->currentText()), fromQ(Combo2[1]->currentText()), fromQ(Combo2[2]->currentText())};
}

// ---- account cells -------------------------------------------------------------------

void ClosingEntryTab::Combo1_LostFocus(int index)
{
    accountLeft(index, true);
}
void ClosingEntryTab::Combo7_LostFocus(int index)
{
    accountLeft(index, false);
}

// A code typed into an account cell becomes the account's name. In rows 1 to 9
// the input-tax account on the debit side, or the output-tax account on the
// credit side (when the chart holds it), makes the row the tax on the amount
// of the row above: at the rate in force on the voucher's date, when the
// account above is taxable (its 消費税 flag), rounded by 端数処理, and only
// while 消費税計算 is set.
void ClosingEntryTab::accountLeft(int row, bool debitSide)
{
    if (row < 0 || row >= journal::kGridRows)
        return;
    journal::EntryGrid& g = *m_grid;
    const std::string name =
        g.AccountCellLeft(row, debitSide, [this](const std::string& code) { return AccountNameOf(code); });
    if (row == 0 || name.empty())
        return;
    dao::Recordset& settings = *SettingsRecordset;
    settings.MoveFirst();
    const std::string above = fromQ((debitSide ? g.Combo1[row - 1] : g.Combo7[row - 1])->currentText());
    const journal::CodeLookup findCode = [this](int kind, const std::string& account) {
        return FindCode(kind, account);
    };
    const auto flags = journal::TaxRowFlagsOf(
        {row, debitSide, name, above}, journal::ChartTaxFlags(findCode, debitSide ? 2 : 3, *AccountMasterRecordset),
        {.taxCalculation = settings.get(schema::column::TaxCalculation).toBool(),
         .creditTaxAccountMustBeInChart = true});
    if (!flags)
        return;
    const ClosingDateBoxes boxes = dateBoxes();
    const auto date = journal::DateFromBoxes(boxes.year, boxes.month, boxes.day);
    if (!date) {
        refuse(journal::kInvalidDateMessage);
        return;
    }
    const journal::TaxRowTerms terms{*date, flags->taxable, flags->simplified,
                                     journal::FractionRuleOf(settings.get(schema::column::Rounding).toText()),
                                     journal::kUngroupedMasks};
    if (!g.PutTaxRow(row, debitSide, journal::ReadTaxRateTable(*TaxRateRecordset), terms))
        refuse(journal::kAmountOutOfRangeMessage);
}

// ---- amount cells --------------------------------------------------------------------

void ClosingEntryTab::Text8_LostFocus(int index)
{
    amountLeft(index, true);
}
void ClosingEntryTab::Text9_LostFocus(int index)
{
    amountLeft(index, false);
}

// An amount typed on one side of a row; the other side takes it while it is 0.
// Only with edit mode on and row 0's debit account filled in: otherwise the
// cell keeps the text and the amounts stay (registering then refuses the
// voucher, as the cell does not show what would be written).
void ClosingEntryTab::amountLeft(int row, bool debitSide)
{
    if (row < 0 || row >= journal::kGridRows || !o::EditModeIsOn())
        return;
    journal::EntryGrid& g = *m_grid;
    QLineEdit* cell = debitSide ? g.Text8[row] : g.Text9[row];
    if (cell->text().isEmpty() || g.Combo1[0]->currentText().isEmpty())
        return;
    switch (TakeTypedAmount(g.DebitAmounts, g.CreditAmounts, row, debitSide, fromQ(cell->text()))) {
    case TypedAmount::NotNumeric:
        ui::dialogs().beep();
        cell->setFocus();
        return;
    case TypedAmount::OutOfRange:
        refuse(journal::kAmountOutOfRangeMessage);
        cell->setFocus();
        return;
    case TypedAmount::Taken: break;
    }
    if (!debitSide && g.Combo1[row]->currentText().isEmpty())
        g.Combo1[row]->setEditText(g.Combo1[0]->currentText());
    const auto at = static_cast<std::size_t>(row);
    g.Text8[row]->setText(journal::AmountCellText(g.DebitAmounts[at], o::kAmount11Mask));
    g.Text9[row]->setText(journal::AmountCellText(g.CreditAmounts[at], o::kAmount11Mask));
    RecalcTotals();
}

// ---- focus ---------------------------------------------------------------------------

void ClosingEntryTab::watchGridCells()
{
    const auto guarded = [this](void (ClosingEntryTab::*click)()) {
        return [this, click](int) {
            try {
                (this->*click)();
            } catch (const std::exception& e) {
                showFailure(e);
            }
        };
    };
    frame::onListClick(List1, this, guarded(&ClosingEntryTab::List1_Click));
    frame::onListClick(List2, this, guarded(&ClosingEntryTab::List2_Click));
    journal::EntryGrid& g = *m_grid;
    for (int i = 0; i < journal::kGridRows; ++i)
        for (QWidget* cell : {static_cast<QWidget*>(g.Combo1[i]), static_cast<QWidget*>(g.Combo7[i]),
                              static_cast<QWidget*>(g.Text8[i]), static_cast<QWidget*>(g.Text9[i])})
            cell->installEventFilter(this);
}

bool ClosingEntryTab::eventFilter(QObject* watched, QEvent* event)
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
    return statements::ClosingEntryPage::eventFilter(watched, event);
}

void ClosingEntryTab::cellLeft(QObject* cell)
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
void ClosingEntryTab::cellEntered(QObject* cell)
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

}  // namespace closing
