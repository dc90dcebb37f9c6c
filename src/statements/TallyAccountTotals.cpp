#include "statements/TallyAccountTotals.h"

#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "platform/dao/Database.h"
#include "platform/dao/DayOfDate.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "statements/PeriodRange.h"

#include <set>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace statements {

namespace {

struct Sums {
    std::int64_t debit = 0;
    std::int64_t credit = 0;
    bool debitOverflowed = false;    // the sum passed the 64-bit range
    bool creditOverflowed = false;
};

std::int64_t number(const dao::Value& value)
{
    return value.isNull() ? 0 : value.toInt64();
}

// The rows dated within the period by the date's value, whatever form the
// row stores it in; a 日付 carrying a time of day on the last day still counts.
std::string periodCondition(const FiscalPeriod& period)
{
    return dao::DayWithinSql("\"日付\"", period.first, period.last);
}

long long numberOf(dao::Database& database, const std::string& sql)
{
    auto rs = database.OpenRecordset(sql, dao::RecordsetType::Snapshot);
    return rs->isEmpty() ? 0 : number(rs->get("n"));
}

// The accounts' sums by code, found by the code's text as the row holds it.
struct CodeHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view code) const { return std::hash<std::string_view>{}(code); }
};
using SumsByCode = std::unordered_map<std::string, Sums, CodeHash, std::equal_to<>>;

// The rows of the period: every row is read once, straight from the journal
// table, and its amounts added to the sums of its codes (a walk that sums as
// it reads is quicker than the database's grouping, which sorts).
struct PeriodWalk {
    long long rows = 0;
    long long rowsWithUnknownCode = 0;
    std::set<std::string, std::less<>> unknownCodes;
};

PeriodWalk walkPeriod(dao::Database& database, const std::string& period, SumsByCode& sums)
{
    PeriodWalk walk;
    auto add = [&](std::string_view code, std::int64_t amount, std::int64_t Sums::*side, bool Sums::*overflowed) {
        if (code.empty())
            return true;
        if (auto it = sums.find(code); it != sums.end()) {
            if (__builtin_add_overflow(it->second.*side, amount, &(it->second.*side)))
                it->second.*overflowed = true;
            return true;
        }
        if (walk.unknownCodes.find(code) == walk.unknownCodes.end())
            walk.unknownCodes.emplace(code);
        return false;
    };
    database.ForEachRow("SELECT \"借方コード\", \"入金\", \"貸方コード\", \"出金\" FROM \"仕訳台帳\" WHERE " + period, {},
                        "仕訳台帳", [&](const dao::RowView& row) {
                            ++walk.rows;
                            const bool debitKnown = add(row.text(0), row.integer(1), &Sums::debit, &Sums::debitOverflowed);
                            const bool creditKnown = add(row.text(2), row.integer(3), &Sums::credit, &Sums::creditOverflowed);
                            if (!debitKnown || !creditKnown)
                                ++walk.rowsWithUnknownCode;
                        });
    return walk;
}

// An account in use as the tally reads it.
struct AccountInUse {
    long long rowid = 0;
    std::string code;
    std::string name;
};

std::vector<AccountInUse> accountsInUse(dao::Database& database)
{
    std::vector<AccountInUse> accounts;
    database.ForEachRow("SELECT dao_rowid, \"勘定科目コード\", \"勘定科目名\" FROM \"Q_使用勘定科目表\"", {}, "勘定科目コード表",
                        [&](const dao::RowView& row) {
                            accounts.push_back({row.integer(0), std::string(row.text(1)), std::string(row.text(2))});
                        });
    return accounts;
}

// Sums, checks and writes the totals of every account in use.
TallyReport tally(dao::Database& database)
{
    const FiscalPeriod period = ReadFiscalPeriod(database);
    const std::vector<AccountInUse> accounts = accountsInUse(database);

    SumsByCode sums;
    for (const AccountInUse& account : accounts)
        sums.emplace(account.code, Sums{});

    TallyReport report;
    const PeriodWalk walk = walkPeriod(database, periodCondition(period), sums);
    report.rowsTallied = walk.rows;
    report.rowsWithUnknownCode = walk.rowsWithUnknownCode;
    report.rowsOutsidePeriod = numberOf(database, "SELECT COUNT(*) AS n FROM \"仕訳台帳\"") - report.rowsTallied;
    report.unknownCodes.assign(walk.unknownCodes.begin(), walk.unknownCodes.end());

    // Every figure is checked before the first write.
    for (const AccountInUse& account : accounts) {
        const Sums& s = sums.at(account.code);
        if (s.debitOverflowed)
            RefuseFigureOutOfRange(account.name, account.code, "借方合計");
        if (s.creditOverflowed)
            RefuseFigureOutOfRange(account.name, account.code, "貸方合計");
    }
    for (const AccountInUse& account : accounts) {
        const Sums& s = sums.at(account.code);
        database.Execute("UPDATE \"勘定科目コード表\" SET \"借方合計\" = ?, \"貸方合計\" = ? WHERE rowid = ?",
                         {dao::Value(static_cast<long long>(s.debit)), dao::Value(static_cast<long long>(s.credit)),
                          dao::Value(account.rowid)});
    }
    return report;
}

}  // namespace

TallyReport TallyAccountTotals(dao::Workspace& workspace, dao::Database& database)
{
    TallyReport report;
    // Reading and writing in one transaction: the sums come from one state of the journal.
    dao::RunInTransaction(workspace, [&] { report = tally(database); });
    return report;
}

std::string TallyNotice(const TallyReport& report)
{
    std::string text;
    if (report.rowsWithUnknownCode > 0) {
        text += "使用中の勘定科目にないコードの仕訳 " + o::FormatNumber(report.rowsWithUnknownCode, o::kCountMask)
                + " 行を集計していません（コード：";
        for (std::size_t i = 0; i < report.unknownCodes.size(); ++i)
            text += (i > 0 ? "、" : "") + report.unknownCodes[i];
        text += "）";
    }
    if (report.rowsOutsidePeriod > 0) {
        if (!text.empty())
            text += "　";
        text += "会計期間外の日付の仕訳 " + o::FormatNumber(report.rowsOutsidePeriod, o::kCountMask)
                + " 行は今期の集計に含めていません";
    }
    return text;
}

std::string TallyRefusalText(const std::string& reason)
{
    return "期間の集計ができなかったため、決算書の表示、印刷、ＣＳＶファイルの作成はできません：" + reason;
}

}  // namespace statements
