// The buttons of the closing tab: clear, register, update and delete a closing
// voucher, edit mode, the correction of the first row, and the depreciation
// journal and consumption-tax settlement runs.
//
// Every write is one transaction: a voucher is registered under a number the
// journal does not hold yet, with 決算仕訳 set; an update replaces the voucher
// as a whole (its number and 決算仕訳 kept, its rows beyond the tenth kept,
// its former rows in the change history under its number); a delete removes
// it with its history. Update and delete act on the voucher the selected line
// names and refuse when it changed or vanished since it was listed or loaded.
// Register and update refuse a grid whose debit and credit totals differ.
// After any refusal the closing-entry list shows the file as it is, when
// another window or program wrote to it since the list was filled.
// The rows are written through the tab's recordset on the closing entries,
// which opens without reading a key of every journal row; after a save only
// the voucher's lines of the closing-entry list change (ClosingEntryTabLists).
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "closing/ClosingEntryTab.h"

#include "closing/ClosingEntryText.h"
#include "closing/ClosingGrid.h"
#include "closing/ClosingVouchers.h"
#include "closing/DepreciationJournal.h"
#include "closing/TaxSettlement.h"
#include "common/EditMode.h"
#include "journal/AmountRange.h"
#include "journal/EntryDate.h"
#include "journal/MonthEndPosting.h"
#include "journal/VoucherBalance.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Database.h"
#include "platform/ui/Dialogs.h"
#include "statements/Form34.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace closing {

void ClosingEntryTab::Press(int button)
{
    using Form34 = statements::Form34;
    const bool editing = o::EditModeIsOn();
    try {
        switch (button) {
        case Form34::ClearButton:
            if (editing) {
                ClearEntry();
                ShowClosingEntries();
            }
            break;
        case Form34::RegisterButton:
            if (editing)
                registerClosingVoucher();
            break;
        case Form34::UpdateButton:
            if (editing)
                updateClosingVoucher();
            break;
        case Form34::DeleteButton:
            if (editing)
                deleteClosingVoucher();
            break;
        case Form34::EditButton: toggleEditMode(); break;
        case Form34::TaxSettlementButton: postTaxSettlement(); break;
        case Form34::CorrectionButton: correctFirstRow(); break;
        case Form34::DepreciationButton: postDepreciationJournal(); break;
        default: break;
        }
    } catch (const std::exception& e) {
        showFailure(e);
    }
}

void ClosingEntryTab::reopenAndRefill()
{
    reopenClosingJournal();
    ShowClosingEntries();
}

void ClosingEntryTab::refuseWrite(const std::string& message)
{
    // The list first, so that the message stands over the list as it is now.
    showEntriesAsStored();
    refuse(message);
}

void ClosingEntryTab::showNotices(const std::vector<ClosingNotice>& notices)
{
    for (const ClosingNotice& notice : notices) {
        if (notice.beep)
            ui::dialogs().beep();
        ui::dialogs().messageBox(notice.text, notice.okCancel ? ui::Buttons::OkCancel : ui::Buttons::Ok, notice.title);
    }
}

// ---- checks before a write -----------------------------------------------------------

std::optional<dao::Date> ClosingEntryTab::checkedClosingDate()
{
    const ClosingDateBoxes boxes = dateBoxes();
    const CheckedClosingDate checked = CheckClosingDate(*m_database, boxes);
    if (checked.date)
        return checked.date;
    if (checked.refusal) {
        showEntriesAsStored();
        showNotices({*checked.refusal});
    }
    // A date that does not exist: back to the box that is wrong, its text selected.
    if (const auto wrong = journal::WrongDateBox(boxes.year, boxes.month, boxes.day)) {
        QComboBox* box = Combo2[static_cast<std::size_t>(*wrong)];
        box->setFocus(Qt::OtherFocusReason);
        box->lineEdit()->selectAll();
    }
    return std::nullopt;
}

