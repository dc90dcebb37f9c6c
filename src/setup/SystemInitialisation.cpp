#include "setup/SystemInitialisation.h"

#include "periodfile/SchemaNames.h"
#include "setup/AccountBalanceFields.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "registers/BankMasterRows.h"

#include <optional>

namespace setup {

namespace {

void deleteEveryRow(dao::Database& db, const char* source)
{
    auto rs = db.OpenRecordset(source, dao::RecordsetType::Dynaset);
    if (rs->isEmpty())
        return;
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext())
        rs->Delete();
}

void zeroBalances(dao::Database& db)
{
    auto chart = db.OpenRecordset(schema::query::Chart, dao::RecordsetType::Dynaset);
    if (chart->isEmpty())
        return;
    for (chart->MoveFirst(); !chart->EOF_(); chart->MoveNext()) {
        chart->Edit();
        for (const char* field : kAccountBalanceFields)
            chart->set(field, 0);
        chart->Update();
    }
}

// Why a branch in use gets no bank account: its bank or the branch itself is
// missing from the masters. nullopt when both are there.
std::optional<std::string> missingMaster(dao::Database& db, const std::string& bankCode, const std::string& branchCode,
                                         const std::string& branchName)
{
    const std::string branch =
        "支店「" + (branchName.empty() ? branchCode : branchName) + "」（支店コード " + branchCode + "）";
    if (branchCode.empty() || !registers::FindBranchByCode(db, branchCode))
        return branch + "は支店マスターにありません";
    if (bankCode.empty() || !registers::FindBankByCode(db, bankCode))
        return branch + "の銀行（銀行コード " + bankCode + "）が銀行マスターにありません";
    return std::nullopt;
}

std::vector<std::string> rebuildBankAccounts(dao::Database& db)
{
    std::vector<std::string> skipped;
    deleteEveryRow(db, "Q_取引銀行");
    auto accounts = db.OpenRecordset(schema::query::BankAccounts, dao::RecordsetType::Dynaset);
    auto branches = db.OpenRecordset(schema::query::UsedBranches, dao::RecordsetType::Snapshot);
    if (branches->isEmpty())
        return skipped;
    int no = 0;
    for (branches->MoveFirst(); !branches->EOF_(); branches->MoveNext()) {
        if (auto missing = missingMaster(db, branches->get(schema::column::BankCode).toText(),
                                         branches->get(schema::column::BranchCode).toText(),
                                         branches->get(schema::column::BranchName).toText())) {
            skipped.push_back(std::move(*missing));
            continue;
        }
        accounts->AddNew();
        accounts->set(schema::column::No, ++no);
        accounts->set(schema::column::BankCode, branches->get(schema::column::BankCode));
        accounts->set(schema::column::BranchCode, branches->get(schema::column::BranchCode));
        accounts->set(schema::column::DepositKind, "普通預金");
        accounts->set(schema::column::OpeningBalance, 0);
        accounts->set(schema::column::PresentBalance, 0);
        accounts->set(schema::column::ClosingBalance, 0);
        accounts->Update();
    }
    return skipped;
}

}  // namespace

InitialisedSystem InitialiseSystem(dao::Workspace& ws, dao::Database& db, bool deleteTemplates)
{
    InitialisedSystem done;
    dao::RunInTransaction(ws, [&] {
        zeroBalances(db);
        done.openingCash = StoreOpeningCashOfChart(db);
        done.skippedBranches = rebuildBankAccounts(db);
        deleteEveryRow(db, "Q_取引先管理");
        deleteEveryRow(db, "Q_固定資産台帳");
        deleteEveryRow(db, "Q_リース資産管理");
        deleteEveryRow(db, "Q_仕訳台帳");
        deleteEveryRow(db, "Q_仕訳変更履歴");
        if (deleteTemplates)
            deleteEveryRow(db, "Q_仕訳定型台帳");
    });
    return done;
}

}  // namespace setup
