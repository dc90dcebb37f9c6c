// The load of the setup window's tabs: their choice lists, then what the
// period file holds, tab by tab.
#include "setup/Form31.h"

#include "common/EditMode.h"

namespace setup {

// ---- choice lists --------------------------------------------------------------

void Form31::FillSetupLists()
{
    m_balanceTab->FillChoices();
    m_templateTab->FillChoices();
    m_partnerTab->FillChoices();
    m_companyTab->FillChoices();
    m_taxTab->FillChoices();

    // Filling a list must not choose an item for the box.
    for (QComboBox* box : findChildren<QComboBox*>())
        box->setEditText(QString());
}

// ---- loading the tabs ------------------------------------------------------------

void Form31::LoadSetupTabs()
{
    o::SetEditMode(o::EditModeOff);
    m_companyTab->Load();
    m_balanceTab->Load();
    m_taxTab->Load();
    m_assetTab->Load();

    m_templateTab->ShowTemplateList();
    m_balanceTab->Option7_Click(m_balanceTab->BalanceColumn());
    m_partnerTab->Load();
    m_assetTab->ShowFixedAssetList();
    m_assetTab->ShowLeaseList();
    m_balanceTab->ShowBankAccountList();
}

}  // namespace setup
