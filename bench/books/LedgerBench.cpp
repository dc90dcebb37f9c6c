// Showing the general ledger of the busiest account of a 50,000-row journal,
// against a raw SQLite read of that account's rows from the same journal
// query in the same run. Prints its figures.
#include "books/GeneralLedger.h"
#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Engine.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kJournalRows = 50000;
constexpr int kRepeats = 5;

void exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error ? error : "SQLite error");
        std::exit(1);
    }
}

std::vector<std::string> accountCodes(sqlite3* db)
{
    std::vector<std::string> codes;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT \"勘定科目コード\" FROM \"勘定科目コード表\" WHERE \"適用\" <> 0 ORDER BY 1", -1, &st,
                       nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        codes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return codes;
}

std::string codeOf(sqlite3* db, const char* name)
{
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT \"勘定科目コード\" FROM \"勘定科目コード表\" WHERE \"勘定科目名\" = ?1", -1, &st, nullptr);
    sqlite3_bind_text(st, 1, name, -1, SQLITE_TRANSIENT);
    std::string code;
    if (sqlite3_step(st) == SQLITE_ROW)
        code = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    return code;
}

// A year of vouchers: about four rows in ten move cash, the rest spread over
// the other accounts in use; some rows carry a bank.
void fillJournal(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::vector<std::string> codes = accountCodes(db);
    const std::string cash = codeOf(db, "現金");
    exec(db, "INSERT OR IGNORE INTO \"銀行コードﾏｽﾀｰ\" (\"銀行コード\", \"銀行名\", \"使用銀行\") VALUES ('9001', '試験銀行', 1)");
    exec(db, "INSERT OR IGNORE INTO \"支店コードﾏｽﾀｰ\" (\"銀行コード\", \"支店コード\", \"支店名\", \"使用支店\")"
             " VALUES ('9001', '9001001', '本店', 1)");
    exec(db, "BEGIN");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\", \"摘要\", \"取引先\", \"借方コード\","
                       " \"入金\", \"貸方コード\", \"出金\", \"銀行コード\", \"支店コード\", \"決算仕訳\")"
                       " VALUES (?1, ?2, 1, ?3, ?4, ?5, ?6, ?7, ?6, ?8, ?9, 0)",
                       -1, &st, nullptr);
    std::mt19937 random(20240401);
    std::uniform_int_distribution<int> day(0, 364), account(0, static_cast<int>(codes.size()) - 1),
        amount(1, 500000), percent(0, 99);
    for (int i = 0; i < kJournalRows; ++i) {
        const long long dayNumber = dao::Date{2024, 4, 1}.dayNumber() + day(random);
        const std::string date = dao::Date::fromDayNumber(dayNumber).isoText();
        std::string debit = codes[account(random)];
        std::string credit = codes[account(random)];
        const int p = percent(random);
        if (p < 20)
            debit = cash;
        else if (p < 40)
            credit = cash;
        const bool bank = percent(random) < 10;
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

// The account code with the most journal rows, and its name.
std::pair<std::string, std::string> busiestAccount(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
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

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The raw read: the account's rows of the journal query with the fields a
// ledger line shows, straight through the SQLite C API.
std::pair<double, long long> rawRead(const std::string& path, const std::string& code)
{
    const auto start = std::chrono::steady_clock::now();
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT \"日付\", \"摘要\", \"取引先\", \"借方コード\", \"貸方コード\", \"入金\", \"出金\","
                       " \"勘定科目名\", \"勘定科目名2\", \"銀行名\", \"支店名\", \"決算仕訳\" FROM \"Q_仕訳台帳\""
                       " WHERE \"借方コード\" = ?1 OR \"貸方コード\" = ?1",
                       -1, &st, nullptr);
    sqlite3_bind_text(st, 1, code.c_str(), -1, SQLITE_TRANSIENT);
    long long rows = 0;
    long long sum = 0;
    std::string sink;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c : {0, 1, 2, 3, 4, 7, 8, 9, 10}) {
            const unsigned char* text = sqlite3_column_text(st, c);
            if (text)
                sink.assign(reinterpret_cast<const char*>(text));
        }
        sum += sqlite3_column_int64(st, 5) + sqlite3_column_int64(st, 6) + sqlite3_column_int(st, 11);
        ++rows;
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    const double elapsed = seconds(std::chrono::steady_clock::now() - start);
    if (sum == 42)
        std::puts("");
    return {elapsed, rows};
}

struct LedgerTimes {
    double show = 0;         // findLedgerAccount + showLedger on the window's open journal recordset
    double openAndShow = 0;  // the same, with opening the journal recordset
    std::size_t lines = 0;
};

LedgerTimes ledgerShow(const std::string& path, const std::string& name)
{
    LedgerTimes times;
    const auto start = std::chrono::steady_clock::now();
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    const auto opened = std::chrono::steady_clock::now();
    const auto account = books::findLedgerAccount(*accounts, name);
    const books::LedgerView view = books::showLedger(*journal, *account, dao::Date::now());
    const auto end = std::chrono::steady_clock::now();
    times.show = seconds(end - opened);
    times.openAndShow = seconds(end - start);
    times.lines = view.lines.size();
    return times;
}

}  // namespace

int main()
{
    const auto dir = std::filesystem::temp_directory_path() / "velmora-books-bench";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "ベンチ商事第1期.mdb").string();
    periodfile::createPeriodFile(path, {"ベンチ商事", 1, "2024-04-01"});
    fillJournal(path);
    const auto [code, name] = busiestAccount(path);

    double bestRaw = 1e9, bestShow = 1e9, bestOpenAndShow = 1e9;
    long long rawRows = 0;
    std::size_t lines = 0;
    for (int i = 0; i < kRepeats; ++i) {
        const auto raw = rawRead(path, code);
        bestRaw = std::min(bestRaw, raw.first);
        rawRows = raw.second;
        const LedgerTimes ledger = ledgerShow(path, name);
        bestShow = std::min(bestShow, ledger.show);
        bestOpenAndShow = std::min(bestOpenAndShow, ledger.openAndShow);
        lines = ledger.lines;
    }
    std::printf("journal rows: %d\n", kJournalRows);
    std::printf("busiest account: %s %s (%lld rows, %zu ledger lines)\n", code.c_str(), name.c_str(), rawRows, lines);
    std::printf("raw sqlite read of its rows: %.2f ms\n", bestRaw * 1000);
    std::printf("ledger show (open journal recordset, then show): %.2f ms\n", bestOpenAndShow * 1000);
    std::printf("ledger show on the already open recordset: %.2f ms\n", bestShow * 1000);
    std::printf("ratio ledger-show/raw-sqlite: %.2f\n", bestOpenAndShow / bestRaw);
    std::filesystem::remove_all(dir);
    return 0;
}
