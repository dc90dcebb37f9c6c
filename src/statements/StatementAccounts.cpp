#include "statements/StatementAccounts.h"

#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

namespace statements {

namespace {

std::int64_t figure(const dao::Value& value)
{
    return value.isNull() ? 0 : value.toInt64();
}

int sideOf(const dao::Value& value)
{
    if (value.isNull() || !value.isNumeric())
        return -1;
    const std::int64_t side = value.toInt64();
    return side == 0 || side == 1 ? static_cast<int>(side) : -1;
}

}  // namespace

StatementAccounts ReadStatementAccounts(dao::Recordset& rs)
{
    StatementAccounts accounts;
    if (rs.isEmpty())
        return accounts;
    static const char* const kPast[5] = {"前年決算残高", "前2決算残高", "前3決算残高", "前4決算残高", "前5決算残高"};
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        StatementAccount a;
        a.code = rs.get("勘定科目コード").toText();
        a.name = rs.get("勘定科目名").toText();
        a.side = sideOf(rs.get("借貸区分"));
        a.major = rs.get("大分類").toText();
        a.middle = rs.get("中分類").toText();
        a.minor = rs.get("小分類").toText();
        a.opening = figure(rs.get("期首残高"));
        a.debitTotal = figure(rs.get("借方合計"));
        a.creditTotal = figure(rs.get("貸方合計"));
        a.net = figure(rs.get("期末貸借合計"));
        a.closing = figure(rs.get("期末残高"));
        a.budget = figure(rs.get("予算管理"));
        for (int i = 0; i < 5; ++i)
            a.past[static_cast<std::size_t>(i)] = figure(rs.get(kPast[i]));
        accounts.push_back(std::move(a));
    }
    return accounts;
}

StatementAccounts ReadStatementAccounts(dao::Database& database)
{
    auto rs = database.OpenRecordset("Q_使用勘定科目表", dao::RecordsetType::Snapshot);
    return ReadStatementAccounts(*rs);
}

}  // namespace statements
