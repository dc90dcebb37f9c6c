#include "setup/SystemInitialisation.h"

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

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
    static const char* const fields[] = {
        "期首残高", "現在残高", "期末残高", "借方合計", "貸方合計", "期末貸借合計",
        "前年決算残高", "前2決算残高", "前3決算残高", "前4決算残高", "前5決算残高",
    };
    auto chart = db.OpenRecordset("Q_勘定科目コード表", dao::RecordsetType::Dynaset);
    if (chart->isEmpty())
        return;
    for (chart->MoveFirst(); !chart->EOF_(); chart->MoveNext()) {
        chart->Edit();
        for (const char* field : fields)
            chart->set(field, 0);
        chart->Update();
    }
}

void rebuildBankAccounts(dao::Database& db)
{
    deleteEveryRow(db, "Q_取引銀行");
    auto accounts = db.OpenRecordset("Q_取引銀行", dao::RecordsetType::Dynaset);
    auto branches = db.OpenRecordset("Q_使用銀行支店", dao::RecordsetType::Snapshot);
    if (branches->isEmpty())
        return;
    int no = 0;
    for (branches->MoveFirst(); !branches->EOF_(); branches->MoveNext()) {
        accounts->AddNew();
        accounts->set("no", ++no);
        accounts->set("銀行コード", branches->get("銀行コード"));
        accounts->set("支店コード", branches->get("支店コード"));
        accounts->set("種別", "普通預金");
        accounts->set("期首残高", 0);
        accounts->set("現残高", 0);
        accounts->set("期末残高", 0);
        accounts->Update();
    }
}

}  // namespace

void InitialiseSystem(dao::Workspace& ws, dao::Database& db, bool deleteTemplates)
{
    dao::RunInTransaction(ws, [&] {
        zeroBalances(db);
        rebuildBankAccounts(db);
        deleteEveryRow(db, "Q_取引先管理");
        deleteEveryRow(db, "Q_固定資産台帳");
        deleteEveryRow(db, "Q_リース資産管理");
        deleteEveryRow(db, "Q_仕訳台帳");
        deleteEveryRow(db, "Q_仕訳変更履歴");
        if (deleteTemplates)
            deleteEveryRow(db, "Q_仕訳定型台帳");
    });
}

}  // namespace setup
