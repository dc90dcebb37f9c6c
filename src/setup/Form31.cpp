// The load of the setup window, its buttons below the tabs and its edit mode.
#include "setup/Form31.h"

#include "frame/WindowRegistry.h"
#include "registers/UniqueBankCodes.h"
#include "platform/ui/Dialogs.h"

namespace setup {

using frame::toQ;

// ---- load ----------------------------------------------------------------------

Form31::Form31()
{
    buildControls();
    openPeriodFile();
    m_file.workspace = o::DbWorkspace;
    m_file.database = o::CompanyDb;
    m_file.SettingsRecordset = openRecordset("会計設定");
    m_file.AccountMasterRecordset = openRecordset("Q_勘定科目コード表");
    m_file.AccountMaster2Recordset = openRecordset("Q_勘定科目コード表２");
    m_file.UsedAccountsRecordset = openRecordset("Q_使用勘定科目表");
    m_file.EraCodeRecordset = openRecordset("Q_年号コード");
    m_file.BanksInUseRecordset = openRecordset("Q_使用銀行");
    m_file.BranchesInUseRecordset = openRecordset("Q_使用銀行支店");
    m_file.BankAccountRecordset = openRecordset("Q_取引銀行");
    m_file.TemplateRecordset = openRecordset("Q_仕訳定型台帳");
    m_file.DepositKindRecordset = openRecordset("預金種別");
    m_file.PartnerRecordset = openRecordset("Q_取引先管理");
    m_file.TaxRateRecordset = openRecordset("Q_消費税率");
    m_file.FixedAssetRecordset = openRecordset("Q_固定資産台帳");
    m_file.LeaseRecordset = openRecordset("Q_リース資産管理");
    openEraRecordset();
    requireSettingsRow(*m_file.SettingsRecordset);
    // A damaged value of the chart, the rates or the registers is refused here,
    // before the load stores the opening cash.
    for (dao::Recordset* rows : {m_file.SettingsRecordset.get(), m_file.AccountMasterRecordset.get(),
                                 m_file.TaxRateRecordset.get(), m_file.FixedAssetRecordset.get(),
                                 m_file.BankAccountRecordset.get(), m_file.LeaseRecordset.get()})
        requireReadableRows(*rows);
    registers::RequireUniqueBankCodes(*m_file.database);
    SetFormCaption("会計初期設定");
    showCompanyName();
    FillSetupLists();
    LoadSetupTabs();
    m_templateTab->ClearEntry();
    // Loading leaves edit mode off; the inputs show it whether or not it was on before.
    editModeChanged(o::EditModeIsOn());
}

Form31::~Form31() = default;

void Form31::SetFormCaption(const std::string& title)
{
    frame::WorkWindow::SetFormCaption(*m_file.SettingsRecordset, title);
}

void Form31::showCompanyName()
{
    Label1->setText(toQ(m_file.SettingsRecordset->get("事業所名").toText()));
}

// ---- the buttons below the tabs ---------------------------------------------------

void Form31::Command5_Click(Command5Button button)
{
    switch (button) {
    case EditButton:
        if (o::EditModeIsOn()) {
            o::SetEditMode(o::EditModeOff);
        } else {
            o::SetEditMode(o::EditModeOn);
            EnableAllGroups();
        }
        break;
    case CloseButton: close(); break;
    case InitialiseButton: InitialiseSystem(); break;
    default: break;
    }
}

// ---- edit mode --------------------------------------------------------------------

void Form31::editModeChanged(bool on)
{
    Command5[EditButton]->setText(on ? "編集解除" : "編集");
    for (SetupTab* tab : m_tabs)
        tab->setInputsUsable(on);
}

void Form31::EnableAllGroups()
{
    for (SetupTab* tab : m_tabs)
        tab->setInputsUsable(o::EditModeIsOn());
}

// ---- the lists' lines -------------------------------------------------------------

const std::vector<std::string>& Form31::lineKeys(const QListWidget* list) const
{
    for (const SetupTab* tab : m_tabs)
        if (!tab->lineKeys(list).empty())
            return tab->lineKeys(list);
    static const std::vector<std::string> none;
    return none;
}

const std::vector<std::string>& Form31::lineFingerprints(const QListWidget* list) const
{
    for (const SetupTab* tab : m_tabs)
        if (!tab->lineFingerprints(list).empty())
            return tab->lineFingerprints(list);
    static const std::vector<std::string> none;
    return none;
}

// ---- messages ---------------------------------------------------------------------

void Form31::refuse(const std::string& message)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(message, ui::Buttons::Ok);
}

void Form31::reportFailure(const std::string& what, const std::exception& e)
{
    ui::dialogs().beep();
    ui::dialogs().messageBox(what + "\n" + e.what(), ui::Buttons::Ok);
}

}  // namespace setup

void registerSetupWindows()
{
    frame::WindowRegistry::instance().add("Form31", [] { return static_cast<QWidget*>(new setup::Form31()); });
}
