// The closing window's closing lists: the closing templates and the closing
// entries below the entry grid, the grid's clearing, and the printed list of
// the closing entries.
#include "closing/ClosingEntryTab.h"

#include "closing/ClosingEntryPrintout.h"
#include "closing/ClosingListLines.h"
#include "common/EditMode.h"
#include "frame/RecordList.h"
#include "frame/WorkWindow.h"
#include "platform/printing/Printer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

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
        keys.push_back({rows.numbers()[i], rows.rowNumberAt(static_cast<int>(i))});
    return keys;
}

void ClosingEntryTab::ShowClosingEntries()
{
    o::EditModeSuspended off;
    ClearEntry();
    m_loadedVoucher.reset();
    List2->clear();
    m_entryRows.clear();
    QStringList items;
    for (const ClosingListLine& line : ClosingEntryLines(*ClosingJournalRecordset, dao::Date::now())) {
        items << frame::toQ(line.text);
        m_entryRows.add(line.row);
    }
    List2->addItems(items);
}

void ClosingEntryTab::PrintClosingEntries(
    const std::function<statements::StatementHeader(const char* title)>& header)
{
    // Edit mode is off while the list prints and as it was afterwards, so the
    // windows' "編集"/"編集解除" captions stay true.
    o::EditModeSuspended off;
    const std::vector<std::string> lines = ClosingPrintedLines(*ClosingJournalRecordset);
    PrintClosingEntryList(printing::printer(), header(kClosingListTitle), lines);
}

}  // namespace closing
