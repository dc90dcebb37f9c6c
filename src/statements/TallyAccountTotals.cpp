#include "statements/TallyAccountTotals.h"

#include "common/NumberFormat.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "statements/PeriodRange.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>
#include <vector>

namespace statements {

namespace {

struct Sums {
    std::int64_t debit = 0;
    std::int64_t credit = 0;
};

std::int64_t number(const dao::Value& value)
{
    return value.isNull() ? 0 : value.toInt64();
}

// The period's bounds as ISO dates made here from the settings row (digits
// and hyphens only); a 日付 carrying a time of day on the last day still
// counts. The unary "+" keeps the date index out of the scan: the period
// covers nearly every row, and a full scan reads them fastest.
std::string periodCondition(const FiscalPeriod& period)
{
    const std::string first = period.first.isoText().substr(0, 10);
    const std::string afterLast = dao::Date::fromDayNumber(period.last.dayNumber() + 1).isoText().substr(0, 10);
    return "+\"日付\" >= '" + first + "' AND +\"日付\" < '" + afterLast + "'";
}

long long numberOf(dao::Database& database, const std::string& sql)
{
    auto rs = database.OpenRecordset(sql, dao::RecordsetType::Snapshot);
    return rs->isEmpty() ? 0 : number(rs->get("n"));
}

// The grouped pass reads the journal table in slices of consecutive rows:
// grouping a slice sorts few rows at a time, which the database does much
// faster than one sort of the whole table. Calls `slice` with the condition
// that selects each slice.
constexpr long long kSliceRows = 16384;

template <typename Slice>
void forEachSlice(dao::Database& database, Slice slice)
{
    auto bounds = database.OpenRecordset("SELECT MIN(rowid) AS lo, MAX(rowid) AS hi FROM \"仕訳台帳\"",
                                         dao::RecordsetType::Snapshot);
    if (bounds->isEmpty() || bounds->get("lo").isNull())
        return;
    const long long last = number(bounds->get("hi"));
    for (long long from = number(bounds->get("lo")) - 1; from < last; from += kSliceRows)
        slice("rowid > " + std::to_string(from) + " AND rowid <= " + std::to_string(from + kSliceRows));
}

// One side of the journal over the period: the sum of the side's amounts and
// the count of the rows, by code.
struct SideGroup {
    std::int64_t amount = 0;
    long long rows = 0;
};

std::map<std::string, SideGroup> groupedPass(dao::Database& database, const char* codeField, const char* amountField,
                                             const std::string& period)
{
    std::map<std::string, SideGroup> groups;
    forEachSlice(database, [&](const std::string& slice) {
        auto rs = database.OpenRecordset(std::string("SELECT \"") + codeField + "\" AS code, SUM(\"" + amountField
                                             + "\") AS amount, COUNT(*) AS n FROM \"仕訳台帳\" WHERE " + slice + " AND "
                                             + period + " GROUP BY \"" + codeField + "\"",
                                         dao::RecordsetType::Snapshot);
        if (rs->isEmpty())
            return;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            SideGroup& g = groups[rs->get("code").toText()];
            g.amount += number(rs->get("amount"));
            g.rows += number(rs->get("n"));
        }
    });
    return groups;
}

// The rows of the period whose debit and credit codes are both unknown (they
// were counted once on each side).
long long rowsUnknownOnBothSides(dao::Database& database, const std::string& period,
                                 const std::set<std::string>& unknownDebit, const std::set<std::string>& unknownCredit)
{
    long long rows = 0;
    forEachSlice(database, [&](const std::string& slice) {
        auto rs = database.OpenRecordset("SELECT \"借方コード\" AS d, \"貸方コード\" AS c, COUNT(*) AS n FROM \"仕訳台帳\""
                                         " WHERE " + slice + " AND " + period + " GROUP BY 1, 2",
                                         dao::RecordsetType::Snapshot);
        if (rs->isEmpty())
            return;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext())
            if (unknownDebit.count(rs->get("d").toText()) && unknownCredit.count(rs->get("c").toText()))
                rows += number(rs->get("n"));
    });
    return rows;
}

