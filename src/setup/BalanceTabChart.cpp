// The chart of accounts of the tab "期首残高設定": its two lists, the edit row of
// an account with its register, update and delete, and the industry account sets.
#include "setup/BalanceTab.h"
#include "periodfile/SchemaNames.h"
#include "common/NumberMasks.h"

#include "common/EditMode.h"
#include "common/NumberFormat.h"
#include "frame/WorkWindow.h"
#include "journal/AmountRange.h"
#include "setup/AccountLists.h"
#include "setup/AccountRegister.h"
#include "setup/CompanySettings.h"
#include "setup/IndustrySets.h"
#include "setup/SetupTax.h"
#include "setup/TaxRateRows.h"
#include "platform/ui/Dialogs.h"

namespace setup {

using frame::fromQ;
using frame::toQ;

namespace {

constexpr const char* kChooseAccount = "勘定科目をリストから選択してください";

std::string AccountCode(const dao::Recordset& rs)
{
    return rs.get(schema::column::AccountCode).toText();
}

// A refusal that means the list no longer shows the chart as it is.
bool IsStaleAccountRefusal(const std::string& refusal)
{
    return refusal == kAccountChanged || refusal == kAccountVanished;
}

}  // namespace

struct BalanceTab::AccountRow {
    std::string code;
    int line = -1;
    ShownLine shown;  // what the line showed of the account
};

// ---- the lists ---------------------------------------------------------------------

int BalanceTab::BalanceColumn() const
{
    for (int i = 0; i < kBalanceColumnCount; ++i)
        if (Option7[i]->isChecked())
            return i;
    return -1;
}

void BalanceTab::Option7_Click(int index)
{
    const int column = BalanceColumn();
    Label15->setText(toQ(BalanceColumnHeading(column >= 0 ? column : index)));
    ShowMasterAccountList();
    ShowUsedAccountList();
}

void BalanceTab::ShowMasterAccountList()
{
    const o::EditModeSuspended editModeOff;
    const int column = BalanceColumn();
    fillList(List2, *m_file.AccountMasterRecordset, AccountComparedFields(column), [column](dao::Recordset& rs) {
        return std::pair{AccountListLine(rs, column, true), AccountCode(rs)};
    });
}

void BalanceTab::ShowUsedAccountList()
{
    const o::EditModeSuspended editModeOff;
    const int column = BalanceColumn();
    fillList(List3, *m_file.UsedAccountsRecordset, AccountComparedFields(column), [column](dao::Recordset& rs) {
        return std::pair{AccountListLine(rs, column, false), rs.get(schema::column::AccountCode).toText()};
    });
}

// The account of the chosen master line, found again by its code; refused (and
// the lists read again) when it vanished or holds anything else than when its
// line was shown. The writes check the same again inside their transaction.
std::optional<BalanceTab::AccountRow> BalanceTab::selectedAccount()
{
    const int line = List2->currentRow();
    const auto& keys = lineKeys(List2);
    if (line < 0 || line >= static_cast<int>(keys.size()) || List2->selectedItems().isEmpty())
        return std::nullopt;
    const ShownLine shown = shownLine(List2, line);
    const ShownState state = LocateShownRecord(*m_file.AccountMasterRecordset, AccountCode, shown);
    if (state != ShownState::Unchanged) {
        rereadChart(state == ShownState::Changed ? kAccountChanged : kAccountVanished);
        return std::nullopt;
    }
    return AccountRow{keys[line], line, shown};
}

void BalanceTab::rereadChart(const std::string& refusal)
{
    refuse(refusal);
    m_file.reopenChart();
    refreshChartLists(-1);
}

void BalanceTab::List2_Click()
{
    if (List2->selectedItems().isEmpty())
        return;
    const auto account = selectedAccount();
    if (!account)
        return;
    dao::Recordset& master = *m_file.AccountMasterRecordset;
    const std::string code = master.get(schema::column::AccountCode).toText();
    if (!code.empty())
        Text5[0]->setText(toQ(code));
    const bool locked = master.get(schema::column::NameFixed).toBool();
    Text5[1]->setEnabled(!locked);
    QPalette palette = Text5[1]->palette();
    palette.setColor(QPalette::Base, locked ? palette.color(QPalette::Button) : QColor(Qt::white));
    Text5[1]->setPalette(palette);
    Text5[1]->setText(toQ(master.get(schema::column::AccountName).toText()));
    const int column = BalanceColumn();
    if (column >= 0) {
        const dao::Value balance = master.get(std::string(kBalanceColumns[column]));
        Text5[2]->setText(toQ(o::FormatNumber(balance.isNumeric() ? balance.toInt64() : 0, o::kAmountMask)));
    }
    const dao::Value side = master.get(schema::column::DebitCredit);
    Option6[side.isNumeric() && side.toInt64() == 0 ? 0 : 1]->setChecked(true);
    Check2[2]->setChecked(master.get(schema::column::NeedsCounterpart).toBool());
    Check2[1]->setChecked(master.get(schema::column::Taxable).toBool());
    Check2[3]->setChecked(master.get(schema::column::SimplifiedTax).toBool());
    Check2[0]->setChecked(master.get(schema::column::InUse).toBool());
    Label6[0]->setText(toQ(master.get(schema::column::MajorClass).toText() + " "
                           + master.get(schema::column::MiddleClass).toText() + " "
                           + master.get(schema::column::MinorClass).toText()));
    Label6[1]->setText(toQ(master.get(schema::column::Contents).toText()));
}

// Leaving the code box wants exactly three ASCII digits; the amount box a number
// (one other than 0 ticks "使用").
void BalanceTab::Text5_LostFocus(int index)
{
    if (!o::EditModeIsOn() || index < 0 || index > 2 || Text5[index]->text().isEmpty()
        || List2->selectedItems().isEmpty())
        return;
    const std::string text = fromQ(Text5[index]->text());
    if (index == 0 && !IsAccountCode(text)) {
        ui::dialogs().beep();
        Text5[0]->setFocus();
    } else if (index == 2) {
        const journal::AmountText amount = journal::ReadAmountText(text);
        if (amount.kind != journal::AmountText::Kind::Amount) {
            ui::dialogs().beep();
            Text5[2]->setFocus();
            return;
        }
        if (amount.amount != 0)
            Check2[0]->setChecked(true);
    }
}

// ---- register, update, delete ----------------------------------------------------------

void BalanceTab::Command2_Click(Command2Button button)
{
    if (!o::EditModeIsOn()) {
        ui::dialogs().beep();
        return;
    }
    if (List2->selectedItems().isEmpty()) {
        refuse(kChooseAccount);
        return;
    }
    const dao::Operation operation;  // its waits for the file share one budget
    const int line = List2->currentRow();
    try {
        const auto account = selectedAccount();
        if (!account)
            return;
        switch (button) {
        case RegisterAccountButton: registerAccount(account->code, account->line); break;
        case UpdateAccountButton: updateAccount(*account); break;
        case DeleteAccountButton: deleteAccount(*account); break;
        default: break;
        }
    } catch (const std::exception& e) {
        reportFailure("勘定科目を保存できませんでした。勘定科目表は元のままです", e);
        refreshAfterFailure([&] {
            m_file.reopenChart();
            refreshChartLists(line);
        });
    }
}

namespace {

// The edit row's amount; nullopt after saying why it cannot be stored.
std::optional<std::int32_t> editRowAmount(const std::string& text,
                                          const std::function<void(const std::string&)>& refuse)
{
    const journal::AmountText amount = journal::ReadAmountText(text);
    if (amount.kind == journal::AmountText::Kind::OutOfRange) {
        refuse(journal::kAmountOutOfRangeMessage);
        return std::nullopt;
    }
    if (amount.kind != journal::AmountText::Kind::Amount) {
        refuse("金額欄が数値でありません");
        return std::nullopt;
    }
    return amount.amount;
}

}  // namespace

// The account as the edit row shows it: the name, the amount into the balance
// column chosen by Option7, the side and the flags.
AccountEdit BalanceTab::editRowAccount(const std::string& code, std::int32_t amount) const
{
    AccountEdit edit;
    edit.code = code;
    edit.name = fromQ(Text5[1]->text());
    edit.amount = amount;
    edit.column = std::max(BalanceColumn(), 0);
    edit.side = Option6[0]->isChecked() ? 0 : 1;
    edit.bothSides = Check2[2]->isChecked();
    edit.inUse = Check2[0]->isChecked();
    edit.taxable = Check2[1]->isChecked();
    edit.simplified = Check2[3]->isChecked();
    return edit;
}

void BalanceTab::registerAccount(const std::string& modelCode, int reselect)
{
    const std::string code = fromQ(Text5[0]->text());
    if (Text5[2]->text().isEmpty() || code.empty()) {
        ui::dialogs().beep();
        return;
    }
    if (!IsAccountCode(code)) {
        refuse("勘定科目コードが正しくありません");
        return;
    }
    const auto amount = editRowAmount(fromQ(Text5[2]->text()), [this](const std::string& m) { refuse(m); });
    if (!amount)
        return;
    if (AccountCodeExists(database(), code)) {
        refuse(kAccountCodeTaken);
        return;
    }
    if (ui::dialogs().messageBox("指定した勘定科目を登録します　よろしいですか？", ui::Buttons::YesNo,
                                 std::string("勘定科目登録"))
        != ui::Answer::Yes)
        return;
    if (const auto refusal = RegisterAccount(workspace(), database(), editRowAccount(code, *amount), modelCode)) {
        refuse(*refusal);
        return;
    }
    m_file.reopenChart();
    refreshChartLists(reselect);
}

void BalanceTab::updateAccount(const AccountRow& account)
{
    const std::string& code = account.code;
    const std::string typed = fromQ(Text5[0]->text());
    if (Text5[2]->text().isEmpty() || typed.empty() || !IsAccountCode(typed)) {
        ui::dialogs().beep();
        return;
    }
    if (typed != code) {
        refuse("勘定科目コードは変更できません");
        return;
    }
    const auto amount = editRowAmount(fromQ(Text5[2]->text()), [this](const std::string& m) { refuse(m); });
    if (!amount)
        return;
    if (const auto refusal = UpdateAccount(workspace(), database(), account.shown, editRowAccount(code, *amount))) {
        IsStaleAccountRefusal(*refusal) ? rereadChart(*refusal) : refuse(*refusal);
        return;
    }
    m_file.reopenChart();
    refreshListsNamingAccounts();
    if (const auto figures = ComputeOpeningCash(*m_file.AccountMasterRecordset))
        showOpeningCash(*figures);
    refreshChartLists(account.line);
}

void BalanceTab::deleteAccount(const AccountRow& account)
{
    const std::string& code = account.code;
    if (const auto refusal = AccountDeleteRefusal(database(), code)) {
        refuse(*refusal);
        return;
    }
    if (ui::dialogs().messageBox("選択した勘定科目を削除します　よろしいですか？", ui::Buttons::YesNo,
                                 std::string("勘定科目削除"))
        != ui::Answer::Yes)
        return;
    if (const auto refusal = DeleteAccount(workspace(), database(), code, account.shown)) {
        IsStaleAccountRefusal(*refusal) ? rereadChart(*refusal) : refuse(*refusal);
        return;
    }
    m_file.reopenChart();
    emit accountDeleted();
    refreshChartLists(account.line);
}

// The lists that show accounts or deposit kinds by name, shown again after the
// window's own change of the chart: what their lines are compared with when
// chosen is then what they show, not taken for another program's change.
void BalanceTab::refreshListsNamingAccounts()
{
    emit accountNamesChanged();
    refreshBankAccounts();
    m_file.reopen(m_file.DepositKindRecordset, "預金種別");
    const QString kind = Combo2[2]->currentText();
    Combo2[2]->clear();
    dao::Recordset& kinds = *m_file.DepositKindRecordset;
    if (!kinds.isEmpty())
        for (kinds.MoveFirst(); !kinds.EOF_(); kinds.MoveNext())
            Combo2[2]->addItem(toQ(kinds.get(schema::column::DepositKind).toText()));
    Combo2[2]->setEditText(kind);
}

// Refills both lists and chooses the line `reselect` again (the last line when
// the list became shorter), which loads that account into the edit row.
void BalanceTab::refreshChartLists(int reselect)
{
    ShowMasterAccountList();
    ShowUsedAccountList();
    if (reselect < 0 || List2->count() == 0)
        return;
    List2->setCurrentRow(std::min(reselect, List2->count() - 1));
}

void BalanceTab::CopyAccountMaster()
{
    try {
        setup::CopyAccountMaster(workspace(), database());
    } catch (const std::exception& e) {
        reportFailure("勘定科目表の複写を作れませんでした。元のままです", e);
    }
    m_file.reopenChart();
    ShowMasterAccountList();
    ShowUsedAccountList();
}

// ---- Command4: the industry sets ---------------------------------------

int BalanceTab::selectedIndustry() const
{
    for (int i = 0; i < kIndustryCount; ++i)
        if (Option3[i]->isChecked())
            return i;
    return 0;
}

void BalanceTab::Command4_Click(Command4Button button)
{
    const dao::Operation operation;  // its waits for the file share one budget
    if (!o::EditModeIsOn()) {
        ui::dialogs().beep();
        return;
    }
    copyIndustry(button);
}

void BalanceTab::copyIndustry(Command4Button button)
{
    const char* question = button == CopyMasterToIndustryButton
        ? "マスター台帳を業種別勘定科目へ複写します　よろしいですか？"
        : "業種別勘定科目名をマスター台帳へ複写します　よろしいですか？";
    if (ui::dialogs().messageBox(question, ui::Buttons::YesNo, std::string("業種別勘定科目設定")) != ui::Answer::Yes)
        return;
    try {
        if (button == CopyMasterToIndustryButton) {
            CopyMasterToIndustry(workspace(), database(), selectedIndustry());
        } else if (const auto refusal = CopyIndustryToMaster(workspace(), database(), selectedIndustry())) {
            refuse(*refusal);
            return;
        }
    } catch (const std::exception& e) {
        reportFailure("業種別勘定科目を複写できませんでした。勘定科目表は元のままです", e);
        refreshAfterFailure([&] { showCopiedChart(button); });
        return;
    }
    showCopiedChart(button);
}

// The chart as it is after a copy between the master and an industry's names.
void BalanceTab::showCopiedChart(Command4Button button)
{
    m_file.reopenChart();
    if (button == CopyIndustryToMasterButton)
        refreshListsNamingAccounts();  // the master took the industry's names
    ShowMasterAccountList();
    ShowUsedAccountList();
}

}  // namespace setup