std::optional<std::vector<journal::VoucherRow>> ClosingEntryTab::checkedVoucherRows(const dao::Date& date,
                                                                                    journal::BuildMode mode)
{
    journal::EntryGrid& g = *m_grid;
    const journal::EntryRows rows = g.rows();
    if (const auto notTaken = AmountNotTaken(rows, g.DebitAmounts, g.CreditAmounts)) {
        refuseWrite(*notTaken);
        return std::nullopt;
    }
    const journal::CodeLookup findCode = [this](int kind, const std::string& name) { return FindCode(kind, name); };
    const journal::BranchLookup findBranch = [this](const std::string& bank, const std::string& branch) {
        return FindBranchCode(bank, branch);
    };
    ClosingVoucherBuild build =
        BuildClosingVoucherRows(rows, g.DebitAmounts, g.CreditAmounts, date, findCode, findBranch, mode);
    if (build.error) {
        refuseWrite(*build.error);
        return std::nullopt;
    }
    // The rows as they would be written: the totals row shows their sums.
    if (const auto unbalanced = journal::UnbalancedVoucher(build.rows)) {
        refuseWrite(*unbalanced);
        return std::nullopt;
    }
    return std::move(build.rows);
}

// ---- register, update, delete --------------------------------------------------------

void ClosingEntryTab::registerClosingVoucher()
{
    if (DataCheck()) {
        ui::dialogs().beep();
        return;
    }
    const auto date = checkedClosingDate();
    if (!date)
        return;
    const auto rows = checkedVoucherRows(*date, journal::BuildMode::Register);
    if (!rows)
        return;
    // A grid without amounts registers nothing; it is emptied all the same.
    const journal::VoucherStore::Watch watch = saveWatch({});
    if (!rows->empty()) {
        try {
            PostClosingVouchers(*m_workspace, *m_database, *ClosingJournalRecordset, {*rows}, dao::Date::now(), watch);
        } catch (const dao::DaoError& e) {
            // Nothing was written; the grid keeps the voucher.
            refuseWrite(journal::PostingFailedMessage(e.what()));
            return;
        }
    }
    ClearEntry();
    showSavedVoucher();
}

std::optional<journal::LoadedVoucher> ClosingEntryTab::selectedClosingVoucher() const
{
    if (List2->selectedItems().isEmpty())
        return std::nullopt;
    const int line = List2->currentRow();
    if (line < 0 || static_cast<std::size_t>(line) >= m_entryRows.size())
        return std::nullopt;
    const std::string number = m_entryRows.listed().numberAt(line);
    if (m_loadedVoucher && m_loadedVoucher->number == number)
        return m_loadedVoucher;
    return journal::LoadedVoucher{number, m_entryRows.listed().rowsOf(number)};
}

bool ClosingEntryTab::storeDone(journal::StoreOutcome outcome)
{
    switch (outcome) {
    case journal::StoreOutcome::Done: return true;
    case journal::StoreOutcome::Vanished: refuseStaleEntry(kClosingVoucherVanished); return false;
    case journal::StoreOutcome::Changed: refuseStaleEntry(kClosingVoucherChanged); return false;
    }
    return false;
}

void ClosingEntryTab::updateClosingVoucher()
{
    const auto voucher = selectedClosingVoucher();
    if (!voucher)
        return;
    const auto date = checkedClosingDate();
    if (!date)
        return;
    const auto rows = checkedVoucherRows(*date, journal::BuildMode::Update);
    if (!rows)
        return;
    if (rows->empty()) {
        refuseWrite(journal::messages::kNoRowToStore);
        return;
    }
    journal::StoreOutcome outcome = journal::StoreOutcome::Done;
    try {
        journal::VoucherStore store(*m_workspace, *m_database, *ClosingJournalRecordset, *ChangeHistoryRecordset);
        store.watch(saveWatch(voucher->rows));
        outcome = store.Replace(*voucher, *rows, dao::Date::now());
    } catch (const dao::DaoError& e) {
        refuseWrite(std::string(kUpdateFailed) + "\n" + e.what());
        return;
    }
    if (!storeDone(outcome))
        return;
    showSavedVoucher();
}

