// The register tabs of the setup window: clearing their inputs and filling their
// lists when the window loads. What their buttons, list clicks and field exits
// do belongs to the registers and is still to come; the handlers are in place.
#include "setup/Form31.h"

#include "common/NumberFormat.h"
#include "setup/RegisterLists.h"

namespace setup {

using frame::toQ;

// ---- clearing ---------------------------------------------------------------------

void Form31::ClearEntry()
{
    journal::VoucherKind kind = journal::VoucherKind::Transfer;
    if (Option8[1]->isChecked()) kind = journal::VoucherKind::Receipt;
    if (Option8[2]->isChecked()) kind = journal::VoucherKind::Payment;
    m_grid->ClearEntry(kind);
    Combo4->setEditText(QString());
}

void Form31::ClearFixedAssetInput()
{
    for (QLineEdit* edit : Text4) edit->clear();
    for (QComboBox* box : Combo6) box->setEditText(QString());
}

void Form31::ClearLeaseInput()
{
    for (QLineEdit* edit : Text6) edit->clear();
    for (QComboBox* box : Combo17) box->setEditText(QString());
}

// ---- lists ----------------------------------------------------------------------------

// The template grid's account cells: the accounts in use with a name, a debit
// cell offering the debit-natured ones and a credit cell the credit-natured
// ones, an account marked 相方有無 in both.
void Form31::FillAccountCombos()
{
    QStringList debit, credit;
    dao::Recordset& used = *UsedAccountsRecordset;
    if (!used.isEmpty()) {
        for (used.MoveFirst(); !used.EOF_(); used.MoveNext()) {
            const std::string name = used.get("勘定科目名").toText();
            if (name.empty())
                continue;
            const dao::Value side = used.get("借貸区分");
            const bool bothSides = used.get("相方有無").toBool();
            if ((side.isNumeric() && side.toInt64() == 0) || bothSides) debit << toQ(name);
            if ((side.isNumeric() && side.toInt64() == 1) || bothSides) credit << toQ(name);
        }
    }
    for (int row = 0; row < journal::kGridRows; ++row) {
        m_grid->Combo1[row]->clear();
        m_grid->Combo1[row]->addItems(debit);
        m_grid->Combo7[row]->clear();
        m_grid->Combo7[row]->addItems(credit);
    }
}

void Form31::ShowTemplateList()
{
    const o::EditModeSuspended editModeOff;
    TemplateListLines lines;
    dao::Recordset& templates = *TemplateRecordset;
    fillList(List1, m_keys[List1], templates, [this, &lines](dao::Recordset& rs) {
        if (rs.get("追番").toText() == "1")
            LoadTemplateAmounts();
        const ListLine line = lines.next(rs);
        return std::pair{line.text, line.key};
    });
    if (!templates.isEmpty())
        templates.MoveFirst();
}

// The amounts of the template whose row the template recordset stands on, into
// the grid's amount arrays (its first six rows at most); the cells stay as they are.
void Form31::LoadTemplateAmounts()
{
    dao::Recordset& templates = *TemplateRecordset;
    if (templates.isEmpty() || templates.EOF_() || templates.BOF())
        return;
    const dao::Bookmark start = templates.getBookmark();
    const std::string first = templates.get("追番").toText();
    journal::EntryGrid& g = *m_grid;
    g.DebitTotal = 0;
    g.CreditTotal = 0;
    for (int i = 0; i < journal::kGridRows; ++i) g.DebitAmounts[i] = g.CreditAmounts[i] = 0;
    for (int t = 0; t < 6; ++t) {
        const dao::Value debit = templates.get("入金");
        const dao::Value credit = templates.get("出金");
        g.DebitAmounts[t] = debit.isNumeric() ? debit.toInt32() : 0;
        g.CreditAmounts[t] = credit.isNumeric() ? credit.toInt32() : 0;
        g.DebitTotal += g.DebitAmounts[t];
        g.CreditTotal += g.CreditAmounts[t];
        templates.MoveNext();
        if (templates.EOF_() || templates.get("追番").toText() == first)
            break;
    }
    templates.setBookmark(start);
}

void Form31::ShowPartnerList()
{
    fillList(List4, m_keys[List4], *PartnerRecordset, [](dao::Recordset& rs) {
        const ListLine line = PartnerListLine(rs);
        return std::pair{line.text, line.key};
    });
}

void Form31::ShowFixedAssetList()
{
    fillList(List5, m_keys[List5], *FixedAssetRecordset, [](dao::Recordset& rs) {
        const ListLine line = FixedAssetListLine(rs);
        return std::pair{line.text, line.key};
    });
}

void Form31::ShowLeaseList()
{
    fillList(List6, m_keys[List6], *LeaseRecordset, [](dao::Recordset& rs) {
        const ListLine line = LeaseListLine(rs);
        return std::pair{line.text, line.key};
    });
}

// The bank accounts, and the total of their opening balances in Text3(10); with
// no account the total box is left as it is.
void Form31::ShowBankAccountList()
{
    std::int64_t total = 0;
    fillList(List7, m_keys[List7], *BankAccountRecordset, [&total](dao::Recordset& rs) {
        const dao::Value balance = rs.get("期首残高");
        total += balance.isNumeric() ? balance.toInt64() : 0;
        const ListLine line = BankAccountListLine(rs);
        return std::pair{line.text, line.key};
    });
    if (List7->count() > 0)
        Text3[10]->setText(toQ(o::FormatNumber(total, "#,###,###,##0")));
}

// ---- what the registers do (to come) ------------------------------------------------------

void Form31::Command3_Click(int) {}       // partners: 入力クリア, 登録, 更新, 削除
void Form31::Command6_Click(int) {}       // fixed assets: 償却費計算, 入力クリア, 登録, 更新, 削除
void Form31::Command7_Click(int) {}       // leases: 入力クリア, 登録, 更新, 削除 (1..4)
void Form31::Command8_Click(int) {}       // bank accounts: 更新, 登録, 削除
void Form31::Command9_Click() {}          // opens the bank master window "金融機関台帳"
void Form31::List1_Click() {}             // loads the chosen template into the grid
void Form31::List4_Click() {}             // loads the chosen partner into its boxes
void Form31::List5_Click() {}             // loads the chosen fixed asset into its fields
void Form31::List6_Click() {}             // loads the chosen lease into its boxes
void Form31::List7_Click() {}             // loads the chosen bank account into its boxes
void Form31::Combo1_LostFocus(int) {}     // template debit account cell (code to name, tax rows)
void Form31::Combo7_LostFocus(int) {}     // template credit account cell
void Form31::Text8_LostFocus(int) {}      // template debit amount cell
void Form31::Text9_LostFocus(int) {}      // template credit amount cell
void Form31::Text4_LostFocus(int) {}      // fixed-asset fields (book value, depreciation)

}  // namespace setup
