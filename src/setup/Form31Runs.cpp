// The system initialisation of the setup window ("会計システム初期化").
#include "setup/Form31.h"

#include "platform/ui/Dialogs.h"
#include "setup/SystemInitialisation.h"

namespace setup {

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
    InitialisedSystem done;
    try {
        done = setup::InitialiseSystem(*m_file.workspace, *m_file.database, deleteTemplates);
    } catch (const std::exception& e) {
        reportFailure("システムの初期化ができませんでした。期ファイルは初期化の前のままです", e);
        return;
    }
    reopenAfterInitialisation(done.openingCash);
    if (deleteTemplates) {
        m_file.reopen(m_file.TemplateRecordset, "Q_仕訳定型台帳");
        m_templateTab->clearTemplateList();
    }
    if (!done.skippedBranches.empty()) {
        std::string rows;
        for (const std::string& row : done.skippedBranches)
            rows += "\n" + row;
        refuse("次の支店は取引銀行を作成しませんでした。金融機関台帳を確かめてください" + rows);
    }
    ui::dialogs().messageBox("システムの初期化は終了しました", ui::Buttons::Ok);
}

void Form31::reopenAfterInitialisation(const OpeningCash& openingCash)
{
    m_balanceTab->reloadAfterInitialisation(openingCash);
    m_templateTab->RefillBankLists();
    m_partnerTab->refreshPartners();
    m_assetTab->refreshRegisters();
}

}  // namespace setup
