// The journal list of the journal-entry window and the recall of a voucher from it.
#include "common/NumberMasks.h"
#include "journal/Form9.h"
#include "journal/TemplateLoadWindow.h"
#include "journal/Form9Text.h"

#include "common/DateFormat.h"
#include "common/EraYearText.h"
#include "common/EditMode.h"
#include "journal/JournalListLine.h"
#include "journal/StoredDateOrder.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Database.h"
#include "platform/ui/Dialogs.h"

#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>

namespace journal {

using namespace form9;

// ---- the journal list -----------------------------------------------------------

void Form9::ShowJournalList()
{
    const o::EditModeSuspended editModeOff;
    if (m_journalOutOfOrder)
        openJournal();
    dao::Recordset& journal = *JournalRecordset;
    m_journalLines.start(dao::Date::now());
    if (!JournalDatesSortByValue(*m_database))
        m_journalLines.placeNoSaves();
    m_listedVersion = m_journalOpened;
    if (journal.isEmpty()) {
        List2->clear();
        return;
    }
    const JournalFields fields(journal, RecordKind::Voucher);
    List2->lines().fillFrom([&](const frame::RecordLines::LineSink& add) {
        JournalRecord row;
        journal.ForEachRow([&] {
            fields.read(journal, row);
            add(m_journalLines.add(row));
        });
    });
    journal.MoveFirst();
}

void Form9::ShowTemplateList()
{
    FillTemplateList(*this);
}

void Form9::List1_Click()
{
    TemplateList_Click(*this);
}

void Form9::openJournal()
{
    JournalRecordset->Close();
    m_journalOpened = m_database->fileVersion();
    JournalRecordset = m_database->OpenRecordset(schema::query::Journal, dao::RecordsetType::Dynaset);
    m_journalOutOfOrder = false;
}

dao::Recordset& Form9::journalInOrder()
{
    if (m_journalOutOfOrder)
        openJournal();
    return *JournalRecordset;
}

void Form9::ReloadJournal()
{
    openJournal();
    ShowJournalList();
}

bool Form9::placeSavedVoucher(const std::string& number, int oldLine, const std::vector<RowFingerprint>& oldRows)
{
    if (!m_savePlace.listCurrent)
        return false;
    const VoucherReader read = [this](const std::string& voucher) {
        return ReadStoredRows(*m_database, RecordKind::Voucher, voucher);
    };
    // Runs inside the save's transaction: a row that cannot be read here costs
    // the save nothing, the list is filled again after it instead.
    try {
        m_savePlace.rows = read(number);
        m_savePlace.changes = m_journalLines.replaceVoucher(number, oldLine, oldRows, m_savePlace.rows, read);
        m_savePlace.version = m_database->fileVersion();
    } catch (const dao::DaoError&) {
        m_savePlace.changes.reset();
    }
    return m_savePlace.changes.has_value();
}

void Form9::showSavedVoucher()
{
    if (!m_savePlace.listCurrent || !m_savePlace.changes) {
        ReloadJournal();
        return;
    }
    const o::EditModeSuspended editModeOff;
    {
        // As after a fill: no line chosen.
        const QSignalBlocker quiet(List2);
        List2->clearChoice();
        frame::RecordLines& lines = List2->lines();
        for (const ListLineChange& change : *m_savePlace.changes) {
            // A change ends with the lines built again after the voucher's: those
            // stay the same lines, with their text set where it differs.
            const int added = static_cast<int>(change.lines.size());
            const int kept = std::min(change.removed, added);
            for (int i = 0; i < kept; ++i)
                lines.setLine(change.first + change.removed - kept + i,
                              change.lines[static_cast<std::size_t>(added - kept) + static_cast<std::size_t>(i)]);
            lines.removeLines(change.first, change.removed - kept);
            lines.insertLines(change.first,
                              std::vector<std::string>(change.lines.begin(), change.lines.begin() + (added - kept)));
        }
        List2->clearChoice();
    }
    // The recordset is left where the save left it: every walk over it starts
    // from its first row (and reopens it first when it needs the order).
    m_listedVersion = m_savePlace.version;
    m_journalOutOfOrder = true;
}

void Form9::ReloadTemplates()
{
    TemplateRecordset->Close();
    TemplateRecordset = m_database->OpenRecordset(schema::query::Templates, dao::RecordsetType::Dynaset);
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
        if (!row.description.empty())
            g.Text1[i]->setText(q(row.description));
        if (!row.partner.empty())
            g.Combo11[i]->setEditText(q(row.partner));
        if (!row.debitCode.empty()) {
            // A voucher's debit cell shows the name even when it is empty.
            if (!row.debitName.empty() || kind == RecordKind::Voucher)
                g.Combo1[i]->setEditText(q(row.debitName));
            g.Text8[i]->setText(AmountCellText(g.DebitAmounts[i]));
        }
        if (!row.creditCode.empty()) {
            if (!row.creditName.empty())
                g.Combo7[i]->setEditText(q(row.creditName));
            g.Text9[i]->setText(AmountCellText(g.CreditAmounts[i]));
        }
        if (!row.bankCode.empty() && !row.bankName.empty())
            g.Combo8[i]->setEditText(q(row.bankName));
        if (!row.branchCode.empty() && !row.branchName.empty())
            g.Combo9[i]->setEditText(q(row.branchName));
    }
    Label1->setText(recalled.rows.back().closingEntry ? "決算仕訳" : "");
    g.RecalcTotals();
    g.ShowTotals(o::kAmountMask);
}

// The voucher of the chosen line, read afresh by its number: loaded when it is
// still as the list showed it, refused with a message when it is gone or changed.
void Form9::List2_Click()
{
    const int line = List2->currentRow();
    if (line < 0 || !List2->hasSelectedLine())
        return;
    loadVoucherLine(line, ReadStoredRows(*m_database, RecordKind::Voucher, m_journalLines.listed().numberAt(line)));
}

void Form9::loadVoucherLine(int line, const std::vector<JournalRecord>& stored)
{
    const std::string number = m_journalLines.listed().numberAt(line);
    if (stored.empty())
        return refuseStaleLine(kVoucherVanished, false);
    if (VoucherFingerprints(stored) != m_journalLines.listed().voucherAt(line))
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
