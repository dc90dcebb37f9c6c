#pragma once
// The setup window "会計初期設定": its load (the period file, the recordsets it
// keeps, the era recordset, the caption, the company name; edit mode off).

#include "frame/WorkWindow.h"

#include <memory>

class QLabel;

namespace setup {

class Form31 : public frame::WorkWindow {
    Q_OBJECT
public:
    Form31();   // the load: throws dao::DaoError when the period file cannot be used

    QLabel* Label1() const { return m_label1; }

    std::unique_ptr<dao::Recordset> SettingsRecordset;        // 会計設定
    std::unique_ptr<dao::Recordset> AccountMasterRecordset;   // Q_勘定科目コード表
    std::unique_ptr<dao::Recordset> AccountMaster2Recordset;  // Q_勘定科目コード表２
    std::unique_ptr<dao::Recordset> UsedAccountsRecordset;    // Q_使用勘定科目表
    std::unique_ptr<dao::Recordset> EraCodeRecordset;         // Q_年号コード
    std::unique_ptr<dao::Recordset> BanksInUseRecordset;      // Q_使用銀行
    std::unique_ptr<dao::Recordset> BranchesInUseRecordset;   // Q_使用銀行支店
    std::unique_ptr<dao::Recordset> BankAccountRecordset;     // Q_取引銀行
    std::unique_ptr<dao::Recordset> TemplateRecordset;        // Q_仕訳定型台帳
    std::unique_ptr<dao::Recordset> DepositKindRecordset;     // 預金種別
    std::unique_ptr<dao::Recordset> PartnerRecordset;         // Q_取引先管理
    std::unique_ptr<dao::Recordset> TaxRateRecordset;         // Q_消費税率
    std::unique_ptr<dao::Recordset> FixedAssetRecordset;      // Q_固定資産台帳
    std::unique_ptr<dao::Recordset> LeaseRecordset;           // Q_リース資産管理

private:
    QLabel* m_label1 = nullptr;
};

}  // namespace setup

// Registers "Form31" with the window registry.
void registerSetupWindows();
