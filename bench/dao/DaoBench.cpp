// Walking the journal query through a dynaset against a raw SQLite walk of the
// same query, on a journal of 100,000 rows; and FindFirst by account name over
// a chart of 200 accounts. Prints its figures.
#include "platform/dao/Engine.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace {

constexpr int kJournalRows = 100000;
constexpr int kAccounts = 200;

void exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error);
        std::exit(1);
    }
}

std::string accountName(int i) { return "勘定科目" + std::to_string(i); }

void buildFixture(const std::string& path) {
    std::filesystem::remove(path);
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    exec(db, R"SQL(
PRAGMA journal_mode=DELETE;
CREATE TABLE dao_updatable_views(view_name TEXT PRIMARY KEY, base_table TEXT NOT NULL);
CREATE TABLE 勘定科目コード表(勘定科目コード TEXT PRIMARY KEY, 勘定科目名 TEXT, 大分類 TEXT, 中分類 TEXT, 小分類 TEXT,
  借貸区分 SMALLINT, 消費税 BOOLEAN, 適用 BOOLEAN);
CREATE TABLE 仕訳台帳(日付 DATE, 伝票番号 TEXT, 追番 SMALLINT, 摘要 TEXT, 取引先 TEXT, 借方コード TEXT,
  入金 INTEGER DEFAULT 0, 貸方コード TEXT, 出金 INTEGER DEFAULT 0, 銀行コード TEXT, 支店コード TEXT,
  決算仕訳 BOOLEAN DEFAULT 0);
CREATE INDEX 仕訳台帳_日付 ON 仕訳台帳(日付, 伝票番号, 追番);
CREATE VIEW Q_仕訳台帳 AS SELECT j.rowid AS dao_rowid, j.*, a.勘定科目名, a.大分類, a.中分類, a.小分類, a.消費税,
  b.勘定科目名 AS 勘定科目名2, b.大分類 AS 大分類2, b.中分類 AS 中分類2, b.小分類 AS 小分類2, b.消費税 AS 消費税2
  FROM 仕訳台帳 j LEFT JOIN 勘定科目コード表 a ON a.勘定科目コード = j.借方コード
  LEFT JOIN 勘定科目コード表 b ON b.勘定科目コード = j.貸方コード
  ORDER BY j.日付, j.伝票番号, j.追番;
CREATE VIEW Q_勘定科目コード表 AS SELECT rowid AS dao_rowid, * FROM 勘定科目コード表 ORDER BY 勘定科目コード;
INSERT INTO dao_updatable_views VALUES ('Q_仕訳台帳', '仕訳台帳'), ('Q_勘定科目コード表', '勘定科目コード表');
BEGIN;
)SQL");
    sqlite3_stmt* account = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO 勘定科目コード表 VALUES (?1, ?2, '資産の部', '流動資産', '現金預金', 0, 1, 1)", -1,
                       &account, nullptr);
    for (int i = 0; i < kAccounts; ++i) {
        char code[8];
        std::snprintf(code, sizeof code, "%03d", 100 + i);
        const std::string name = accountName(i);
        sqlite3_bind_text(account, 1, code, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(account, 2, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(account);
        sqlite3_reset(account);
    }
    sqlite3_finalize(account);

    sqlite3_stmt* row = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO 仕訳台帳 VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, 0)", -1, &row, nullptr);
    std::mt19937 random(42);
    for (int i = 0; i < kJournalRows; ++i) {
        char date[16], voucher[16], debit[8], credit[8];
        std::snprintf(date, sizeof date, "2024-%02d-%02d", 4 + static_cast<int>(random() % 9), 1 + static_cast<int>(random() % 28));
        std::snprintf(voucher, sizeof voucher, "2404%08d", i / 3);
        std::snprintf(debit, sizeof debit, "%03d", 100 + static_cast<int>(random() % kAccounts));
        std::snprintf(credit, sizeof credit, "%03d", 100 + static_cast<int>(random() % kAccounts));
        const int amount = 1000 + static_cast<int>(random() % 1000000);
        sqlite3_bind_text(row, 1, date, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(row, 2, voucher, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(row, 3, i % 3 + 1);
        sqlite3_bind_text(row, 4, "事務用品の購入　文具店", -1, SQLITE_STATIC);
        sqlite3_bind_text(row, 5, "株式会社ベルモラ商店", -1, SQLITE_STATIC);
        sqlite3_bind_text(row, 6, debit, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(row, 7, amount);
        sqlite3_bind_text(row, 8, credit, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(row, 9, amount);
        if (i % 5 == 0) {
            sqlite3_bind_text(row, 10, "0001", -1, SQLITE_STATIC);
            sqlite3_bind_text(row, 11, "0001001", -1, SQLITE_STATIC);
        } else {
            sqlite3_bind_null(row, 10);
            sqlite3_bind_null(row, 11);
        }
        sqlite3_step(row);
        sqlite3_reset(row);
    }
    sqlite3_finalize(row);
    exec(db, "COMMIT");
    sqlite3_close(db);
}

using Clock = std::chrono::steady_clock;
double millisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Six fields of every row, as the journal list reads them.
// The raw walk runs on a connection of its own, opened once with the same page
// cache as the layer's, so both walks read warm pages.
double rawWalk(sqlite3* db, long long& checksum) {
    const auto start = Clock::now();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Q_仕訳台帳", -1, &st, nullptr);
    int date = -1, voucher = -1, memo = -1, name = -1, debit = -1, credit = -1;
    for (int i = 0; i < sqlite3_column_count(st); ++i) {
        const std::string column = sqlite3_column_name(st, i);
        if (column == "日付") date = i;
        if (column == "伝票番号") voucher = i;
        if (column == "摘要") memo = i;
        if (column == "勘定科目名") name = i;
        if (column == "入金") debit = i;
        if (column == "出金") credit = i;
    }
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::string d(reinterpret_cast<const char*>(sqlite3_column_text(st, date)));
        std::string v(reinterpret_cast<const char*>(sqlite3_column_text(st, voucher)));
        std::string m(reinterpret_cast<const char*>(sqlite3_column_text(st, memo)));
        std::string n(reinterpret_cast<const char*>(sqlite3_column_text(st, name)));
        checksum += sqlite3_column_int(st, debit) + sqlite3_column_int(st, credit)
                    + static_cast<long long>(d.size() + v.size() + m.size() + n.size());
    }
    sqlite3_finalize(st);
    return millisSince(start);
}

double dynasetWalk(dao::Database& db, long long& checksum) {
    const auto start = Clock::now();
    auto rs = db.OpenRecordset("Q_仕訳台帳");
    for (; !rs->EOF_(); rs->MoveNext()) {
        const auto date = rs->get("日付");
        const std::string voucher = rs->get("伝票番号").toText();
        const std::string memo = rs->get("摘要").toText();
        const std::string name = rs->get("勘定科目名").toText();
        checksum += rs->get("入金").toInt32() + rs->get("出金").toInt32()
                    + static_cast<long long>(voucher.size() + memo.size() + name.size()) + (date.isNull() ? 0 : 10);
    }
    return millisSince(start);
}

}  // namespace

int main() {
    const std::string path = (std::filesystem::temp_directory_path() / "velmora_dao_bench第1期.mdb").string();
    std::printf("building %d journal rows and %d accounts in %s\n", kJournalRows, kAccounts, path.c_str());
    buildFixture(path);

    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    exec(raw, "PRAGMA cache_size=-32768");
    double bestRaw = 1e300, bestDynaset = 1e300;
    long long rawSum = 0, dynasetSum = 0;
    for (int round = 0; round < 5; ++round) {
        long long r = 0, d = 0;
        bestRaw = std::min(bestRaw, rawWalk(raw, r));
        bestDynaset = std::min(bestDynaset, dynasetWalk(*db, d));
        rawSum = r;
        dynasetSum = d;
    }
    sqlite3_close(raw);
    std::printf("raw-sqlite walk of Q_仕訳台帳 (6 fields): %.1f ms\n", bestRaw);
    std::printf("dynaset open + walk of Q_仕訳台帳 (6 fields): %.1f ms\n", bestDynaset);
    std::printf("ratio dynaset-walk/raw-sqlite: %.2f\n", bestDynaset / bestRaw);
    if (rawSum <= 0 || dynasetSum <= 0) std::printf("warning: empty walk\n");

    {
        // The same walk when every cached row is stale: a write lands after the
        // open, so each block of rows is read again by key.
        const auto start = Clock::now();
        auto rs = db->OpenRecordset("Q_仕訳台帳");
        db->Execute("UPDATE 勘定科目コード表 SET 適用 = 1 WHERE 勘定科目コード = '100'");
        long long sum = 0;
        for (; !rs->EOF_(); rs->MoveNext()) sum += rs->get("入金").toInt32() + static_cast<long long>(rs->get("摘要").toText().size());
        std::printf("dynaset open + walk with every row re-read after a write: %.1f ms\n", millisSince(start));
    }

    auto chart = db->OpenRecordset("Q_勘定科目コード表");
    const int finds = 2000;
    const auto start = Clock::now();
    int found = 0;
    for (int i = 0; i < finds; ++i) {
        chart->MoveFirst();
        chart->FindFirst("勘定科目名 = '" + accountName(i % kAccounts) + "'");
        if (!chart->NoMatch()) ++found;
    }
    std::printf("FindFirst by account name over %d accounts: %.1f us per find (%d/%d found)\n", kAccounts,
                millisSince(start) * 1000.0 / finds, found, finds);
    chart->Close();
    db->Close();
    std::filesystem::remove(path);
    return 0;
}
