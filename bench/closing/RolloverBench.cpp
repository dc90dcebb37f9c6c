// The fiscal-year rollover of a period file of 100,000 journal rows, against a
// raw SQLite backup of the same file in the same run. The rollover copies the
// file through the engine's backup, recomputes the closed period's figures,
// rolls the copy forward in one transaction and renames it; the raw backup
// only copies. Prints both times and their ratio.

#include "closing/Rollover.h"
#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Value.h"

#include <benchmark/benchmark.h>
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

struct BenchFiles {
    std::filesystem::path dir;
    std::string source;
    std::string rawCopy;
    closing::RolloverFiles rollover;
};

BenchFiles& files()
{
    static BenchFiles f;
    return f;
}

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
    sqlite3_prepare_v2(db, "SELECT 勘定科目コード FROM 勘定科目コード表 WHERE 適用 <> 0 ORDER BY 1", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        codes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    return codes;
}

// A year of rows spread over the accounts in use, a tenth of them on a bank
// account; a few rows already dated in the next period; the bank accounts,
// some change history and a fixed-asset register.
void fillPeriodFile(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::vector<std::string> codes = accountCodes(db);
    exec(db, "BEGIN");
    exec(db, "INSERT INTO 取引銀行 (no, 銀行コード, 支店コード, 種別, 期首残高) VALUES"
             " (1, '0001', '0001203', '普通預金', 1000000), (2, '0009', '0009232', '当座預金', 500000)");
    for (int i = 0; i < 20; ++i)
        exec(db, "INSERT INTO 固定資産台帳 (管理番号, 名称, 勘定科目コード, 取得価格, 残存価格, 減価償却費) VALUES ('F-"
                     + std::to_string(i) + "', '備品', '145', 500000, 300000, 50000)");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 取引先, 借方コード, 入金, 貸方コード, 出金,"
                       " 銀行コード, 支店コード, 決算仕訳) VALUES (?1, ?2, 1, '取引', ?3, ?4, ?5, ?6, ?5, ?7, ?8, 0)",
                       -1, &st, nullptr);
    std::mt19937 random(20240401);
    std::uniform_int_distribution<int> day(0, 364), account(0, static_cast<int>(codes.size()) - 1),
        amount(1, 50000), percent(0, 99);
    for (int i = 0; i < kJournalRows; ++i) {
        const bool nextPeriod = i % 1000 == 999;
        const long long first = dao::Date{nextPeriod ? 2025 : 2024, 4, 1}.dayNumber();
        const std::string date = dao::Date::fromDayNumber(first + (nextPeriod ? day(random) % 20 : day(random))).isoText();
        char voucher[16];
        std::snprintf(voucher, sizeof voucher, "V%07d", i);
        const bool bank = percent(random) < 10;
        const std::string debit = bank ? "103" : codes[account(random)];
        sqlite3_bind_text(st, 1, date.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, voucher, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, i % 3 == 0 ? "東京商事" : "", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 4, debit.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 5, amount(random));
        sqlite3_bind_text(st, 6, codes[account(random)].c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 7, bank ? "0001" : "", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 8, bank ? "0001203" : "", -1, SQLITE_STATIC);
        if (sqlite3_step(st) != SQLITE_DONE) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    exec(db, "INSERT INTO 仕訳変更履歴 (変更日, 変更理由, 伝票番号, 日付, 追番) SELECT '2024-12-01 10:00:00', '1',"
             " 伝票番号, 日付, 追番 FROM 仕訳台帳 WHERE rowid % 50 = 0");
    exec(db, "COMMIT");
    sqlite3_close(db);
}

void prepare()
{
    BenchFiles& f = files();
    f.dir = std::filesystem::temp_directory_path() / "velmora-rollover-bench";
    std::filesystem::remove_all(f.dir);
    std::filesystem::create_directories(f.dir);
    f.source = (f.dir / "ベンチ商事第1期.mdb").string();
    f.rawCopy = (f.dir / "raw-backup.sqlite").string();
    f.rollover = {f.source, "ベンチ商事第2期.mdb", (f.dir / "ベンチ商事第2期.mdb").string()};
    periodfile::createPeriodFile(f.source, {"ベンチ商事", 1, "2024-04-01"});
    fillPeriodFile(f.source);
}

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The raw backup: the whole file into a new file with SQLite's backup API,
// the destination with SQLite's default settings.
void RawBackup(benchmark::State& state)
{
    const BenchFiles& f = files();
    for (auto _ : state) {
        std::filesystem::remove(f.rawCopy);
        const auto start = std::chrono::steady_clock::now();
        sqlite3* from = nullptr;
        sqlite3* to = nullptr;
        sqlite3_open_v2(f.source.c_str(), &from, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_open_v2(f.rawCopy.c_str(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
        const int rc = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        sqlite3_close(to);
        sqlite3_close(from);
        state.SetIterationTime(seconds(std::chrono::steady_clock::now() - start));
        if (rc != SQLITE_DONE)
            state.SkipWithError("the raw backup failed");
    }
}

void Rollover(benchmark::State& state)
{
    const BenchFiles& f = files();
    for (auto _ : state) {
        std::filesystem::remove(f.rollover.targetPath);
        const auto start = std::chrono::steady_clock::now();
        const closing::RolloverOutcome outcome = closing::RollOverPeriodFile(f.rollover);
        state.SetIterationTime(seconds(std::chrono::steady_clock::now() - start));
        if (!outcome.done)
            state.SkipWithError(outcome.failure.c_str());
    }
}

// Keeps the fastest iteration of each benchmark, as its figure.
class BestTimes : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const double perIteration = run.GetAdjustedRealTime();   // in the run's time unit
            double& best = run.benchmark_name().rfind("Rollover", 0) == 0 ? rollover : raw;
            best = best == 0 ? perIteration : std::min(best, perIteration);
        }
    }
    double rollover = 0;
    double raw = 0;
};

}  // namespace

BENCHMARK(RawBackup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(Rollover)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

int main(int argc, char** argv)
{
    prepare();
    benchmark::Initialize(&argc, argv);
    BestTimes reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("journal rows: %d, file size: %.1f MB\n", kJournalRows,
                static_cast<double>(std::filesystem::file_size(files().source)) / (1024.0 * 1024.0));
    std::printf("raw backup: %.1f ms, rollover: %.1f ms\n", reporter.raw, reporter.rollover);
    if (reporter.raw > 0 && reporter.rollover > 0)
        std::printf("ratio rollover/raw-backup: %.2f\n", reporter.rollover / reporter.raw);
    else
        std::printf("ratio rollover/raw-backup: not measured (a run failed)\n");
    std::filesystem::remove_all(files().dir);
    return 0;
}
