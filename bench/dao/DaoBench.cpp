// Walking the journal query through a dynaset against a raw SQLite walk of the
// same query, on a prepared period file (the schema and standard chart of
// velmora-periodfile create) holding 100,000 journal rows; and FindFirst by
// account name over the whole chart. Prints its figures.
#include "periodfile/PeriodFileCreator.h"
#include "periodfile/StandardContents.h"
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

constexpr int kJournalRows = 100000;

void exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error);
        std::exit(1);
    }
}

// The accounts in use of the standard chart: the codes the journal rows take.
std::vector<std::string> codesInUse()
{
    std::vector<std::string> codes;
    for (const periodfile::StandardAccount& account : periodfile::standardChart())
        if (account.inUse)
            codes.emplace_back(account.code);
    return codes;
}

void buildFixture(const std::string& path)
{
    std::filesystem::remove(path);
    periodfile::createPeriodFile(path, {"ベンチマーク商事", 1, "2024-04-01"});
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    exec(db, "BEGIN");
    const std::vector<std::string> codes = codesInUse();
    sqlite3_stmt* row = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 取引先, 借方コード, 入金, 貸方コード, 出金,"
                       " 銀行コード, 支店コード, 決算仕訳) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, 0)",
                       -1, &row, nullptr);
    std::mt19937 random(42);
    for (int i = 0; i < kJournalRows; ++i) {
        char date[16], voucher[16];
        std::snprintf(date, sizeof date, "2024-%02d-%02d", 4 + static_cast<int>(random() % 9),
                      1 + static_cast<int>(random() % 28));
        std::snprintf(voucher, sizeof voucher, "2404%08d", i / 3);
        const std::string& debit = codes[random() % codes.size()];
        const std::string& credit = codes[random() % codes.size()];
        const int amount = 1000 + static_cast<int>(random() % 1000000);
        sqlite3_bind_text(row, 1, date, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(row, 2, voucher, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(row, 3, i % 3 + 1);
        sqlite3_bind_text(row, 4, "事務用品の購入　文具店", -1, SQLITE_STATIC);
        sqlite3_bind_text(row, 5, "株式会社ベルモラ商店", -1, SQLITE_STATIC);
        sqlite3_bind_text(row, 6, debit.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(row, 7, amount);
        sqlite3_bind_text(row, 8, credit.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(row, 9, amount);
        // Every fifth row moves a deposit of the sample bank master.
        sqlite3_bind_text(row, 10, i % 5 == 0 ? "0001" : "", -1, SQLITE_STATIC);
        sqlite3_bind_text(row, 11, i % 5 == 0 ? "0001203" : "", -1, SQLITE_STATIC);
        sqlite3_step(row);
        sqlite3_reset(row);
    }
    sqlite3_finalize(row);
    exec(db, "COMMIT");
    sqlite3_close(db);
}

using Clock = std::chrono::steady_clock;
double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Six fields of every row, as the journal list reads them.
// The raw walk runs on a connection of its own, opened once with the same page
// cache as the layer's, so both walks read warm pages.
double rawWalk(sqlite3* db, long long& checksum)
{
    const auto start = Clock::now();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Q_仕訳台帳", -1, &st, nullptr);
    int date = -1, voucher = -1, memo = -1, name = -1, debit = -1, credit = -1;
    for (int i = 0; i < sqlite3_column_count(st); ++i) {
        const std::string column = sqlite3_column_name(st, i);
        if (column == "日付")
            date = i;
        if (column == "伝票番号")
            voucher = i;
        if (column == "摘要")
            memo = i;
        if (column == "勘定科目名")
            name = i;
        if (column == "入金")
            debit = i;
        if (column == "出金")
            credit = i;
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

double dynasetWalk(dao::Database& db, long long& checksum)
{
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

int main()
{
    const std::string path = (std::filesystem::temp_directory_path() / "velmora_dao_bench第1期.mdb").string();
    std::printf("preparing a period file with %d journal rows in %s\n", kJournalRows, path.c_str());
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
    if (rawSum <= 0 || dynasetSum <= 0)
        std::printf("warning: empty walk\n");

    {
        // The same walk when every cached row is stale: a write lands after the
        // open, so each block of rows is read again by key.
        const auto start = Clock::now();
        auto rs = db->OpenRecordset("Q_仕訳台帳");
        db->Execute("UPDATE 勘定科目コード表 SET 適用 = 1 WHERE 勘定科目コード = '100'");
        long long sum = 0;
        for (; !rs->EOF_(); rs->MoveNext())
            sum += rs->get("入金").toInt32() + static_cast<long long>(rs->get("摘要").toText().size());
        std::printf("dynaset open + walk with every row re-read after a write: %.1f ms\n", millisSince(start));
    }

    // Every account of the chart looked up by name, from the first row each time.
    auto chart = db->OpenRecordset("Q_勘定科目コード表");
    std::vector<std::string> names;
    for (const periodfile::StandardAccount& account : periodfile::standardChart())
        names.emplace_back(account.name);
    const int rounds = 20;
    const auto start = Clock::now();
    int found = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const std::string& name : names) {
            chart->MoveFirst();
            chart->FindFirst("勘定科目名 = '" + name + "'");
            if (!chart->NoMatch())
                ++found;
        }
    }
    const int finds = rounds * static_cast<int>(names.size());
    std::printf("FindFirst by account name over the whole chart (%zu accounts): %.1f us per find (%d/%d found)\n",
                names.size(), millisSince(start) * 1000.0 / finds, found, finds);
    chart->Close();
    db->Close();
    std::filesystem::remove(path);
    return 0;
}
