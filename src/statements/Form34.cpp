#include "statements/Form34.h"

#include "common/DateFormat.h"
#include "common/FormCaption.h"
#include "frame/Fonts.h"
#include "frame/WindowRegistry.h"

#include <QLabel>
#include <QVBoxLayout>

namespace statements {

Form34::Form34()
{
    m_label11 = new QLabel(this);
    m_label11->setObjectName("Label11");
    m_label11->setFont(frame::proportionalFont(12));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label11);
    layout->addStretch();
    resize(640, 480);

    openPeriodFile();
    using dao::RecordsetType;
    SettingsRecordset = openRecordset("会計設定");
    TaxRateRecordset = openRecordset("Q_消費税率", RecordsetType::Snapshot);
    AccountMasterRecordset = openRecordset("Q_勘定科目コード表");
    UsedAccountsRecordset = openRecordset("Q_使用勘定科目表");
    EraCodeRecordset = openRecordset("Q_年号コード");
    BanksInUseRecordset = openRecordset("Q_使用銀行");
    BranchesInUseRecordset = openRecordset("Q_使用銀行支店");
    BankAccountRecordset = openRecordset("Q_取引銀行");
    ClosingTemplateRecordset = openRecordset("Q_決算仕訳定型台帳");
    ClosingJournalRecordset = openRecordset("Q_決算仕訳台帳");
    BankJournalRecordset = openRecordset("Q_取引銀行仕訳");
    PartnerRecordset = openRecordset("Q_取引先管理");
    ChangeHistoryRecordset = openRecordset("Q_仕訳変更履歴");
    openEraRecordset();
    requireSettingsRow(*SettingsRecordset);
    ShowClosingTitle("決算処理");
}

void Form34::ShowClosingTitle(const std::string& title)
{
    dao::Recordset& settings = *SettingsRecordset;
    SetCaption(o::FormCaption(settings.get("事業所名"), settings.get("会計年度"), title));
    m_label11->setText(frame::toQ(settings.get("事業所名").toText() + " 第" + settings.get("会計年度").toText()
                                  + "期　自" + o::FormatDate(settings.get("会計期間開始日"), o::kLabelDate)
                                  + "　至" + o::FormatDate(settings.get("会計期間終了日"), o::kLabelDate)));
}

}  // namespace statements

void registerStatementsWindows()
{
    frame::WindowRegistry::instance().add("Form34", [] { return static_cast<QWidget*>(new statements::Form34()); });
}
