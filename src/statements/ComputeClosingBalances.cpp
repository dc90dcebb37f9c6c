#include "statements/ComputeClosingBalances.h"

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "statements/PeriodRange.h"

#include <vector>

namespace statements {

namespace {

std::int64_t number(const dao::Value& value)
{
    return value.isNull() ? 0 : value.toInt64();
}

struct ClosingFigures {
    std::int64_t net = 0;
    std::int64_t closing = 0;
};

}  // namespace

void ComputeClosingBalances(dao::Workspace& workspace, dao::Database& database)
{
    auto accounts = database.OpenRecordset("Q_使用勘定科目表", dao::RecordsetType::Dynaset);
    if (accounts->isEmpty())
        return;

    std::vector<ClosingFigures> figures;
    for (accounts->MoveFirst(); !accounts->EOF_(); accounts->MoveNext()) {
        const dao::Value side = accounts->get("借貸区分");
        const std::int64_t debit = number(accounts->get("借方合計"));
        const std::int64_t credit = number(accounts->get("貸方合計"));
        ClosingFigures f;
        if (!side.isNull() && side.isNumeric() && side.toInt64() == 0)
            f.net = debit - credit;
        else if (!side.isNull() && side.isNumeric() && side.toInt64() == 1)
            f.net = credit - debit;
        else
            f.net = number(accounts->get("期末貸借合計"));
        f.closing = number(accounts->get("期首残高")) + f.net;
        const std::string name = accounts->get("勘定科目名").toText();
        const std::string code = accounts->get("勘定科目コード").toText();
        RequireStoredAmount(f.net, name, code, "期末貸借合計");
        RequireStoredAmount(f.closing, name, code, "期末残高");
        figures.push_back(f);
    }

    dao::RunInTransaction(
        workspace,
        [&] {
            std::size_t i = 0;
            for (accounts->MoveFirst(); !accounts->EOF_() && i < figures.size(); accounts->MoveNext(), ++i) {
                accounts->Edit();
                accounts->set("期末貸借合計", dao::Value(static_cast<long long>(figures[i].net)));
                accounts->set("期末残高", dao::Value(static_cast<long long>(figures[i].closing)));
                accounts->Update();
            }
        },
        {accounts.get()});
}

}  // namespace statements
