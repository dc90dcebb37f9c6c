// The closing window's closing lists: the closing templates and the closing
// entries below the entry grid, and the grid's clearing.
#include "statements/Form34.h"

#include "closing/ClosingListLines.h"
#include "common/EditMode.h"
#include "frame/WorkWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace statements {

void Form34::ClearEntry()
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

void Form34::ShowClosingTemplates()
{
    o::EditModeSuspended off;
    ClearEntry();
    List1->clear();
    m_templateKeys.clear();
    for (const closing::ClosingListLine& line : closing::ClosingTemplateLines(*ClosingTemplateRecordset)) {
        List1->addItem(frame::toQ(line.text));
        m_templateKeys.push_back(line.key);
    }
}

void Form34::ShowClosingEntries()
{
    o::EditModeSuspended off;
    ClearEntry();
    List2->clear();
    m_entryKeys.clear();
    for (const closing::ClosingListLine& line : closing::ClosingEntryLines(*ClosingJournalRecordset, dao::Date::now())) {
        List2->addItem(frame::toQ(line.text));
        m_entryKeys.push_back(line.key);
    }
}

void Form34::PrintClosingEntries()
{
    // The closing-entry list "決算仕訳リスト" prints here.
}

}  // namespace statements
