#pragma once
// The closing window "決算処理": its load (the period file, the recordsets it
// keeps, the era recordset, the caption and the title line).

#include "frame/WorkWindow.h"

#include <memory>
#include <string>

class QLabel;

namespace statements {

class Form34 : public frame::WorkWindow {
    Q_OBJECT
public:
    Form34();   // the load: throws dao::DaoError when the period file cannot be used

    QLabel* Label11() const { return m_label11; }
    void ShowClosingTitle(const std::string& title);

    std::unique_ptr<dao::Recordset> SettingsRecordset;        // 会計設定
    std::unique_ptr<dao::Recordset> TaxRateRecordset;         // Q_消費税率 (snapshot)
    std::unique_ptr<dao::Recordset> AccountMasterRecordset;   // Q_勘定科目コード表
    std::unique_ptr<dao::Recordset> UsedAccountsRecordset;    // Q_使用勘定科目表
    std::unique_ptr<dao::Recordset> EraCodeRecordset;         // Q_年号コード
    std::unique_ptr<dao::Recordset> BanksInUseRecordset;      // Q_使用銀行
    std::unique_ptr<dao::Recordset> BranchesInUseRecordset;   // Q_使用銀行支店
    std::unique_ptr<dao::Recordset> BankAccountRecordset;     // Q_取引銀行
    std::unique_ptr<dao::Recordset> ClosingTemplateRecordset; // Q_決算仕訳定型台帳
    std::unique_ptr<dao::Recordset> ClosingJournalRecordset;  // Q_決算仕訳台帳
    std::unique_ptr<dao::Recordset> BankJournalRecordset;     // Q_取引銀行仕訳
    std::unique_ptr<dao::Recordset> PartnerRecordset;         // Q_取引先管理
    std::unique_ptr<dao::Recordset> ChangeHistoryRecordset;   // Q_仕訳変更履歴

private:
    QLabel* m_label11 = nullptr;
};

}  // namespace statements

// Registers "Form34" with the window registry.
void registerStatementsWindows();
