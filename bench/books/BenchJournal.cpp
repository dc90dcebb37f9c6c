#include "BenchJournal.h"

#include "books/SubLedger.h"
#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Value.h"
#include "support/BenchSql.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace bench {

namespace {

std::string codeOf(sqlite3* db, const char* name)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT \"勘定科目コード\" FROM \"勘定科目コード表\" WHERE \"勘定科目名\" = ?1", -1, &st,
                       nullptr);
    sqlite3_bind_text(st, 1, name, -1, SQLITE_TRANSIENT);
    std::string code;
    if (sqlite3_step(st) == SQLITE_ROW)
        code = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    return code;
}

// The journal's columns and joined names a book line shows.
const char* const kColumns =
    "\"日付\", \"摘要\", \"取引先\", \"借方コード\", \"貸方コード\", \"勘定科目名\", \"勘定科目名2\","
    " \"小分類\", \"小分類2\", \"銀行名\", \"支店名\", \"入金\", \"出金\", \"決算仕訳\"";
constexpr int kTextColumns = 11;

}  // namespace

void prepareJournal(const std::string& path, int rows)
{
    periodfile::createPeriodFile(path, {"ベンチ商事", 1, "2024-04-01"});
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::vector<std::string> codes = accountCodes(db);
    const std::string cash = codeOf(db, "現金");
    const std::string ordinary = codeOf(db, "普通預金");
    exec(db,
         "INSERT OR IGNORE INTO \"銀行コードﾏｽﾀｰ\" (\"銀行コード\", \"銀行名\", \"使用銀行\") VALUES ('9001', "
         "'試験銀行', 1)");
    exec(db,
         "INSERT OR IGNORE INTO \"支店コードﾏｽﾀｰ\" (\"銀行コード\", \"支店コード\", \"支店名\", \"使用支店\")"
         " VALUES ('9001', '9001001', '本店', 1)");
    exec(db,
         "INSERT INTO \"取引銀行\" (\"no\", \"銀行コード\", \"支店コード\", \"種別\", \"期首残高\")"
         " VALUES (1, '9001', '9001001', '普通預金', 1000000)");
    exec(db, "INSERT INTO \"取引先管理\" (\"取引先名\") VALUES ('東京商事')");
    exec(db, "BEGIN");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\", \"摘要\", \"取引先\", \"借方コード\","
        " \"入金\", \"貸方コード\", \"出金\", \"銀行コード\", \"支店コード\", \"決算仕訳\")"
        " VALUES (?1, ?2, 1, ?3, ?4, ?5, ?6, ?7, ?6, ?8, ?9, 0)",
        -1, &st, nullptr);
    std::mt19937 random(20240401);
    // Amounts as a company of that size has them: the more rows, the smaller
    // each, so that no account's total goes past what the file stores
    // (32-bit): 2,000,000,000 yen over all rows at most.
    const int largest = static_cast<int>(std::clamp(2000000000LL / std::max(rows, 1), 1000LL, 500000LL));
    std::uniform_int_distribution<int> account(0, static_cast<int>(codes.size()) - 1), amount(1, largest),
        percent(0, 99);
    for (int i = 0; i < rows; ++i) {
        // Entered day by day, as a bookkeeper enters them.
        const long long dayNumber = dao::Date{2024, 4, 1}.dayNumber() + static_cast<long long>(i) * 365 / rows;
        const std::string date = dao::Date::fromDayNumber(dayNumber).isoText();
        std::string debit = codes[account(random)];
        std::string credit = codes[account(random)];
        const int p = percent(random);
        if (p < 20)
            debit = cash;
        else if (p < 40)
            credit = cash;
        const bool bank = percent(random) < 10;
        if (bank)
            (i % 2 == 0 ? debit : credit) = ordinary;
        char voucher[16];
        std::snprintf(voucher, sizeof voucher, "V%07d", i);
        sqlite3_bind_text(st, 1, date.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, voucher, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, "ベンチマーク用の取引", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 4, i % 3 == 0 ? "東京商事" : "", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 5, debit.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 6, amount(random));
        sqlite3_bind_text(st, 7, credit.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 8, bank ? "9001" : "", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 9, bank ? "9001001" : "", -1, SQLITE_STATIC);
        if (sqlite3_step(st) != SQLITE_DONE) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    exec(db, "COMMIT");
    sqlite3_close(db);
}

std::pair<std::string, std::string> busiestAccount(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(
        db,
        "SELECT c, (SELECT \"勘定科目名\" FROM \"勘定科目コード表\" WHERE \"勘定科目コード\" = c) FROM"
        " (SELECT \"借方コード\" AS c FROM \"仕訳台帳\" UNION ALL SELECT \"貸方コード\" FROM \"仕訳台帳\")"
        " GROUP BY c ORDER BY COUNT(*) DESC LIMIT 1",
        -1, &st, nullptr);
    std::pair<std::string, std::string> out;
    if (sqlite3_step(st) == SQLITE_ROW) {
        out.first = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        out.second = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}

long long readRaw(const std::string& path, const RawQuery& query)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, query.sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
    if (!query.parameter.empty())
        sqlite3_bind_text(st, 1, query.parameter.c_str(), -1, SQLITE_TRANSIENT);
    long long rows = 0;
    long long sum = 0;
    std::string sink;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < kTextColumns; ++c)
            if (const unsigned char* text = sqlite3_column_text(st, c))
                sink.assign(reinterpret_cast<const char*>(text));
        sum += sqlite3_column_int64(st, kTextColumns) + sqlite3_column_int64(st, kTextColumns + 1)
            + sqlite3_column_int(st, kTextColumns + 2);
        ++rows;
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    if (sum == 42)  // keeps the reads from being left out
        std::puts("");
    return rows;
}

RawQuery accountRowsQuery(const std::string& code)
{
    return {std::string("SELECT ") + kColumns + " FROM \"Q_仕訳台帳\" WHERE \"借方コード\" = ?1 OR \"貸方コード\" = ?1",
            code};
}

std::vector<RawQuery> booksQueries()
{
    std::vector<RawQuery> queries = {
        {std::string("SELECT ") + kColumns + " FROM \"Q_現金出納帳\"", ""},
        {std::string("SELECT ") + kColumns + " FROM \"Q_取引銀行仕訳\"", ""},
    };
    for (const books::SubLedgerRule& rule : books::subLedgerRules()) {
        std::string sql = rule.sql;
        sql.replace(0, std::string("SELECT *").size(), std::string("SELECT ") + kColumns);
        queries.push_back({sql, ""});
    }
    return queries;
}

RawQuery journalQuery()
{
    return {std::string("SELECT ") + kColumns + " FROM \"Q_仕訳台帳\"", ""};
}

}  // namespace bench
