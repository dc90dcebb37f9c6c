#include "statements/StatementAccounts.h"

#include "periodfile/SchemaNames.h"
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
    static const char* const kPast[5] = {
        schema::column::ClosingBalance1YearAgo, schema::column::ClosingBalance2YearsAgo,
        schema::column::ClosingBalance3YearsAgo, schema::column::ClosingBalance4YearsAgo,
        schema::column::ClosingBalance5YearsAgo};
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        StatementAccount a;
        a.code = rs.get(schema::column::AccountCode).toText();
        a.name = rs.get(schema::column::AccountName).toText();
        a.side = sideOf(rs.get(schema::column::DebitCredit));
        a.major = rs.get(schema::column::MajorClass).toText();
        a.middle = rs.get(schema::column::MiddleClass).toText();
        a.minor = rs.get(schema::column::MinorClass).toText();
        a.opening = figure(rs.get(schema::column::OpeningBalance));
        a.debitTotal = figure(rs.get(schema::column::DebitTotal));
        a.creditTotal = figure(rs.get(schema::column::CreditTotal));
        a.net = figure(rs.get(schema::column::ClosingNetTotal));
        a.closing = figure(rs.get(schema::column::ClosingBalance));
        a.budget = figure(rs.get(schema::column::Budget));
        for (int i = 0; i < 5; ++i)
            a.past[static_cast<std::size_t>(i)] = figure(rs.get(kPast[i]));
        accounts.push_back(std::move(a));
    }
    return accounts;
}

StatementAccounts ReadStatementAccounts(dao::Database& database)
{
    auto rs = database.OpenRecordset(schema::query::UsedAccounts, dao::RecordsetType::Snapshot);
    return ReadStatementAccounts(*rs);
}

}  // namespace statements