void ClosingEntryTab::deleteClosingVoucher()
{
    if (!selectedClosingVoucher())
        return;
    if (ui::dialogs().messageBox(kDeleteQuestion, ui::Buttons::YesNo, std::string(kDeleteQuestionTitle))
        != ui::Answer::Yes)
        return;
    const auto voucher = selectedClosingVoucher();
    if (!voucher)
        return;
    journal::StoreOutcome outcome = journal::StoreOutcome::Done;
    try {
        journal::VoucherStore store(*m_workspace, *m_database, *ClosingJournalRecordset, *ChangeHistoryRecordset);
        store.watch(saveWatch(voucher->rows));
        outcome = store.Remove(*voucher, dao::Date::now());
    } catch (const dao::DaoError& e) {
        refuseWrite(std::string(kDeleteFailed) + "\n" + e.what());
        return;
    }
    if (!storeDone(outcome))
        return;
    showSavedVoucher();
}

// ---- edit mode and the first row -----------------------------------------------------

void ClosingEntryTab::toggleEditMode()
{
    // Every open window's "編集" button follows through its listener, this one's too.
    o::SetEditMode(o::EditModeIsOn() ? o::EditModeOff : o::EditModeOn);
}

void ClosingEntryTab::editModeChanged(bool on)
{
    Command1.at(statements::Form34::EditButton)
        ->setText(on ? QString::fromUtf8("編集解除") : QString::fromUtf8("編集"));
    // As in the journal window: with edit mode off the grid takes no typing,
    // whichever window switched it.
    if (on)
        m_grid->EnableAllRows();
    else
        m_grid->DisableAllRows();
}

// "金額補正", whatever the edit mode: row 0 held the voucher's total; it becomes
// what is left after rows 1 to 9, and the totals show row 0's former amounts.
void ClosingEntryTab::correctFirstRow()
{
    journal::EntryGrid& g = *m_grid;
    const auto corrected = CorrectFirstRow(g.DebitAmounts, g.CreditAmounts);
    if (!corrected) {
        refuse(journal::kAmountOutOfRangeMessage);
        return;
    }
    g.DebitAmounts[0] = corrected->debit;
    g.CreditAmounts[0] = corrected->credit;
    g.DebitTotal = corrected->debitTotal;
    g.CreditTotal = corrected->creditTotal;
    g.Text8[0]->setText(journal::AmountCellText(corrected->debit, o::kAmount11Mask));
    g.Text9[0]->setText(journal::AmountCellText(corrected->credit, o::kAmount11Mask));
    g.ShowTotals(o::kAmount11Mask);
}

// ---- the closing runs ----------------------------------------------------------------

void ClosingEntryTab::postDepreciationJournal()
{
    if (ui::dialogs().messageBox(kDepreciationQuestion, ui::Buttons::YesNo, std::string(kDepreciationQuestionTitle))
        != ui::Answer::Yes)
        return;
    const ClosingRunResult result = PostDepreciationJournal(*m_workspace, *m_database, dateBoxes(), dao::Date::now());
    if (!result.posted()) {
        // Refused or nothing to post: the grid stays; the list shows the file
        // (another program may have posted meanwhile), then the reason.
        showEntriesAsStored();
        showNotices(result.notices);
        return;
    }
    showNotices(result.notices);
    reopenAndRefill();
}

void ClosingEntryTab::postTaxSettlement()
{
    const ClosingRunResult result = PostTaxSettlementEntries(*m_workspace, *m_database, dateBoxes(), dao::Date::now());
    showNotices(result.notices);
    // Whatever the run did, the window ends on the closing entries as they are.
    reopenAndRefill();
}

}  // namespace closing
