// The fiscal-year rollover of period files of 10,000, 100,000 and 1,000,000
// journal rows (--rows=N,M,... for others), against a raw SQLite backup of the
// same file in the same run. The rollover copies the file through the engine's
// backup, recomputes the closed period's figures, rolls the copy forward in one
// transaction and renames it; the raw backup only copies. Prints both times
// and their ratio for each size, by the clock and by the CPU time the process
// spent (the raw backup waits for the disk, the rollover hardly does).

#include "closing/Rollover.h"
#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Value.h"
#include "support/BenchSql.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <ctime>
#include <string>
#include <vector>

namespace {

using bench::accountCodes;
using bench::exec;

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

// A year of rows over the accounts in use, as a business books them: each row
// one of 400 pairs of debit and credit account that recur through the year (a
// tenth of the rows on a bank account); a few rows already dated in the next
// period; the bank accounts, some change history and a fixed-asset register.
// Amounts as a company of that size has them: the more rows, the smaller each,
// so that no account's total passes what the file stores (32-bit).
void fillPeriodFile(const std::string& path, int journalRows)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::vector<std::string> codes = accountCodes(db);
    exec(db, "BEGIN");
    exec(db,
         "INSERT INTO 取引銀行 (no, 銀行コード, 支店コード, 種別, 期首残高) VALUES"
         " (1, '0001', '0001203', '普通預金', 1000000), (2, '0009', '0009232', '当座預金', 500000)");
    for (int i = 0; i < 20; ++i)
        exec(db,
             "INSERT INTO 固定資産台帳 (管理番号, 名称, 勘定科目コード, 取得価格, 残存価格, 減価償却費) VALUES ('F-"
                 + std::to_string(i) + "', '備品', '145', 500000, 300000, 50000)");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 取引先, 借方コード, 入金, 貸方コード, 出金,"
                       " 銀行コード, 支店コード, 決算仕訳) VALUES (?1, ?2, 1, '取引', ?3, ?4, ?5, ?6, ?5, ?7, ?8, 0)",
                       -1, &st, nullptr);
    std::mt19937 random(20240401);
    std::uniform_int_distribution<int> day(0, 364), account(0, static_cast<int>(codes.size()) - 1),
        amount(1, static_cast<int>(std::clamp(2000000000LL / std::max(journalRows, 1), 1000LL, 50000LL))),
        percent(0, 99), pairOf(0, 399);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 0; i < 400; ++i)
        pairs.emplace_back(codes[account(random)], codes[account(random)]);
    for (int i = 0; i < journalRows; ++i) {
        const bool nextPeriod = i % 1000 == 999;
        const long long first = dao::Date{nextPeriod ? 2025 : 2024, 4, 1}.dayNumber();
        const std::string date =
            dao::Date::fromDayNumber(first + (nextPeriod ? day(random) % 20 : day(random))).isoText();
        char voucher[16];
        std::snprintf(voucher, sizeof voucher, "V%07d", i);
        const bool bank = percent(random) < 10;
        const auto& pair = pairs[pairOf(random)];
        const std::string debit = bank ? "103" : pair.first;
        sqlite3_bind_text(st, 1, date.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, voucher, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, i % 3 == 0 ? "東京商事" : "", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 4, debit.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 5, amount(random));
        sqlite3_bind_text(st, 6, pair.second.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 7, bank ? "0001" : "", -1, SQLITE_STATIC);
        sqlite3_bind_text(st, 8, bank ? "0001203" : "", -1, SQLITE_STATIC);
        if (sqlite3_step(st) != SQLITE_DONE) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    exec(db,
         "INSERT INTO 仕訳変更履歴 (変更日, 変更理由, 伝票番号, 日付, 追番) SELECT '2024-12-01 10:00:00', '1',"
         " 伝票番号, 日付, 追番 FROM 仕訳台帳 WHERE rowid % 50 = 0");
    exec(db, "COMMIT");
    sqlite3_close(db);
}

void prepare(int journalRows)
{
    BenchFiles& f = files();
    f.dir = std::filesystem::temp_directory_path() / "velmora-rollover-bench";
    std::filesystem::remove_all(f.dir);
    std::filesystem::create_directories(f.dir);
    f.source = (f.dir / "ベンチ商事第1期.mdb").string();
    f.rawCopy = (f.dir / "raw-backup.sqlite").string();
    f.rollover = {f.source, "ベンチ商事第2期.mdb", (f.dir / "ベンチ商事第2期.mdb").string(), 1};
    periodfile::createPeriodFile(f.source, {"ベンチ商事", 1, "2024-04-01"});
    fillPeriodFile(f.source, journalRows);
}

