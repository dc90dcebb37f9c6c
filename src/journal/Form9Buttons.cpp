// The buttons of the journal-entry window: register, update, delete, edit mode, amount
// correction, and the printout, template and automatic-posting buttons.
#include "common/NumberMasks.h"
#include "journal/Form9.h"
#include "journal/Form9Text.h"

#include "common/o.h"
#include "journal/AmountRange.h"
#include "journal/EntryChecks.h"
#include "journal/EntryDate.h"
#include "journal/JournalPrintoutButton.h"
#include "journal/MonthEndButton.h"
#include "journal/PayrollButtons.h"
#include "journal/TemplateSaveButton.h"
#include "journal/VoucherBalance.h"
#include "journal/VoucherRows.h"
#include "journal/VoucherStore.h"
#include "platform/dao/DaoError.h"
#include "platform/ui/Dialogs.h"

#include <QSignalBlocker>

#include <algorithm>

namespace journal {

using namespace form9;

// ---- buttons --------------------------------------------------------------------

void Form9::Command1_Click(int index)
{
    const bool editing = o::EditMode != o::EditModeOff;
    switch (index) {
    case ClearEntry:
        if (editing)
            m_grid->ClearEntry(selectedKind());
        break;
    case Register:
        if (editing)
            registerVoucher();
        break;
    case Update:
        if (editing)
            updateVoucher();
        break;
    case Delete:
        if (editing)
            deleteVoucher();
        break;
    case Edit: toggleEditMode(); break;
    case Print: JournalPrintoutButton_Click(*this); break;
    case SalaryPosting: PayrollButtons::of(*this).Click(PayrollKind::Salary, *m_workspace, *m_database); break;
    case CorrectAmounts: correctAmounts(); break;
    case MonthEndTaxPosting: MonthEndButton_Click(*this, *m_workspace, *m_database); break;
    case Quit: close(); break;
    case SaveTemplate:
        if (editing)
            TemplateSaveButton_Click(*this, *m_workspace, *m_database);
        break;
    case BonusPosting: PayrollButtons::of(*this).Click(PayrollKind::Bonus, *m_workspace, *m_database); break;
    default: break;
    }
}

std::optional<std::vector<VoucherRow>> Form9::checkedVoucherRows(const EntryRows& rows, BuildMode mode)
{
    const CodeLookup findCode = [this](int kind, const std::string& name) { return FindCode(kind, name); };
    if (const auto message = ValidateEntry(rows, findCode)) {
        refuse(*message);
        return std::nullopt;
    }
    const auto date = boxDate();
    if (!date) {
        refuseDate();
        return std::nullopt;
    }
    // Every row is checked (amounts numeric and in range) before anything is written.
    const BranchLookup findBranch = [this](const std::string& bank, const std::string& branch) {
        return FindBranchCode(bank, branch);
    };
    VoucherBuild build = BuildVoucherRows(rows, *date, findCode, findBranch, mode);
    if (build.error) {
        refuse(*build.error);
        return std::nullopt;
    }
    // The rows as they would be written, tax rows included: the totals row
    // shows their sums. Checked before DataCheck, which refills the amount
    // arrays, so a refused grid keeps them for "金額補正".
    if (const auto unbalanced = UnbalancedVoucher(build.rows)) {
        refuse(*unbalanced);
        return std::nullopt;
    }
    return std::move(build.rows);
}

bool Form9::storeVoucher(const std::function<void(VoucherStore&)>& write, int oldLine,
                         const std::vector<RowFingerprint>& oldRows)
{
    m_savePlace = {};
    try {
        VoucherStore store(*m_workspace, *m_database, *JournalRecordset, *ChangeHistoryRecordset);
        // Whether the list still shows the file is asked with the write lock
        // held, and the voucher's new lines are worked out before it is let go.
        store.watch({[this] { m_savePlace.listCurrent = listShowsTheFile(); },
                     [&](const std::string& number) { placeSavedVoucher(number, oldLine, oldRows); }});
        write(store);
    } catch (const dao::DaoError& e) {
        m_savePlace = {};
        ReloadJournal();
        refuse(e.what());
        return false;
    }
    return true;
}

bool Form9::listShowsTheFile() const
{
    try {
        return m_listedVersion && m_database->fileVersion() == *m_listedVersion;
    } catch (const dao::DaoError&) {
        return false;
    }
}

void Form9::registerVoucher()
{
    const EntryRows rows = m_grid->rows();
    const auto voucherRows = checkedVoucherRows(rows, BuildMode::Register);
    if (!voucherRows)
        return;
    if (DataCheck(rows, m_grid->DebitAmounts, m_grid->CreditAmounts)) {
        ui::dialogs().beep();
        return;
    }
    if (!storeVoucher([&](VoucherStore& store) { store.Register(*voucherRows, dao::Date::now()); }, -1, {}))
        return;
    showSavedVoucher();
}

std::optional<LoadedVoucher> Form9::selectedVoucher() const
{
    const int line = List2->currentRow();
    if (!List2->hasSelectedLine() || line < 0 || static_cast<std::size_t>(line) >= m_journalLines.listed().size())
        return std::nullopt;
    const std::string number = m_journalLines.listed().numberAt(line);
    if (m_loadedVoucher && m_loadedVoucher->number == number)
        return m_loadedVoucher;
    return LoadedVoucher{number, m_journalLines.listed().voucherAt(line)};
}

bool Form9::storeDone(StoreOutcome outcome)
{
    switch (outcome) {
    case StoreOutcome::Done: return true;
    case StoreOutcome::Vanished: refuseStaleLine(kVoucherVanished, false); return false;
    case StoreOutcome::Changed: refuseStaleLine(kVoucherChanged, false); return false;
    }
    return false;
}

void Form9::selectVoucherLine(const std::string& number, const dao::Date& date)
{
    const int line = m_journalLines.firstLineOf(number, date);
    if (line < 0)
        return;
    {
        const QSignalBlocker quiet(List2);
        List2->setCurrentRow(line);
    }
    // The rows the save read back inside its write are the file's rows while
    // nothing was written since: the voucher loads from them.
    const std::vector<JournalRecord>& saved = m_savePlace.rows;
    if (m_savePlace.changes && !saved.empty() && saved.front().number == number && listShowsTheFile())
        loadVoucherLine(line, saved);
    else
        List2_Click();
}

void Form9::updateVoucher()
{
    const auto voucher = selectedVoucher();
    if (!voucher)
        return;
    const auto voucherRows = checkedVoucherRows(m_grid->rows(), BuildMode::Update);
    if (!voucherRows)
        return;
    StoreOutcome outcome = StoreOutcome::Done;
    if (!storeVoucher([&](VoucherStore& store) { outcome = store.Replace(*voucher, *voucherRows, dao::Date::now()); },
                      List2->currentRow(), voucher->rows))
        return;
    if (!storeDone(outcome))
        return;
    showSavedVoucher();
    selectVoucherLine(voucher->number, voucherRows->front().date);
}

void Form9::deleteVoucher()
{
    if (!selectedVoucher())
        return;
    if (ui::dialogs().messageBox(kDeleteQuestion, ui::Buttons::YesNo, std::string(kWindowTitle)) != ui::Answer::Yes)
        return;
    const auto voucher = selectedVoucher();
    StoreOutcome outcome = StoreOutcome::Done;
    if (!storeVoucher([&](VoucherStore& store) { outcome = store.Remove(*voucher, dao::Date::now()); },
                      List2->currentRow(), voucher->rows))
        return;
    if (!storeDone(outcome))
        return;
    m_loadedVoucher.reset();
    m_grid->ClearEntry(selectedKind());
    showSavedVoucher();
}

void Form9::toggleEditMode()
{
    // The caption and the rows follow through editModeChanged, in every window.
    o::SetEditMode(o::EditModeIsOn() ? o::EditModeOff : o::EditModeOn);
}

void Form9::editModeChanged(bool on)
{
    // Another window switching edit mode off may find an amount typed into this
    // window's cell and not yet confirmed (the cell's exit handler, which
    // mirrors it and adds it to the totals, runs when the cell is left): it is
    // confirmed now, as it was typed with edit mode on, before the rows go grey.
    if (!on) {
        QWidget* cell = focusWidget();
        const auto& debit = m_grid->Text8;
        const auto& credit = m_grid->Text9;
        const bool amountCell = std::find(debit.begin(), debit.begin() + kGridRows, cell) != debit.begin() + kGridRows
            || std::find(credit.begin(), credit.begin() + kGridRows, cell) != credit.begin() + kGridRows;
        if (amountCell && cell->isEnabled())
            m_cellExits.run([&] { cellLeft(cell, true); });
    }
    Command1[Edit]->setText(on ? "編集解除" : "編集");
    if (on)
        m_grid->EnableAllRows();
    else
        m_grid->DisableAllRows();
}

void Form9::correctAmounts()
{
    EntryGrid& g = *m_grid;
    if (g.DebitAmounts[0] != g.CreditAmounts[0]) {
        refuse(kFirstRowUnequal);
        return;
    }
    std::int64_t debitSum = 0, creditSum = 0;
    for (int i = 1; i < kGridRows; ++i) {
        debitSum += g.DebitAmounts[i];
        creditSum += g.CreditAmounts[i];
    }
    const std::int64_t debit = std::int64_t{g.DebitAmounts[0]} - debitSum;
    const std::int64_t credit = std::int64_t{g.CreditAmounts[0]} - creditSum;
    if (!FitsAmount(debit) || !FitsAmount(credit)) {
        refuse(kAmountOutOfRangeMessage);
        return;
    }
    g.DebitTotal = g.DebitAmounts[0];
    g.CreditTotal = g.CreditAmounts[0];
    g.DebitAmounts[0] = static_cast<std::int32_t>(debit);
    g.CreditAmounts[0] = static_cast<std::int32_t>(credit);
    g.Text8[0]->setText(AmountCellText(g.DebitAmounts[0], o::kAmount11Mask));
    g.Text9[0]->setText(AmountCellText(g.CreditAmounts[0], o::kAmount11Mask));
    g.ShowTotals(o::kAmount11Mask);
}

void Form9::Option8_Click(int index)
{
    if (o::EditMode == o::EditModeOff)
        return;
    if (!!List2->hasSelectedLine() || !List1->selectedItems().isEmpty())
        return;
    if (index == 1) {
        m_grid->Combo1[0]->setEditText("現金");
        m_grid->Combo7[0]->setEditText(QString());
    } else if (index == 2) {
        m_grid->Combo1[0]->setEditText(QString());
        m_grid->Combo7[0]->setEditText("現金");
    }
}

}  // namespace journal
