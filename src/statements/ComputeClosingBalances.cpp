#include "statements/ComputeClosingBalances.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "statements/PeriodRange.h"

#include <optional>
#include <vector>

namespace statements {

namespace {

std::int64_t number(const dao::Value& value)
{
    return value.isNull() ? 0 : value.toInt64();
}

struct ClosingFigures {
    long long rowid = 0;
    std::int64_t net = 0;
    std::int64_t closing = 0;
};

}  // namespace

void ComputeClosingBalances(dao::Workspace& workspace, dao::Database& database)
{
    dao::RunInTransaction(workspace, [&] {
        auto accounts = database.OpenRecordset(
            "SELECT dao_rowid AS 行番号, \"借貸区分\", \"借方合計\", \"貸方合計\", \"期末貸借合計\", \"期首残高\","
            " \"勘定科目名\", \"勘定科目コード\" FROM \"Q_使用勘定科目表\"",
            dao::RecordsetType::Snapshot);
        if (accounts->isEmpty())
            return;
        // Every figure is computed and checked before the first write.
        std::vector<ClosingFigures> figures;
        for (accounts->MoveFirst(); !accounts->EOF_(); accounts->MoveNext()) {
            const dao::Value side = accounts->get(schema::column::DebitCredit);
            const std::int64_t debit = number(accounts->get(schema::column::DebitTotal));
            const std::int64_t credit = number(accounts->get(schema::column::CreditTotal));
            ClosingFigures f;
            f.rowid = accounts->get("行番号").toInt64();
            const std::string name = accounts->get(schema::column::AccountName).toText();
            const std::string code = accounts->get(schema::column::AccountCode).toText();
            std::optional<std::int64_t> net;
            if (!side.isNull() && side.isNumeric() && side.toInt64() == 0)
                net = SubtractFigures(debit, credit);
            else if (!side.isNull() && side.isNumeric() && side.toInt64() == 1)
                net = SubtractFigures(credit, debit);
            else
                net = number(accounts->get(schema::column::ClosingNetTotal));
            if (!net)
                RefuseFigureOutOfRange(name, code, schema::column::ClosingNetTotal);
            const std::optional<std::int64_t> closing =
                AddFigures(number(accounts->get(schema::column::OpeningBalance)), *net);
            if (!closing)
                RefuseFigureOutOfRange(name, code, schema::column::ClosingBalance);
            f.net = *net;
            f.closing = *closing;
            figures.push_back(f);
        }
        // One statement per account: far quicker than editing the rows through a dynaset.
        for (const ClosingFigures& f : figures)
            database.Execute("UPDATE \"勘定科目コード表\" SET \"期末貸借合計\" = ?, \"期末残高\" = ? WHERE rowid = ?",
                             {dao::Value(static_cast<long long>(f.net)), dao::Value(static_cast<long long>(f.closing)),
                              dao::Value(f.rowid)});
    });
}

}  // namespace statements
