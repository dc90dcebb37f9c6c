#include "BenchJournal.h"

#include "books/SubLedger.h"
#include "support/SampleShapedJournal.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

// The journal's columns and joined names a book line shows.
const char* const kColumns =
    "\"日付\", \"摘要\", \"取引先\", \"借方コード\", \"貸方コード\", \"勘定科目名\", \"勘定科目名2\","
    " \"小分類\", \"小分類2\", \"銀行名\", \"支店名\", \"入金\", \"出金\", \"決算仕訳\"";
constexpr int kTextColumns = 11;

}  // namespace

void prepareJournal(const std::string& path, int rows)
{
    makeSampleShapedFile(path, {rows});
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
