#include "setup/PrintTab.h"

#include "platform/printing/Printer.h"
#include "platform/ui/Dialogs.h"
#include "setup/SetupControls.h"
#include "setup/SetupPrintRun.h"

#include <QVBoxLayout>

namespace setup {

using namespace controls;

PrintTab::PrintTab(SetupRecordsets& file, frame::CellExitGuard& cellExits) : SetupTab(file, cellExits)
{
    auto* layout = new QVBoxLayout(this);
    static const char* const captions[10] = {"会社基本情報、期首残高、銀行、消費税設定",
                                             "定型仕訳一覧表",
                                             "勘定科目一覧表（マスター台帳 ）",
                                             "使用勘定科目一覧表",
                                             "取引先一覧表",
                                             "固定資産台帳",
                                             "リース物件台帳",
                                             "勘定科目（マスター台帳 ）の説明文",
                                             "使用勘定科目説明文",
                                             "業種別勘定科目"};
    for (int i = 0; i < 10; ++i) {
        Check1[i] = new QCheckBox(captions[i]);
        Check1[i]->setObjectName(indexed("Check1", i));
        layout->addWidget(Check1[i]);
    }
    Check4 = new QCheckBox("全て選択");
    Check4->setObjectName("Check4");
    connect(Check4, &QCheckBox::clicked, this, [this] { Check4_Click(); });
    layout->addSpacing(10);
    layout->addWidget(Check4);
    Command1[Print] = button("印刷", "Command1(6)");
    connect(Command1[Print], &QPushButton::clicked, this, [this] { Command1_Click(Print); });
    layout->addSpacing(10);
    layout->addWidget(Command1[Print], 0, Qt::AlignLeft);
    layout->addStretch();
}

void PrintTab::Check4_Click()
{
    for (QCheckBox* box : Check1)
        box->setChecked(Check4->isChecked());
}

void PrintTab::Command1_Click(Command1Button button)
{
    const dao::Operation operation;  // its waits for the file share one budget
    if (button == Print)
        printSetupLists();
}

void PrintTab::printSetupLists()
{
    if (ui::dialogs().messageBox("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Buttons::YesNo,
                                 std::string("会計初期設定"))
        != ui::Answer::Yes)
        return;
    SetupPrintSources sources;
    sources.settings = m_file.SettingsRecordset.get();
    sources.accountMaster = m_file.AccountMasterRecordset.get();
    sources.accountMaster2 = m_file.AccountMaster2Recordset.get();
    sources.usedAccounts = m_file.UsedAccountsRecordset.get();
    sources.banksInUse = m_file.BanksInUseRecordset.get();
    sources.branchesInUse = m_file.BranchesInUseRecordset.get();
    sources.bankAccounts = m_file.BankAccountRecordset.get();
    sources.templates = m_file.TemplateRecordset.get();
    sources.depositKinds = m_file.DepositKindRecordset.get();
    sources.partners = m_file.PartnerRecordset.get();
    sources.taxRates = m_file.TaxRateRecordset.get();
    sources.fixedAssets = m_file.FixedAssetRecordset.get();
    sources.leases = m_file.LeaseRecordset.get();
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
