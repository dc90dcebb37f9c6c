// The closing window's closing lists: the closing templates and the closing
// entries below the entry grid, the grid's clearing, a saved closing voucher's
// lines put in place, and the printed list of the closing entries.
#include "closing/ClosingEntryTab.h"

#include "closing/ClosingEntryPrintout.h"
#include "closing/ClosingListLines.h"
#include "common/EditMode.h"
#include "frame/RecordList.h"
#include "frame/WorkWindow.h"
#include "journal/StoredDateOrder.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/DaoError.h"
#include "platform/printing/Printer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>

namespace closing {

void ClosingEntryTab::ClearEntry()
{
    journal::EntryGrid& g = grid();
    g.Text8[journal::kGridRows]->clear();
    g.Text9[journal::kGridRows]->clear();
    for (int i = 0; i < journal::kGridRows; ++i) {
        g.Text1[i]->clear();
        g.Combo11[i]->setEditText(QString());
        g.Combo1[i]->setEditText(QString());
        g.Text8[i]->clear();
        g.Text9[i]->clear();
        g.Combo7[i]->setEditText(QString());
        g.Combo8[i]->setEditText(QString());
        g.Combo9[i]->setEditText(QString());
        g.DebitAmounts[static_cast<std::size_t>(i)] = 0;
        g.CreditAmounts[static_cast<std::size_t>(i)] = 0;
    }
    g.DebitTotal = 0;
    g.CreditTotal = 0;
}

void ClosingEntryTab::ShowClosingTemplates()
{
    o::EditModeSuspended off;
    ClearEntry();
    m_loadedVoucher.reset();
    List1->clear();
    m_templateRows.clear();
    QStringList items;
    for (const ClosingListLine& line : ClosingTemplateLines(*ClosingTemplateRecordset)) {
        items << frame::toQ(line.text);
        m_templateRows.add(line.row);
    }
    List1->addItems(items);
}

std::vector<ClosingLineKey> ClosingEntryTab::lineKeys(const journal::ListedRows& rows)
{
    std::vector<ClosingLineKey> keys;
    keys.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keys.push_back({rows.number(i), rows.rowNumberAt(static_cast<int>(i))});
    return keys;
}

void ClosingEntryTab::ShowClosingEntries()
{
    o::EditModeSuspended off;
    ClearEntry();
    fillEntryList();
}

void ClosingEntryTab::fillEntryList()
{
    o::EditModeSuspended off;
    m_loadedVoucher.reset();
    if (m_closingJournalBehind && listShowsTheFile()) {
        // Nothing was written since the list was filled and the saves placed
        // in it: a fill would show these lines.
        clearEntryChoice();
        return;
    }
    dao::Recordset& entries = closingJournal();
    List2->clear();
    m_entryRows.start(dao::Date::now());
    if (!journal::JournalDatesSortByValue(*m_database))
        m_entryRows.placeNoSaves();
    m_listedVersion = m_closingJournalOpened;
    QStringList items;
    if (!entries.isEmpty()) {
        for (entries.MoveFirst(); !entries.EOF_(); entries.MoveNext())
            items << frame::toQ(m_entryRows.add(ClosingEntryRowOf(entries)));
        entries.MoveFirst();
    }
    List2->addItems(items);
}

dao::Recordset& ClosingEntryTab::closingJournal()
{
    if (m_closingJournalBehind)
        reopenClosingJournal();
    return *ClosingJournalRecordset;
}

void ClosingEntryTab::showEntriesAsStored()
{
    if (listShowsTheFile())
        return;
    // The voucher chosen stays chosen when the file still lists it, with what
    // was loaded of it: an update or a delete checks that against the file.
    const auto chosen = selectedClosingVoucher();
    try {
        reopenClosingJournal();
    } catch (const dao::DaoError&) {
        // The file cannot be read now (another program holds it): the list
        // stays as it was, and the next save fills it again. The refusal is
        // the one message.
        return;
    }
    try {
        fillEntryList();
    } catch (const dao::DaoError&) {
        // Read in part: no line is shown that may not be so.
        const QSignalBlocker quiet(List2);
        List2->clear();
        m_entryRows.start(dao::Date::now());
        m_listedVersion.reset();
        return;
    }
    if (!chosen)
        return;
    const int line = m_entryRows.listed().firstLineOf(chosen->number);
    if (line < 0)
        return;
    const QSignalBlocker quiet(List2);
    List2->setCurrentRow(line);
    m_loadedVoucher = chosen;
}

bool ClosingEntryTab::listShowsTheFile() const
{
    try {
        return m_listedVersion && m_database->fileVersion() == *m_listedVersion;
    } catch (const dao::DaoError&) {
        return false;
    }
}

journal::VoucherStore::Watch ClosingEntryTab::saveWatch(const std::vector<journal::RowFingerprint>& oldRows)
{
    m_savePlace = {};
    // The save adds its rows through ClosingJournalRecordset (at its end, and
    // kept there when the save fails): it is opened again before it is read.
    m_closingJournalBehind = true;
    return {[this] {
                if (listShowsTheFile())
                    m_savePlace.rows = m_entryRows;
            },
            [this, oldRows](const std::string& number) { placeSavedVoucher(number, oldRows); }};
}

void ClosingEntryTab::placeSavedVoucher(const std::string& number, const std::vector<journal::RowFingerprint>& oldRows)
{
    if (!m_savePlace.rows)
        return;
    // Runs inside the save's transaction, on a copy of the list's rows: a
    // voucher that cannot be read or placed here costs the save nothing, and
    // a save that fails after it leaves the list as it was.
    try {
        auto changes = m_savePlace.rows->replaceVoucher(number, oldRows, ReadClosingVoucher(*m_database, number));
        if (!changes) {
            m_savePlace.rows.reset();
            return;
        }
        m_savePlace.changes.insert(m_savePlace.changes.end(), changes->begin(), changes->end());
        m_savePlace.version = m_database->fileVersion();
    } catch (const dao::DaoError&) {
        m_savePlace.rows.reset();
    }
}

void ClosingEntryTab::showSavedVoucher()
{
    if (!m_savePlace.rows) {
        reopenAndRefill();
        return;
    }
    o::EditModeSuspended off;
    ClearEntry();
    m_loadedVoucher.reset();
    {
        // No click while the lines change (a removed current line would choose the next).
        const QSignalBlocker quiet(List2);
        clearEntryChoice();
        for (const journal::ListLineChange& change : m_savePlace.changes) {
            // A change ends with the lines shown again after the voucher's: those
            // stay the same lines, with their text set where it differs.
            const int added = static_cast<int>(change.lines.size());
            const int kept = std::min(change.removed, added);
            for (int i = 0; i < kept; ++i) {
                const QString text =
                    frame::toQ(change.lines[static_cast<std::size_t>(added - kept) + static_cast<std::size_t>(i)]);
                QListWidgetItem* item = List2->item(change.first + change.removed - kept + i);
                if (item->text() != text)
                    item->setText(text);
            }
            for (int i = 0; i < change.removed - kept; ++i)
                delete List2->takeItem(change.first);
            QStringList inserted;
            for (int i = 0; i < added - kept; ++i)
                inserted << frame::toQ(change.lines[static_cast<std::size_t>(i)]);
            List2->insertItems(change.first, inserted);
        }
        clearEntryChoice();
    }
    m_entryRows = std::move(*m_savePlace.rows);
    m_listedVersion = m_savePlace.version;
    m_savePlace = {};
}

void ClosingEntryTab::clearEntryChoice()
{
    const QSignalBlocker quiet(List2);
    List2->clearSelection();
    List2->setCurrentRow(-1);
}

void ClosingEntryTab::PrintClosingEntries(const std::function<statements::StatementHeader(const char* title)>& header)
{
    // Edit mode is off while the list prints and as it was afterwards, so the
    // windows' "編集"/"編集解除" captions stay true.
    o::EditModeSuspended off;
    const std::vector<std::string> lines = ClosingPrintedLines(closingJournal());
    PrintClosingEntryList(printing::printer(), header(kClosingListTitle), lines);
}

}  // namespace closing