// The time a step took, by the clock and in CPU time of this process.
struct Spent {
    double wall = -1;
    double cpu = -1;
};

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

class Stopwatch {
public:
    Spent stop() const
    {
        return {std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wall).count(), cpuSeconds() - m_cpu};
    }

private:
    std::chrono::steady_clock::time_point m_wall = std::chrono::steady_clock::now();
    double m_cpu = cpuSeconds();
};

// The raw backup: the whole file into a new file with SQLite's backup API,
// the destination with SQLite's default settings.
Spent rawBackup()
{
    const BenchFiles& f = files();
    std::filesystem::remove(f.rawCopy);
    const Stopwatch watch;
    sqlite3* from = nullptr;
    sqlite3* to = nullptr;
    sqlite3_open_v2(f.source.c_str(), &from, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_open_v2(f.rawCopy.c_str(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    sqlite3_close(to);
    sqlite3_close(from);
    const Spent spent = watch.stop();
    return rc == SQLITE_DONE ? spent : Spent{};
}

Spent rollover(std::string& failure)
{
    const BenchFiles& f = files();
    std::filesystem::remove(f.rollover.targetPath);
    const Stopwatch watch;
    // The rows run over every account in use, 諸口 among them: the user is
    // asked about the openings and goes on.
    const closing::RolloverOutcome outcome =
        closing::RollOverPeriodFile(f.rollover, [](const std::string&) { return true; });
    const Spent spent = watch.stop();
    failure = outcome.failure;
    return outcome.done ? spent : Spent{};
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<int> sizesFrom(int argc, char** argv)
{
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rows=", 7) != 0)
            continue;
        for (const char* p = argv[i] + 7; *p;) {
            sizes.push_back(std::atoi(p));
            while (*p && *p != ',')
                ++p;
            if (*p == ',')
                ++p;
        }
    }
    if (sizes.empty())
        sizes = {10000, 100000, 1000000};
    return sizes;
}

// Each pair times a raw backup and a rollover of the same file one after the
// other, so that both meet the same load on the machine; the figure is the
// median of the pairs' ratios.
void measure(int journalRows)
{
    prepare(journalRows);
    const int pairs = journalRows >= 1000000 ? 5 : 15;
    std::vector<double> raws, rolls, ratios, rawCpus, rollCpus, cpuRatios;
    std::string failure;
    for (int i = 0; i < pairs; ++i) {
        const Spent raw = rawBackup();
        const Spent rolled = rollover(failure);
        if (raw.wall <= 0 || rolled.wall <= 0) {
            if (raw.wall <= 0)
                failure = "the raw backup failed";
            break;
        }
        raws.push_back(raw.wall);
        rolls.push_back(rolled.wall);
        ratios.push_back(rolled.wall / raw.wall);
        rawCpus.push_back(raw.cpu);
        rollCpus.push_back(rolled.cpu);
        cpuRatios.push_back(rolled.cpu / raw.cpu);
    }
    std::printf("journal rows: %d, file size: %.1f MB, pairs timed: %zu\n", journalRows,
                static_cast<double>(std::filesystem::file_size(files().source)) / (1024.0 * 1024.0), ratios.size());
    std::printf("raw backup: %.1f ms, rollover: %.1f ms (medians; CPU time %.1f ms and %.1f ms)\n", median(raws) * 1000,
                median(rolls) * 1000, median(rawCpus) * 1000, median(rollCpus) * 1000);
    if (!failure.empty()) {
        std::printf("ratio rollover/raw-backup: not measured (%s) (%d rows)\n", failure.c_str(), journalRows);
    } else {
        std::printf("ratio rollover/raw-backup: %.2f (%d rows)\n", median(ratios), journalRows);
        std::printf("cpu ratio rollover/raw-backup: %.2f (%d rows)\n", median(cpuRatios), journalRows);
    }
    std::fflush(stdout);
    std::filesystem::remove_all(files().dir);
}

}  // namespace

int main(int argc, char** argv)
{
    for (int rows : sizesFrom(argc, argv))
        measure(rows);
    return 0;
}
