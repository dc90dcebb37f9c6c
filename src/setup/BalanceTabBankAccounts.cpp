// The company's bank accounts of the tab "期首残高設定": their list, loading a
// chosen line into the boxes, and the buttons that register, update and delete them.
#include "setup/BalanceTab.h"
#include "periodfile/SchemaNames.h"

#include "common/EditMode.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "frame/WorkWindow.h"
#include "frame/WindowRegistry.h"
#include "platform/dao/DaoError.h"
#include "platform/ui/Dialogs.h"
#include "setup/BankAccountRegister.h"
#include "setup/RegisterLists.h"

namespace setup {

using frame::fromQ;
using frame::toQ;

// ---- company bank accounts -------------------------------------------------------------

// The bank accounts, and the total of their opening balances in Text3(10): 0
// once the last account is gone.
void BalanceTab::ShowBankAccountList()
{
    std::int64_t total = 0;
    fillList(List7, *m_file.BankAccountRecordset, BankAccountComparedFields(), [&total](dao::Recordset& rs) {
        const dao::Value balance = rs.get(schema::column::OpeningBalance);
        total += balance.isNumeric() ? balance.toInt64() : 0;
        const ListLine line = BankAccountListLine(rs);
        return std::pair{line.text, line.key};
    });
    Text3[10]->setText(toQ(o::FormatNumber(total, o::kAmount10Mask)));
}

void BalanceTab::refreshBankAccounts()
{
    m_file.reopen(m_file.BankAccountRecordset, "Q_取引銀行");
    ShowBankAccountList();
}

// "更新", "登録" and "削除": the boxes are checked first for all three; "更新"
// and "削除" act on the account of the chosen line, "削除" after asking.
void BalanceTab::Command8_Click(Command8Button button)
{
    const dao::Operation operation;  // its waits for the file share one budget
    if (!o::EditModeIsOn())
        return;
    BankAccountBoxes boxes;
    boxes.bank = fromQ(Combo2[0]->currentText());
    boxes.branch = fromQ(Combo2[1]->currentText());
    boxes.kind = fromQ(Combo2[2]->currentText());
    boxes.openingBalance = fromQ(Text3[0]->text());
    std::variant<std::string, BankAccount> checked;
    try {
        // The banks, branches and kinds in use are read from the file: one held
        // or damaged is said by the tab, as a failed write is.
        checked = CheckBankAccountBoxes(boxes, *m_file.BanksInUseRecordset, *m_file.BranchesInUseRecordset,
                                        *m_file.DepositKindRecordset);
    } catch (const dao::DaoError& e) {
        reportFailure("取引銀行を保存できませんでした。取引銀行は元のままです", e);
        return;
    }
    if (const auto* message = std::get_if<std::string>(&checked)) {
        refuse(*message);
        return;
    }
    const BankAccount& account = std::get<BankAccount>(checked);
    std::optional<std::string> refusal;
    try {
        if (button == RegisterBankButton) {
            refusal = RegisterBankAccount(workspace(), database(), account);
        } else if (button == UpdateBankButton) {
            const int line = chosenLine(List7);
            if (line < 0)
                return;
            refusal = UpdateBankAccount(workspace(), database(), shownLine(List7, line), account);
        } else {
            const auto line = chosenRecord(List7, *m_file.BankAccountRecordset, BankAccountKey, kBankAccountWhat,
                                           [this] { refreshBankAccounts(); });
            if (!line)
                return;
            if (ui::dialogs().messageBox(DeleteBankAccountQuestion(*m_file.BankAccountRecordset), ui::Buttons::YesNo,
                                         std::string(kDeleteBankAccountTitle))
                != ui::Answer::Yes)
                return;
            refusal = DeleteBankAccount(workspace(), database(), *line);
        }
    } catch (const std::exception& e) {
        reportFailure("取引銀行を保存できませんでした。取引銀行は元のままです", e);
        refreshAfterFailure([this] { refreshBankAccounts(); });
        return;
    }
    if (refusal) {
        refuse(*refusal);
        if (*refusal == kBankAccountExists)
            return;
    }
    refreshBankAccounts();
}

void BalanceTab::List7_Click()
{
    if (!chosenRecord(List7, *m_file.BankAccountRecordset, BankAccountKey, kBankAccountWhat,
                      [this] { refreshBankAccounts(); }))
        return;
    dao::Recordset& account = *m_file.BankAccountRecordset;
    Combo2[0]->setEditText(toQ(account.get(schema::column::BankName).toText()));
    Combo2[1]->setEditText(toQ(account.get(schema::column::BranchName).toText()));
    Combo2[2]->setEditText(toQ(account.get(schema::column::DepositKind).toText()));
    const dao::Value balance = account.get(schema::column::OpeningBalance);
    Text3[0]->setText(toQ(balance.isNumeric() ? o::FormatNumber(balance.toInt64(), o::kAmount11Mask) : std::string()));
}

// "金融機関台帳": the bank and branch master window, in either edit mode.
void BalanceTab::Command9_Click()
{
    frame::WindowRegistry::instance().show("Form11", "金融機関台帳");
}

}  // namespace setup
