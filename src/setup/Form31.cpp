// The load of the setup window, its buttons below the tabs and its edit mode.
#include "setup/Form31.h"
#include "periodfile/SchemaNames.h"

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
    m_file.SettingsRecordset = openRecordset(schema::table::Settings);
    m_file.AccountMasterRecordset = openRecordset(schema::query::Chart);
    m_file.AccountMaster2Recordset = openRecordset(schema::query::CreditChartWide);
    m_file.UsedAccountsRecordset = openRecordset(schema::query::UsedAccounts);
    m_file.EraCodeRecordset = openRecordset(schema::query::Eras);
    m_file.BanksInUseRecordset = openRecordset(schema::query::UsedBanks);
    m_file.BranchesInUseRecordset = openRecordset(schema::query::UsedBranches);
    m_file.BankAccountRecordset = openRecordset(schema::query::BankAccounts);
    m_file.TemplateRecordset = openRecordset(schema::query::Templates);
    m_file.DepositKindRecordset = openRecordset(schema::table::DepositKinds);
    m_file.PartnerRecordset = openRecordset(schema::query::Partners);
    m_file.TaxRateRecordset = openRecordset(schema::query::TaxRates);
    m_file.FixedAssetRecordset = openRecordset(schema::query::FixedAssets);
    m_file.LeaseRecordset = openRecordset(schema::query::Leases);
    openEraRecordset();
    requireSettingsRow(*m_file.SettingsRecordset);
    // A damaged value of the chart, the rates or the registers is refused here,
    // before the load stores the opening cash.
    for (dao::Recordset* rows :
         {m_file.SettingsRecordset.get(), m_file.AccountMasterRecordset.get(), m_file.TaxRateRecordset.get(),
          m_file.FixedAssetRecordset.get(), m_file.BankAccountRecordset.get(), m_file.LeaseRecordset.get()})
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
    Label1->setText(toQ(m_file.SettingsRecordset->get(schema::column::CompanyName).toText()));
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
