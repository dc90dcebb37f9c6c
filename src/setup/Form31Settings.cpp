// The choice lists, the loading of the tabs, and the settings row 会計設定 edited
// field by field: tax options, industry and the opening cash.
#include "setup/Form31.h"

#include "common/DateFormat.h"
#include "common/DaysInMonth.h"
#include "common/EraYearText.h"
#include "common/NumberFormat.h"
#include "setup/CompanySettings.h"
#include "setup/SetupControls.h"
#include "setup/TaxRateRows.h"
#include "platform/ui/Dialogs.h"

#include <QButtonGroup>

namespace setup {

using frame::fromQ;
using frame::toQ;
using namespace controls;

namespace {



// Every row's `field` of a recordset, from its first row.
QStringList column(dao::Recordset& rs, const char* field)
{
    QStringList items;
    if (!rs.isEmpty())
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) items << toQ(rs.get(field).toText());
    return items;
}


}  // namespace

// ---- choice lists --------------------------------------------------------------

void Form31::FillSetupLists()
{
    const QStringList banks = column(*m_file.BanksInUseRecordset, "銀行名");
    const QStringList branches = column(*m_file.BranchesInUseRecordset, "支店名");
    Combo2[0]->clear();
    Combo2[0]->addItems(banks);
    Combo2[1]->clear();
    Combo2[1]->addItems(branches);
    m_templateTab->FillChoices();
    Combo2[2]->clear();
    Combo2[2]->addItems(column(*m_file.DepositKindRecordset, "種別"));
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
    dao::Recordset& settings = *m_file.SettingsRecordset;

    m_companyTab->Load();
    UpdateOpeningCash();

    for (QLineEdit* edit : Text5) edit->clear();
    m_option6Group->setExclusive(false);
    for (QRadioButton* option : Option6) option->setChecked(false);
    m_option6Group->setExclusive(true);
    Text3[0]->clear();
    Text3[10]->clear();

    const dao::Value industry = settings.get("業種");
    if (industry.isNumeric() && industry.toInt64() >= 0 && industry.toInt64() < kIndustryCount)
        Option3[static_cast<std::size_t>(industry.toInt64())]->setChecked(true);

    for (QLabel* l : Label6) l->clear();

    m_taxTab->Load();

    m_assetTab->Load();

    m_templateTab->ShowTemplateList();
    Option7_Click(BalanceColumn());
    m_partnerTab->Load();
    m_assetTab->ShowFixedAssetList();
    m_assetTab->ShowLeaseList();
    ShowBankAccountList();
}

bool Form31::storeSetting(const std::string& field, const dao::Value& value)
{
    return storeSettings({{field, value}}, "「" + field + "」");
}

bool Form31::storeSettings(const std::vector<std::pair<std::string, dao::Value>>& fields, const std::string& what)
{
    dao::Recordset& settings = *m_file.SettingsRecordset;
    try {
        settings.Edit();
        for (const auto& [field, value] : fields)
            settings.set(field, value);
        settings.Update();
        return true;
    } catch (const std::exception& e) {
        if (settings.editMode() != dao::EditState::None)
            settings.CancelUpdate();
        reportFailure(what + "を保存できませんでした", e);
        return false;
    }
}

// ---- option buttons ------------------------------------------------------------------------



void Form31::Option3_Click(int index)
{
    if (o::EditModeIsOn()) storeSetting("業種", index);
}



// ---- opening cash ---------------------------------------------------------------------------

void Form31::UpdateOpeningCash()
{
    const auto figures = ComputeOpeningCash(*m_file.AccountMasterRecordset);
    if (!figures) {
        refuse(kOpeningCashOutOfRange);
        return;
    }
    dao::Recordset& settings = *m_file.SettingsRecordset;
    settings.Edit();
    try {
        settings.set("期首現金残高", figures->cash);
        settings.set("期首預金残高", figures->deposits);
        settings.Update();
    } catch (const std::exception& e) {
        settings.CancelUpdate();
        reportFailure("期首現金残高、期首預金残高を保存できませんでした", e);
        return;
    }
    showOpeningCash(*figures);
}

void Form31::showOpeningCash(const OpeningCash& figures)
{
    Text7[1]->setText(toQ(o::FormatNumber(figures.cash, "#,###,###,##0")));
    Text7[2]->setText(toQ(o::FormatNumber(figures.deposits, "#,###,###,##0")));
    Text7[3]->setText(toQ(o::FormatNumber(figures.total, "#,###,###,##0")));
}

}  // namespace setup
