#include "closing/OpeningCash.h"

#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

namespace closing {

OpeningCash ComputeOpeningCash(dao::Database& database)
{
    OpeningCash opening;
    auto chart = database.OpenRecordset("Q_勘定科目コード表", dao::RecordsetType::Snapshot);
    if (chart->isEmpty())
        return opening;
    std::int64_t sum = 0;
    for (chart->MoveFirst(); !chart->EOF_(); chart->MoveNext()) {
        const dao::Value balance = chart->get("期首残高");
        const std::int64_t amount = balance.isNumeric() ? balance.toInt64() : 0;
        if (chart->get("小分類").toText() == "現金預金")
            sum += amount;
        if (chart->get("勘定科目名").toText() == "現金")
            opening.cash = amount;
    }
    opening.deposits = sum - opening.cash;
    return opening;
}

}  // namespace closing
