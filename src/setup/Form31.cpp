#include "setup/Form31.h"

#include "common/EditMode.h"
#include "frame/Fonts.h"
#include "frame/WindowRegistry.h"

#include <QLabel>
#include <QVBoxLayout>

namespace setup {

Form31::Form31()
{
    m_label1 = new QLabel(this);
    m_label1->setObjectName("Label1");
    m_label1->setFont(frame::proportionalFont(12));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addStretch();
    resize(640, 480);

    openPeriodFile();
    SettingsRecordset = openRecordset("会計設定");
    AccountMasterRecordset = openRecordset("Q_勘定科目コード表");
    AccountMaster2Recordset = openRecordset("Q_勘定科目コード表２");
    UsedAccountsRecordset = openRecordset("Q_使用勘定科目表");
    EraCodeRecordset = openRecordset("Q_年号コード");
    BanksInUseRecordset = openRecordset("Q_使用銀行");
    BranchesInUseRecordset = openRecordset("Q_使用銀行支店");
    BankAccountRecordset = openRecordset("Q_取引銀行");
    TemplateRecordset = openRecordset("Q_仕訳定型台帳");
    DepositKindRecordset = openRecordset("預金種別");
    PartnerRecordset = openRecordset("Q_取引先管理");
    TaxRateRecordset = openRecordset("Q_消費税率");
    FixedAssetRecordset = openRecordset("Q_固定資産台帳");
    LeaseRecordset = openRecordset("Q_リース資産管理");
    openEraRecordset();
    requireSettingsRow(*SettingsRecordset);
    SetFormCaption(*SettingsRecordset, "会計初期設定");
    m_label1->setText(frame::toQ(SettingsRecordset->get("事業所名").toText()));
    o::SetEditMode(o::EditModeOff);
}

}  // namespace setup

void registerSetupWindows()
{
    frame::WindowRegistry::instance().add("Form31", [] { return static_cast<QWidget*>(new setup::Form31()); });
}