// Sums, checks and writes the totals of every account of `accounts`.
TallyReport tally(dao::Database& database, dao::Recordset& accounts)
{
    const FiscalPeriod period = ReadFiscalPeriod(database);

    std::unordered_map<std::string, Sums> sums;
    if (!accounts.isEmpty())
        for (accounts.MoveFirst(); !accounts.EOF_(); accounts.MoveNext())
            sums.emplace(accounts.get("勘定科目コード").toText(), Sums{});

    TallyReport report;
    const std::string filter = periodCondition(period);
    std::set<std::string> unknownDebit, unknownCredit;
    long long debitUnknownRows = 0, creditUnknownRows = 0;
    for (const auto& [code, g] : groupedPass(database, "借方コード", "入金", filter)) {
        report.rowsTallied += g.rows;
        if (code.empty())
            continue;
        if (auto it = sums.find(code); it != sums.end()) {
            it->second.debit += g.amount;
        } else {
            unknownDebit.insert(code);
            debitUnknownRows += g.rows;
        }
    }
    for (const auto& [code, g] : groupedPass(database, "貸方コード", "出金", filter)) {
        if (code.empty())
            continue;
        if (auto it = sums.find(code); it != sums.end()) {
            it->second.credit += g.amount;
        } else {
            unknownCredit.insert(code);
            creditUnknownRows += g.rows;
        }
    }
    report.rowsWithUnknownCode = debitUnknownRows + creditUnknownRows;
    if (debitUnknownRows > 0 && creditUnknownRows > 0)
        report.rowsWithUnknownCode -= rowsUnknownOnBothSides(database, filter, unknownDebit, unknownCredit);
    report.rowsOutsidePeriod = numberOf(database, "SELECT COUNT(*) AS n FROM \"仕訳台帳\"") - report.rowsTallied;
    std::set<std::string> unknown = unknownDebit;
    unknown.insert(unknownCredit.begin(), unknownCredit.end());
    report.unknownCodes.assign(unknown.begin(), unknown.end());

    // Every figure is checked before the first write.
    if (!accounts.isEmpty()) {
        for (accounts.MoveFirst(); !accounts.EOF_(); accounts.MoveNext()) {
            const std::string code = accounts.get("勘定科目コード").toText();
            const Sums& s = sums.at(code);
            const std::string name = accounts.get("勘定科目名").toText();
            RequireStoredAmount(s.debit, name, code, "借方合計");
            RequireStoredAmount(s.credit, name, code, "貸方合計");
        }
    }

    if (!accounts.isEmpty()) {
        for (accounts.MoveFirst(); !accounts.EOF_(); accounts.MoveNext()) {
            const Sums& s = sums.at(accounts.get("勘定科目コード").toText());
            accounts.Edit();
            accounts.set("借方合計", dao::Value(static_cast<long long>(s.debit)));
            accounts.set("貸方合計", dao::Value(static_cast<long long>(s.credit)));
            accounts.Update();
        }
    }
    return report;
}

}  // namespace

TallyReport TallyAccountTotals(dao::Workspace& workspace, dao::Database& database)
{
    TallyReport report;
    std::unique_ptr<dao::Recordset> accounts;
    // Reading and writing in one transaction: the sums come from one state of the journal.
    dao::RunInTransaction(workspace, [&] {
        accounts = database.OpenRecordset("Q_使用勘定科目表", dao::RecordsetType::Dynaset);
        report = tally(database, *accounts);
    });
    return report;
}

std::string TallyNotice(const TallyReport& report)
{
    std::string text;
    if (report.rowsWithUnknownCode > 0) {
        text += "使用中の勘定科目にないコードの仕訳 " + o::FormatNumber(report.rowsWithUnknownCode, "#,##0")
                + " 行を集計していません（コード：";
        for (std::size_t i = 0; i < report.unknownCodes.size(); ++i)
            text += (i > 0 ? "、" : "") + report.unknownCodes[i];
        text += "）";
    }
    if (report.rowsOutsidePeriod > 0) {
        if (!text.empty())
            text += "　";
        text += "会計期間外の日付の仕訳 " + o::FormatNumber(report.rowsOutsidePeriod, "#,##0")
                + " 行は今期の集計に含めていません";
    }
    return text;
}

}  // namespace statements
