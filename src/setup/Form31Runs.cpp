// The system initialisation of the setup window ("会計システム初期化").
#include "setup/Form31.h"

#include "platform/ui/Dialogs.h"
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
        skipped = setup::InitialiseSystem(*m_file.workspace, *m_file.database, deleteTemplates);
    } catch (const std::exception& e) {
        reportFailure("システムの初期化ができませんでした。期ファイルは初期化の前のままです", e);
        return;
    }
    reopenAfterInitialisation();
    if (deleteTemplates) {
        m_file.reopen(m_file.TemplateRecordset, "Q_仕訳定型台帳");
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

    m_file.reopen(m_file.BankAccountRecordset, "Q_取引銀行");
    clearList(List7);
    Text3[0]->clear();
    Text3[10]->clear();
    QStringList branches, banks;
    if (!m_file.BranchesInUseRecordset->isEmpty())
        for (m_file.BranchesInUseRecordset->MoveFirst(); !m_file.BranchesInUseRecordset->EOF_(); m_file.BranchesInUseRecordset->MoveNext())
            branches << toQ(m_file.BranchesInUseRecordset->get("支店名").toText());
    if (!m_file.BanksInUseRecordset->isEmpty())
        for (m_file.BanksInUseRecordset->MoveFirst(); !m_file.BanksInUseRecordset->EOF_(); m_file.BanksInUseRecordset->MoveNext())
            banks << toQ(m_file.BanksInUseRecordset->get("銀行名").toText());
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

    m_partnerTab->refreshPartners();
    m_assetTab->refreshRegisters();

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
    default: break;
    }
}

}  // namespace setup
