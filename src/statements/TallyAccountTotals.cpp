#include "statements/TallyAccountTotals.h"

#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "statements/PeriodRange.h"

#include <array>
#include <set>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace statements {

namespace {

struct Sums {
    std::int64_t debit = 0;
    std::int64_t credit = 0;
    bool debitOverflowed = false;  // the sum passed the 64-bit range
    bool creditOverflowed = false;
};

// The accounts' sums by code, found by the code's text as the row holds it
// (a code is a few characters: hashed inline, twice a row).
struct CodeHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view code) const
    {
        std::size_t hash = 14695981039346656037ull;  // FNV-1a
        for (const char c : code)
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return hash;
    }
};
using SumsByCode = std::unordered_map<std::string, Sums, CodeHash, std::equal_to<>>;

// Codes are a few characters: compared in place rather than through memcmp.
bool sameCode(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// The sums of the codes met lately, found again without the map's hashing: a
// journal names a few dozen codes over many rows.
class RecentCodes {
public:
    explicit RecentCodes(SumsByCode& sums) : m_sums(sums) {}

    // The sums of `code` (not empty); none when no account in use has it.
    Sums* find(std::string_view code)
    {
        const std::size_t place = (code.size() * 31 + std::size_t{static_cast<unsigned char>(code.front())} * 7
                                   + static_cast<unsigned char>(code.back()))
            % m_slots.size();
        Slot& slot = m_slots[place];
        if (slot.sums && sameCode(slot.code, code))
            return slot.sums;
        const auto it = m_sums.find(code);
        if (it == m_sums.end())
            return nullptr;
        slot = {it->first, &it->second};
        return slot.sums;
    }

private:
    struct Slot {
        std::string_view code;  // the map's own key
        Sums* sums = nullptr;
    };
    SumsByCode& m_sums;
    std::array<Slot, 64> m_slots{};
};

// The rows of the period: every row of the table is read once, straight from
// the table, and the amounts of those dated within the period (by the date's
// value, whatever form the row stores it in; a 日付 carrying a time of day on
// the last day still counts) added to the sums of their codes (a walk that
// sums as it reads is quicker than the database's grouping, which sorts).
struct PeriodWalk {
    long long rows = 0;
    long long rowsOutsidePeriod = 0;
    long long rowsWithUnknownCode = 0;
    std::set<std::string, std::less<>> unknownCodes;
};

// The walk's columns: the tally's own, then those `alongside` asks for.
std::vector<std::string> walkColumns(const JournalWalkAlongside* alongside)
{
    std::vector<std::string> columns{schema::column::Date, schema::column::DebitCode, schema::column::DebitAmount,
                                     schema::column::CreditCode, schema::column::CreditAmount};
    if (alongside)
        columns.insert(columns.end(), alongside->columns.begin(), alongside->columns.end());
    return columns;
}

PeriodWalk walkPeriod(dao::Database& database, const FiscalPeriod& period, SumsByCode& sums,
                      const JournalWalkAlongside* alongside)
{
    const long long first = period.first.dayNumber();
    const long long last = period.last.dayNumber();
    PeriodWalk walk;
    RecentCodes recent(sums);
    auto add = [&](std::string_view code, std::int64_t amount, std::int64_t Sums::*side, bool Sums::*overflowed) {
        if (code.empty())
            return true;
        if (Sums* found = recent.find(code)) {
            if (__builtin_add_overflow(found->*side, amount, &(found->*side)))
                found->*overflowed = true;
            return true;
        }
        if (walk.unknownCodes.find(code) == walk.unknownCodes.end())
            walk.unknownCodes.emplace(code);
        return false;
    };
    // Every row is read through the checks the journal window makes, those
    // dated outside the period too: a 日付 that is no date or an amount that
    // is no whole number is refused, never taken as outside the period or as 0.
    database.ForEachCheckedRow(schema::table::Journal, walkColumns(alongside), {}, {}, [&](const dao::CheckedRow& row) {
        const JournalRowAlongside::TallyColumns read{row.day(0), row.text(1), row.wholeNumber(2), row.text(3),
                                                     row.wholeNumber(4)};
        if (alongside)
            alongside->visit(JournalRowAlongside(row, read));
        if (!read.day || *read.day < first || *read.day > last) {
            ++walk.rowsOutsidePeriod;
            return;
        }
        ++walk.rows;
        const bool debitKnown = add(read.debitCode, read.moneyIn, &Sums::debit, &Sums::debitOverflowed);
        const bool creditKnown = add(read.creditCode, read.moneyOut, &Sums::credit, &Sums::creditOverflowed);
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
    database.ForEachRow("SELECT dao_rowid, \"勘定科目コード\", \"勘定科目名\" FROM \"Q_使用勘定科目表\"", {},
                        "勘定科目コード表", [&](const dao::RowView& row) {
                            accounts.push_back({row.integer(0), std::string(row.text(1)), std::string(row.text(2))});
                        });
    return accounts;
}

// Sums, checks and writes the totals of every account in use.
TallyReport tally(dao::Database& database, const JournalWalkAlongside* alongside)
{
    const FiscalPeriod period = ReadFiscalPeriod(database);
    const std::vector<AccountInUse> accounts = accountsInUse(database);

    SumsByCode sums;
    for (const AccountInUse& account : accounts)
        sums.emplace(account.code, Sums{});

    TallyReport report;
    const PeriodWalk walk = walkPeriod(database, period, sums, alongside);
    report.rowsTallied = walk.rows;
    report.rowsWithUnknownCode = walk.rowsWithUnknownCode;
    report.rowsOutsidePeriod = walk.rowsOutsidePeriod;
    report.unknownCodes.assign(walk.unknownCodes.begin(), walk.unknownCodes.end());

    // Every figure is checked before the first write.
    for (const AccountInUse& account : accounts) {
        const Sums& s = sums.at(account.code);
        if (s.debitOverflowed)
            RefuseFigureOutOfRange(account.name, account.code, schema::column::DebitTotal);
        if (s.creditOverflowed)
            RefuseFigureOutOfRange(account.name, account.code, schema::column::CreditTotal);
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

TallyReport TallyAccountTotals(dao::Workspace& workspace, dao::Database& database,
                               const JournalWalkAlongside* alongside)
{
    TallyReport report;
    // Reading and writing in one transaction: the sums come from one state of the journal.
    dao::RunInTransaction(workspace, [&] { report = tally(database, alongside); });
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
