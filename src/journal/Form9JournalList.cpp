// The journal list of the journal-entry window and the recall of a voucher from it.
#include "journal/Form9.h"
#include "journal/TemplateLoadWindow.h"
#include "journal/Form9Text.h"

#include "common/DateFormat.h"
#include "common/EraYearText.h"
#include "common/EditMode.h"
#include "journal/JournalListLine.h"

#include <QStringList>

namespace journal {

using namespace form9;

// ---- the journal list -----------------------------------------------------------

void Form9::ShowJournalList()
{
    const o::EditModeSuspended editModeOff;
    List2->clear();
    m_lineNumbers.clear();
    dao::Recordset& journal = *JournalRecordset;
    if (!journal.isEmpty()) {
        JournalListLines lines(dao::Date::now());
        QStringList items;
        items.reserve(static_cast<int>(journal.RecordCount()));
        m_lineNumbers.reserve(static_cast<std::size_t>(journal.RecordCount()));
        for (journal.MoveFirst(); !journal.EOF_(); journal.MoveNext()) {
            const JournalListRow row = ReadJournalListRow(journal);
            items << q(lines.next(row));
            m_lineNumbers.push_back(row.voucherNumber);
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

void Form9::LocateVoucher()
{
    if (List2->count() == 0)
        return;
    dao::Recordset& journal = *JournalRecordset;
    if (journal.isEmpty())
        return;
    journal.MoveFirst();
    const int line = List2->selectedItems().isEmpty() ? 0 : List2->currentRow();
    if (line > 0)
        journal.Move(line);
    if (journal.EOF_()) {
        journal.MoveLast();
        return;
    }
    if (journal.get("追番").toInt64() > 1) {
        const std::string number = journal.get("伝票番号").toText();
        for (;;) {
            journal.MovePrevious();
            if (journal.BOF()) {
                journal.MoveFirst();
                break;
            }
            if (journal.get("伝票番号").toText() != number) {
                journal.MoveNext();
                break;
            }
        }
    }
}

void Form9::LoadVoucherAmounts()
{
    dao::Recordset& journal = *JournalRecordset;
    if (journal.isEmpty() || journal.EOF_() || journal.BOF())
        return;
    const dao::Bookmark start = journal.getBookmark();
    const std::string number = journal.get("伝票番号").toText();
    EntryGrid& g = *m_grid;
    g.DebitTotal = 0;
    g.CreditTotal = 0;
    for (int i = 0; i < kGridRows; ++i) g.DebitAmounts[i] = g.CreditAmounts[i] = 0;
    for (int k = 0; k < kGridRows; ++k) {
        g.DebitAmounts[k] = journal.get("入金").toInt32();
        g.CreditAmounts[k] = journal.get("出金").toInt32();
        g.DebitTotal += g.DebitAmounts[k];
        g.CreditTotal += g.CreditAmounts[k];
        if (k == kGridRows - 1)
            break;
        journal.MoveNext();
        if (journal.EOF_() || journal.get("伝票番号").toText() != number)
            break;
    }
    journal.setBookmark(start);
}

void Form9::List2_Click()
{
    if (List2->selectedItems().isEmpty())
        return;
    if (!List1->selectedItems().isEmpty())
        ShowTemplateList();
    EntryGrid& g = *m_grid;
    g.ClearEntry(selectedKind());
    LocateVoucher();
    dao::Recordset& journal = *JournalRecordset;
    if (journal.isEmpty() || journal.EOF_())
        return;
    const std::string number = journal.get("伝票番号").toText();
    LoadVoucherAmounts();

    if (const auto date = journal.get("日付").toDate()) {
        Combo2[0]->setEditText(q(o::FormatDate(*date, "yyyy") + "年"));
        Combo2[1]->setEditText(q(o::FormatDate(*date, "mm") + "月"));
        Combo2[2]->setEditText(q(o::FormatDate(*date, "dd") + "日"));
        Label3->setText(q(o::EraYearText(*date)));
    }

    const std::string debitCode = journal.get("借方コード").toText();
    const std::string creditCode = journal.get("貸方コード").toText();
    if (debitCode != CashAccountCode && creditCode != CashAccountCode) Option8[0]->setChecked(true);
    if (debitCode == CashAccountCode) Option8[1]->setChecked(true);
    if (creditCode == CashAccountCode) Option8[2]->setChecked(true);

    for (int i = 0; i < kGridRows && !journal.EOF_() && journal.get("伝票番号").toText() == number; ++i) {
        const std::string description = journal.get("摘要").toText();
        if (!description.empty()) g.Text1[i]->setText(q(description));
        const std::string partner = journal.get("取引先").toText();
        if (!partner.empty()) g.Combo11[i]->setEditText(q(partner));
        if (!journal.get("借方コード").toText().empty()) {
            g.Combo1[i]->setEditText(q(journal.get("勘定科目名").toText()));
            g.DebitAmounts[i] = journal.get("入金").toInt32();
            g.Text8[i]->setText(AmountCellText(g.DebitAmounts[i]));
        }
        if (!journal.get("貸方コード").toText().empty()) {
            const std::string creditName = journal.get("勘定科目名2").toText();
            if (!creditName.empty()) g.Combo7[i]->setEditText(q(creditName));
            g.CreditAmounts[i] = journal.get("出金").toInt32();
            g.Text9[i]->setText(AmountCellText(g.CreditAmounts[i]));
        }
        if (!journal.get("銀行コード").toText().empty()) g.Combo8[i]->setEditText(q(journal.get("銀行名").toText()));
        if (!journal.get("支店コード").toText().empty()) g.Combo9[i]->setEditText(q(journal.get("支店名").toText()));
        Label1->setText(journal.get("決算仕訳").toBool() ? "決算仕訳" : "");
        journal.MoveNext();
    }
    g.RecalcTotals();
    g.ShowTotals("###,###,##0");
}

}  // namespace journal
