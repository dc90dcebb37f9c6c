// The business partners of the tab "取引先管理" and the company's bank accounts
// of the tab "期首残高設定": their lists, loading a chosen line into the boxes,
// and the buttons that register, update and delete them.
#include "setup/Form31.h"

#include "common/NumberFormat.h"
#include "frame/WindowRegistry.h"
#include "platform/ui/Dialogs.h"
#include "setup/BankAccountRegister.h"
#include "setup/PartnerRegister.h"
#include "setup/RegisterLists.h"

namespace setup {

using frame::fromQ;
using frame::toQ;

// ---- business partners ------------------------------------------------------------------

void Form31::ShowPartnerList()
{
    fillList(List4, *PartnerRecordset, [](dao::Recordset& rs) {
        const ListLine line = PartnerListLine(rs);
        return std::pair{line.text, line.key};
    });
}

void Form31::refreshPartners()
{
    reopen(PartnerRecordset, "Q_取引先管理");
    ShowPartnerList();
}

void Form31::Command3_Click(int index)
{
    const dao::Operation operation;   // its waits for the file share one budget
    if (!o::EditModeIsOn())
        return;
    PartnerBoxes boxes;
    boxes.name = fromQ(Text10[0]->text());
    boxes.business = fromQ(Text10[1]->text());
    boxes.address = fromQ(Text10[2]->text());
    boxes.representative = fromQ(Text10[3]->text());
    boxes.phone = fromQ(Text10[4]->text());
    boxes.mail = fromQ(Text10[5]->text());
    boxes.closingDay = fromQ(Combo10[1]->currentText());
    boxes.paymentDay = fromQ(Combo10[2]->currentText());
    boxes.rank = fromQ(Combo10[3]->currentText());
    try {
        switch (index) {
        case 0:
            for (QLineEdit* box : Text10) box->clear();
            for (int i = 1; i <= 3; ++i) Combo10[i]->setEditText(QString());
            ShowPartnerList();
            return;
        case 1: RegisterPartner(*m_workspace, *m_database, boxes); break;
        case 2: {
            const int line = chosenLine(List4);
            if (line < 0)
                return;
            if (const auto refusal = UpdatePartner(*m_workspace, *m_database, shownLine(List4, line), boxes))
                refuse(*refusal);
            break;
        }
        case 3: {
            const auto line = chosenRecord(List4, *PartnerRecordset, PartnerKey, kPartnerWhat, &Form31::refreshPartners);
            if (!line)
                return;
            if (ui::dialogs().messageBox(kDeletePartnerQuestion, ui::Buttons::YesNo, std::string("得意先管理"))
                != ui::Answer::Yes)
                return;
            if (const auto refusal = DeletePartner(*m_workspace, *m_database, *line))
                refuse(*refusal);
            break;
        }
        default: return;
        }
    } catch (const std::exception& e) {
        reportFailure("取引先を保存できませんでした。取引先は元のままです", e);
    }
    refreshPartners();
}

void Form31::List4_Click()
{
    if (!chosenRecord(List4, *PartnerRecordset, PartnerKey, kPartnerWhat, &Form31::refreshPartners))
        return;
    dao::Recordset& partner = *PartnerRecordset;
    for (QLineEdit* box : Text10) box->clear();
    for (int i = 1; i <= 3; ++i) Combo10[i]->setEditText(QString());
    const auto day = [&partner](const char* field, const char* unit, QComboBox* box) {
        const dao::Value value = partner.get(field);
        if (value.isNumeric() && value.toInt64() != 0)
            box->setEditText(toQ(std::to_string(value.toInt64()) + unit));
    };
    const auto text = [&partner](const char* field, QLineEdit* box) { box->setText(toQ(partner.get(field).toText())); };
    text("取引先名", Text10[0]);
    day("締日", "日", Combo10[1]);
    day("支払日", "日後", Combo10[2]);
    Combo10[3]->setEditText(toQ(partner.get("取引先ランク").toText()));
    text("取引内容", Text10[1]);
    text("住所", Text10[2]);
    text("代表者", Text10[3]);
    text("電話番号", Text10[4]);
    text("メールアドレス", Text10[5]);
}

// ---- company bank accounts -------------------------------------------------------------

// The bank accounts, and the total of their opening balances in Text3(10); with
// no account the total box is left as it is.
void Form31::ShowBankAccountList()
{
    std::int64_t total = 0;
    fillList(List7, *BankAccountRecordset, [&total](dao::Recordset& rs) {
        const dao::Value balance = rs.get("期首残高");
        total += balance.isNumeric() ? balance.toInt64() : 0;
        const ListLine line = BankAccountListLine(rs);
        return std::pair{line.text, line.key};
    });
    if (List7->count() > 0)
        Text3[10]->setText(toQ(o::FormatNumber(total, "#,###,###,##0")));
}

void Form31::refreshBankAccounts()
{
    reopen(BankAccountRecordset, "Q_取引銀行");
    ShowBankAccountList();
}

// 0 "更新", 1 "登録", 2 "削除". The boxes are checked first for all three; "更新"
// and "削除" act on the account of the chosen line, "削除" after asking.
void Form31::Command8_Click(int index)
{
    const dao::Operation operation;   // its waits for the file share one budget
    if (!o::EditModeIsOn() || index < 0 || index > 2)
        return;
    BankAccountBoxes boxes;
    boxes.bank = fromQ(Combo2[0]->currentText());
    boxes.branch = fromQ(Combo2[1]->currentText());
    boxes.kind = fromQ(Combo2[2]->currentText());
    boxes.openingBalance = fromQ(Text3[0]->text());
    const auto checked = CheckBankAccountBoxes(boxes, *BanksInUseRecordset, *BranchesInUseRecordset,
                                               *DepositKindRecordset);
    if (const auto* message = std::get_if<std::string>(&checked)) {
        refuse(*message);
        return;
    }
    const BankAccount& account = std::get<BankAccount>(checked);
    std::optional<std::string> refusal;
    try {
        if (index == 1) {
            refusal = RegisterBankAccount(*m_workspace, *m_database, account);
        } else if (index == 0) {
            const int line = chosenLine(List7);
            if (line < 0)
                return;
            refusal = UpdateBankAccount(*m_workspace, *m_database, shownLine(List7, line), account);
        } else {
            const auto line = chosenRecord(List7, *BankAccountRecordset, BankAccountKey, kBankAccountWhat,
                                           &Form31::refreshBankAccounts);
            if (!line)
                return;
            if (ui::dialogs().messageBox(DeleteBankAccountQuestion(*BankAccountRecordset), ui::Buttons::YesNo,
                                         std::string(kDeleteBankAccountTitle))
                != ui::Answer::Yes)
                return;
            refusal = DeleteBankAccount(*m_workspace, *m_database, *line);
        }
    } catch (const std::exception& e) {
        reportFailure("取引銀行を保存できませんでした。取引銀行は元のままです", e);
    }
    if (refusal) {
        refuse(*refusal);
        if (*refusal == kBankAccountExists)
            return;
    }
    refreshBankAccounts();
}

void Form31::List7_Click()
{
    if (!chosenRecord(List7, *BankAccountRecordset, BankAccountKey, kBankAccountWhat, &Form31::refreshBankAccounts))
        return;
    dao::Recordset& account = *BankAccountRecordset;
    Combo2[0]->setEditText(toQ(account.get("銀行名").toText()));
    Combo2[1]->setEditText(toQ(account.get("支店名").toText()));
    Combo2[2]->setEditText(toQ(account.get("種別").toText()));
    const dao::Value balance = account.get("期首残高");
    Text3[0]->setText(toQ(balance.isNumeric() ? o::FormatNumber(balance.toInt64(), "##,###,###,##0") : std::string()));
}

// "金融機関台帳": the bank and branch master window, in either edit mode.
void Form31::Command9_Click()
{
    frame::WindowRegistry::instance().show("Form11", "金融機関台帳");
}

}  // namespace setup
