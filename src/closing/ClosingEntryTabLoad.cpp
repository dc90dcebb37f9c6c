// Loading a closing template or a closing voucher from the closing lists into
// the entry grid. A line names its template or voucher by number: the rows the
// file holds under that number now are read and loaded when they are still the
// rows the list showed, and refused with a message (the list read again) when
// another window or program changed or deleted them since.
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "closing/ClosingEntryTab.h"

#include "closing/ClosingEntryText.h"
#include "common/DateFormat.h"
#include "frame/WorkWindow.h"
#include "journal/GridRecall.h"
#include "journal/JournalRecord.h"
#include "platform/dao/DaoError.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace closing {

using frame::toQ;

namespace {

// The selected line of a list, -1 when none is.
int selectedLine(const QListWidget* list)
{
    if (list->selectedItems().isEmpty())
        return -1;
    return list->currentRow();
}

QString amountText(const std::optional<std::int64_t>& amount)
{
    return amount ? journal::AmountCellText(*amount, o::kAmountMask) : QString();
}

}  // namespace

// A stored row into grid row i: each cell only when the row holds its value; a
// side's amount only with that side's account.
void ClosingEntryTab::loadStoredRows(const std::vector<journal::JournalRecord>& rows)
{
    journal::EntryGrid& g = *m_grid;
    for (std::size_t i = 0; i < rows.size() && i < static_cast<std::size_t>(journal::kGridRows); ++i) {
        const journal::JournalRecord& row = rows[i];
        if (!row.description.empty())
            g.Text1[i]->setText(toQ(row.description));
        if (!row.partner.empty())
            g.Combo11[i]->setEditText(toQ(row.partner));
        if (!row.debitCode.empty()) {
            if (!row.debitName.empty())
                g.Combo1[i]->setEditText(toQ(row.debitName));
            g.DebitAmounts[i] = static_cast<std::int32_t>(row.debit.value_or(0));
            g.Text8[i]->setText(amountText(row.debit));
        }
        if (!row.creditCode.empty()) {
            if (!row.creditName.empty())
                g.Combo7[i]->setEditText(toQ(row.creditName));
            g.CreditAmounts[i] = static_cast<std::int32_t>(row.credit.value_or(0));
            g.Text9[i]->setText(amountText(row.credit));
        }
        if (!row.bankCode.empty())
            g.Combo8[i]->setEditText(toQ(row.bankName));
        if (!row.branchCode.empty())
            g.Combo9[i]->setEditText(toQ(row.branchName));
    }
    RecalcTotals();
    g.ShowTotals(o::kAmountMask);
}

void ClosingEntryTab::List1_Click()
{
    const int line = selectedLine(List1);
    if (line < 0 || static_cast<std::size_t>(line) >= m_templateRows.size())
        return;
    const std::string id = m_templateRows.numberAt(line);
    const auto stored = journal::ReadStoredRows(*m_database, journal::RecordKind::Template, id);
    if (stored.empty())
        return refuseStaleTemplate(kClosingTemplateVanished);
    if (journal::VoucherFingerprints(stored) != m_templateRows.rowsOf(id))
        return refuseStaleTemplate(kClosingTemplateChanged);
    const journal::RecalledRows recalled = journal::GridRowsOf(stored);
    if (const auto outOfRange = journal::RecalledAmountOutOfRange(recalled))
        return refuse(*outOfRange);
    ClearEntry();
    m_loadedVoucher.reset();
    loadStoredRows(recalled.rows);
}

void ClosingEntryTab::List2_Click()
{
    const int line = selectedLine(List2);
    if (line < 0 || static_cast<std::size_t>(line) >= m_entryRows.size())
        return;
    const std::string number = m_entryRows.listed().numberAt(line);
    const auto stored = journal::ReadStoredRows(*m_database, journal::RecordKind::Voucher, number);
    if (stored.empty())
        return refuseStaleEntry(kClosingVoucherVanished);
    if (journal::VoucherFingerprints(stored) != m_entryRows.listed().rowsOf(number))
        return refuseStaleEntry(kClosingVoucherChanged);
    const journal::RecalledRows recalled = journal::GridRowsOf(stored);
    if (const auto outOfRange = journal::RecalledAmountOutOfRange(recalled))
        return refuse(*outOfRange);
    ClearEntry();
    if (const auto& date = stored.front().date) {
        Combo2[0]->setEditText(toQ(o::FormatDate(*date, "yyyy") + "年"));
        Combo2[1]->setEditText(toQ(o::FormatDate(*date, "mm") + "月"));
        Combo2[2]->setEditText(toQ(o::FormatDate(*date, "dd") + "日"));
        Label3->setText(toQ(o::FormatDate(*date, "yyyy年mm月dd日(aaa)")));
    }
    loadStoredRows(recalled.rows);
    m_loadedVoucher = journal::LoadedVoucherOf(number, stored);
}

void ClosingEntryTab::refuseStaleEntry(const char* message)
{
    // The list first, so that the message stands over the list as it is now;
    // when the file cannot be read now (another program holds it) the list
    // stays, and the refusal is the one message.
    try {
        reopenClosingJournal();
        ShowClosingEntries();
    } catch (const dao::DaoError&) {
    }
    refuse(message);
}

void ClosingEntryTab::refuseStaleTemplate(const char* message)
{
    ClosingTemplateRecordset->Close();
    ClosingTemplateRecordset = m_database->OpenRecordset(schema::query::ClosingTemplates);
    ShowClosingTemplates();
    // What changed the template may have changed the closing entries too.
    showEntriesAsStored();
    refuse(message);
}

}  // namespace closing
