// The fiscal-year rollover of period files of 10,000, 100,000 and 1,000,000
// journal rows (--rows=N,M,... for others), against a raw SQLite backup of the
// same file in the same run. The rollover copies the file through the engine's
// backup, recomputes the closed period's figures, rolls the copy forward in one
// transaction and renames it; the raw backup only copies. Prints both times
// and their ratio for each size, by the clock and by the CPU time the process
// spent (the raw backup waits for the disk, the rollover hardly does).

#include "closing/Rollover.h"
#include "periodfile/PeriodFileCreator.h"
#include "support/BenchSql.h"
#include "support/SampleShapedJournal.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ctime>
#include <string>
#include <vector>

namespace {

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

// A year of rows shaped like the sample company's books
// (support/SampleShapedJournal.h), a voucher in a thousand already dated in
// the next period; some change history and a fixed-asset register.
void fillPeriodFile(const std::string& path, int journalRows)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    bench::writeSampleShapedJournal(db, {journalRows, "2024-04-01", 0, 1});
    exec(db, "BEGIN");
    for (int i = 0; i < 20; ++i)
        exec(db,
             "INSERT INTO 固定資産台帳 (管理番号, 名称, 勘定科目コード, 取得価格, 残存価格, 減価償却費) VALUES ('F-"
                 + std::to_string(i) + "', '備品', '145', 500000, 300000, 50000)");
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
