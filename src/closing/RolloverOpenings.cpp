#include "closing/RolloverOpenings.h"

#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

namespace closing {

namespace {

std::string yen(std::int64_t amount)
{
    return o::FormatNumber(amount, o::kAmount12Mask) + "円";
}

std::int64_t sumOf(const dao::Value& value)
{
    return value.isNumeric() ? value.toInt64() : 0;
}

}  // namespace

OpeningSides ReadOpeningSides(dao::Database& database)
{
    auto sums = database.OpenRecordset("SELECT SUM(CASE WHEN 借貸区分 = 0 THEN 期首残高 END) AS 借方,"
                                       " SUM(CASE WHEN 借貸区分 = 1 THEN 期首残高 END) AS 貸方,"
                                       " SUM(CASE WHEN 中分類 = '諸口' THEN 期首残高 END) AS 諸口"
                                       " FROM 勘定科目コード表 WHERE 適用 <> 0",
                                       dao::RecordsetType::Snapshot);
    OpeningSides sides;
    if (sums->isEmpty())
        return sides;
    sums->MoveFirst();
    sides.debit = sumOf(sums->get("借方"));
    sides.credit = sumOf(sums->get("貸方"));
    sides.suspense = sumOf(sums->get("諸口"));
    return sides;
}

std::string UnbalancedOpeningsQuestion(const CarriedOpenings& openings)
{
    // Sides that agree are asked about only for the 諸口 balance they carry.
    const char* heading = openings.next.difference() == 0 ? "次期の期首残高に諸口の残高が残ります。\n借方合計 "
                                                          : "次期の期首残高の貸借が合っていません。\n借方合計 ";
    std::string text = heading + yen(openings.next.debit) + "　貸方合計 " + yen(openings.next.credit) + "　差額 "
        + yen(openings.next.difference()) + "\n";
    std::string causes;
    if (openings.next.suspense != 0)
        causes += "・諸口に残高 " + yen(openings.next.suspense) + " があり、そのまま繰り越されます\n";
    if (openings.rowsWithUnknownCode > 0) {
        std::string codes;
        for (const std::string& code : openings.unknownCodes)
            codes += (codes.empty() ? "" : "、") + code;
        causes += "・使用している勘定科目にないコード（" + codes + "）の仕訳が "
            + std::to_string(openings.rowsWithUnknownCode) + "行あり、その金額は片側しか集計されていません\n";
    }
    if (openings.closedPeriodDifference != 0)
        causes += "・今期の期首残高の貸借がすでに " + yen(openings.closedPeriodDifference) + " 合っていません\n";
    if (!causes.empty())
        text += "原因：\n" + causes;
    return text + "このまま年次更新を続けますか？";
}

}  // namespace closing
