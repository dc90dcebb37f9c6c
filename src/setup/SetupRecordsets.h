#pragma once
// The period file as the setup window holds it: its connection and the
// recordsets its tabs read, opened at load in this order. Every tab reads the
// chart, the settings row and the registers through the same recordsets, so
// that a tab's own write, after which it opens the recordset again, is what
// every other tab compares its lines with.

#include "platform/dao/Engine.h"

#include <memory>
#include <string>

namespace setup {

struct SetupRecordsets {
    std::shared_ptr<dao::Workspace> workspace;
    std::shared_ptr<dao::Database> database;

    std::unique_ptr<dao::Recordset> SettingsRecordset;       // 会計設定
    std::unique_ptr<dao::Recordset> AccountMasterRecordset;  // Q_勘定科目コード表
    std::unique_ptr<dao::Recordset> AccountMaster2Recordset;  // "Q_勘定科目コード表２" (later Q_勘定科目コード表2)
    std::unique_ptr<dao::Recordset> UsedAccountsRecordset;   // Q_使用勘定科目表
    std::unique_ptr<dao::Recordset> EraCodeRecordset;        // Q_年号コード
    std::unique_ptr<dao::Recordset> BanksInUseRecordset;     // Q_使用銀行
    std::unique_ptr<dao::Recordset> BranchesInUseRecordset;  // Q_使用銀行支店
    std::unique_ptr<dao::Recordset> BankAccountRecordset;    // Q_取引銀行
    std::unique_ptr<dao::Recordset> TemplateRecordset;       // Q_仕訳定型台帳
    std::unique_ptr<dao::Recordset> DepositKindRecordset;    // 預金種別
    std::unique_ptr<dao::Recordset> PartnerRecordset;        // Q_取引先管理
    std::unique_ptr<dao::Recordset> TaxRateRecordset;        // Q_消費税率
    std::unique_ptr<dao::Recordset> FixedAssetRecordset;     // Q_固定資産台帳
    std::unique_ptr<dao::Recordset> LeaseRecordset;          // Q_リース資産管理

    // Opens `source` again into `member`. The new recordset is opened first:
    // when the file cannot be read (another program holds it), the window
    // keeps the one it has.
    void reopen(std::unique_ptr<dao::Recordset>& member, const std::string& source);
    // The chart's three recordsets opened again.
    void reopenChart();
};

}  // namespace setup
