// The journal list of the journal-entry window and the recall of a voucher from it.
#include "journal/Form9.h"
#include "journal/TemplateLoadWindow.h"
#include "journal/Form9Text.h"

#include "common/DateFormat.h"
#include "common/EraYearText.h"
#include "common/EditMode.h"
#include "journal/JournalListLine.h"
#include "platform/dao/Database.h"
#include "platform/ui/Dialogs.h"

#include <QStringList>

namespace journal {

using namespace form9;

// ---- the journal list -----------------------------------------------------------

void Form9::ShowJournalList()
{
    const o::EditModeSuspended editModeOff;
    List2->clear();
    m_journalLines.clear();
    dao::Recordset& journal = *JournalRecordset;
    if (!journal.isEmpty()) {
        JournalListLines lines(dao::Date::now());
        QStringList items;
        items.reserve(static_cast<int>(journal.RecordCount()));
        m_journalLines.reserve(static_cast<std::size_t>(journal.RecordCount()));
        for (journal.MoveFirst(); !journal.EOF_(); journal.MoveNext()) {
            const JournalRecord row = ReadJournalRecord(journal);
            items << q(lines.next(row));
            m_journalLines.add(row);
        }
        List2->addItems(items);
        journal.MoveFirst();
    }
}

void Form9::ShowTemplateList()
{
    FillTemplateList(*this);
}

void Form9::List1_Click()
{
    TemplateList_Click(*this);
}

void Form9::ReloadJournal()
{
    JournalRecordset->Close();
    JournalRecordset = m_database->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
    ShowJournalList();
}

void Form9::ReloadTemplates()
{
    TemplateRecordset->Close();
    TemplateRecordset = m_database->OpenRecordset("Q_仕訳定型台帳", dao::RecordsetType::Dynaset);
    ShowTemplateList();
}

void Form9::refuseStaleLine(const char* message, bool templateList)
{
    // The list first, so that the message stands over the list as it is now.
    if (templateList) {
        ReloadTemplates();
    } else {
        m_loadedVoucher.reset();
        ReloadJournal();
    }
    refuse(message);
}

void Form9::LoadVoucherAmounts(const RecalledRows& voucher)
{
    EntryGrid& g = *m_grid;
    LoadRecalledAmounts(voucher, g.DebitAmounts, g.CreditAmounts, g.DebitTotal, g.CreditTotal);
}

void Form9::ShowRecalledRows(const RecalledRows& recalled, RecordKind kind)
{
    EntryGrid& g = *m_grid;
    if (recalled.rows.empty())
        return;
    // The kind's own handler leaves the grid alone while a list line is selected.
    Option8[RecalledVoucherKind(recalled.rows.front(), CashAccountCode)]->setChecked(true);
    for (std::size_t i = 0; i < recalled.rows.size(); ++i) {
        const JournalRecord& row = recalled.rows[i];
        if (!row.description.empty()) g.Text1[i]->setText(q(row.description));
        if (!row.partner.empty()) g.Combo11[i]->setEditText(q(row.partner));
        if (!row.debitCode.empty()) {
            // A voucher's debit cell shows the name even when it is empty.
            if (!row.debitName.empty() || kind == RecordKind::Voucher) g.Combo1[i]->setEditText(q(row.debitName));
            g.Text8[i]->setText(AmountCellText(g.DebitAmounts[i]));
        }
        if (!row.creditCode.empty()) {
            if (!row.creditName.empty()) g.Combo7[i]->setEditText(q(row.creditName));
            g.Text9[i]->setText(AmountCellText(g.CreditAmounts[i]));
        }
        if (!row.bankCode.empty() && !row.bankName.empty()) g.Combo8[i]->setEditText(q(row.bankName));
        if (!row.branchCode.empty() && !row.branchName.empty()) g.Combo9[i]->setEditText(q(row.branchName));
    }
    Label1->setText(recalled.rows.back().closingEntry ? "決算仕訳" : "");
    g.RecalcTotals();
    g.ShowTotals("###,###,##0");
}

// The voucher of the chosen line, read afresh by its number: loaded when it is
// still as the list showed it, refused with a message when it is gone or changed.
void Form9::List2_Click()
{
    const int line = List2->currentRow();
    if (line < 0 || List2->selectedItems().isEmpty())
        return;
    const std::string number = m_journalLines.numberAt(line);
    const std::vector<JournalRecord> stored = ReadStoredRows(*m_database, RecordKind::Voucher, number);
    if (stored.empty())
        return refuseStaleLine(kVoucherVanished, false);
    if (VoucherFingerprints(stored) != m_journalLines.voucherAt(line))
        return refuseStaleLine(kVoucherChanged, false);
    const RecalledRows voucher = GridRowsOf(stored);
    if (const auto outOfRange = RecalledAmountOutOfRange(voucher))
        return refuse(*outOfRange);

    if (!List1->selectedItems().isEmpty())
        ShowTemplateList();
    EntryGrid& g = *m_grid;
    g.ClearEntry(selectedKind());
    LoadVoucherAmounts(voucher);
    if (const auto& date = voucher.rows.front().date) {
        Combo2[0]->setEditText(q(o::FormatDate(*date, "yyyy") + "年"));
        Combo2[1]->setEditText(q(o::FormatDate(*date, "mm") + "月"));
        Combo2[2]->setEditText(q(o::FormatDate(*date, "dd") + "日"));
        Label3->setText(q(o::EraYearText(*date)));
    }
    ShowRecalledRows(voucher, RecordKind::Voucher);
    m_loadedVoucher = LoadedVoucherOf(number, stored);
}

}  // namespace journal
