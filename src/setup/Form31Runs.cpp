// The runs of the setup window: the system initialisation ("会計システム初期化")
// and the print run of the tab "帳票印刷".
#include "setup/Form31.h"

#include "platform/printing/Printer.h"
#include "platform/ui/Dialogs.h"
#include "setup/SetupPrintRun.h"
#include "setup/SystemInitialisation.h"

namespace setup {

using frame::toQ;

// ---- system initialisation -------------------------------------------------------

// Both questions come before anything is written; the whole reset is one
// transaction, so a failure leaves the file as it was and says so.
void Form31::InitialiseSystem()
{
    const std::string title = "システム初期化";
    if (ui::dialogs().messageBox("会計システムの初期化を行いますが、よろしいですか？", ui::Buttons::YesNo, title)
        != ui::Answer::Yes)
        return;
    const bool deleteTemplates =
        ui::dialogs().messageBox("定型仕訳を削除しますか？", ui::Buttons::YesNo, title) == ui::Answer::Yes;
    std::vector<std::string> skipped;
    try {
        skipped = setup::InitialiseSystem(*m_workspace, *m_database, deleteTemplates);
    } catch (const std::exception& e) {
        reportFailure("システムの初期化ができませんでした。期ファイルは初期化の前のままです", e);
        return;
    }
    reopenAfterInitialisation();
    if (deleteTemplates) {
        reopen(TemplateRecordset, "Q_仕訳定型台帳");
        clearList(List1);
    }
    if (!skipped.empty()) {
        std::string rows;
        for (const std::string& row : skipped)
            rows += "\n" + row;
        refuse("次の支店は取引銀行を作成しませんでした。金融機関台帳を確かめてください" + rows);
    }
    ui::dialogs().messageBox("システムの初期化は終了しました", ui::Buttons::Ok);
}

void Form31::reopenAfterInitialisation()
{
    reopenChart();
    ShowMasterAccountList();
    ShowUsedAccountList();

    reopen(BankAccountRecordset, "Q_取引銀行");
    clearList(List7);
    Text3[0]->clear();
    Text3[10]->clear();
    QStringList branches, banks;
    if (!BranchesInUseRecordset->isEmpty())
        for (BranchesInUseRecordset->MoveFirst(); !BranchesInUseRecordset->EOF_(); BranchesInUseRecordset->MoveNext())
            branches << toQ(BranchesInUseRecordset->get("支店名").toText());
    if (!BanksInUseRecordset->isEmpty())
        for (BanksInUseRecordset->MoveFirst(); !BanksInUseRecordset->EOF_(); BanksInUseRecordset->MoveNext())
            banks << toQ(BanksInUseRecordset->get("銀行名").toText());
    Combo2[1]->clear();
    Combo2[1]->addItems(branches);
    for (int row = 0; row < journal::kGridRows; ++row) {
        const QString bank = m_grid->Combo8[row]->currentText();
        const QString branch = m_grid->Combo9[row]->currentText();
        m_grid->Combo8[row]->clear();
        m_grid->Combo8[row]->addItems(banks);
        m_grid->Combo8[row]->setEditText(bank);
        m_grid->Combo9[row]->clear();
        m_grid->Combo9[row]->addItems(branches);
        m_grid->Combo9[row]->setEditText(branch);
    }
    ShowBankAccountList();

    reopen(PartnerRecordset, "Q_取引先管理");
    reopen(FixedAssetRecordset, "Q_固定資産台帳");
    reopen(LeaseRecordset, "Q_リース資産管理");
    ShowPartnerList();
    ShowFixedAssetList();
    ShowLeaseList();

    for (QComboBox* box : Combo2) box->setEditText(QString());
    Text3[0]->setText("0");
}

// ---- Command1 ------------------------------------------------------------------------

void Form31::Command1_Click(int index)
{
    const dao::Operation operation;   // its waits for the file share one budget
    switch (index) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 7: templateButton(index); break;
    case 6: printSetupLists(); break;
    default: break;
    }
}

void Form31::printSetupLists()
{
    if (ui::dialogs().messageBox("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Buttons::YesNo,
                                 std::string("会計初期設定"))
        != ui::Answer::Yes)
        return;
    SetupPrintSources sources;
    sources.settings = SettingsRecordset.get();
    sources.accountMaster = AccountMasterRecordset.get();
    sources.accountMaster2 = AccountMaster2Recordset.get();
    sources.usedAccounts = UsedAccountsRecordset.get();
    sources.banksInUse = BanksInUseRecordset.get();
    sources.branchesInUse = BranchesInUseRecordset.get();
    sources.bankAccounts = BankAccountRecordset.get();
    sources.templates = TemplateRecordset.get();
    sources.depositKinds = DepositKindRecordset.get();
    sources.partners = PartnerRecordset.get();
    sources.taxRates = TaxRateRecordset.get();
    sources.fixedAssets = FixedAssetRecordset.get();
    sources.leases = LeaseRecordset.get();
    std::array<bool, kSetupPrintoutCount> ticked{};
    for (int i = 0; i < kSetupPrintoutCount; ++i)
        ticked[i] = Check1[i]->isChecked();
    try {
        if (!RunSetupPrintouts(printing::printer(), sources, ticked))
            ui::dialogs().messageBox("印刷する帳票が選択されていません", ui::Buttons::Ok);
    } catch (const std::exception& e) {
        reportFailure("印刷できませんでした", e);
    }
}

}  // namespace setup
