// The period figures (TallyAccountTotals + ComputeClosingBalances) and the
// closing window on prepared files of 100,000 and 1,000,000 journal rows, each
// against the two raw SQLite GROUP BYs of the same sums on the journal table in
// the same run. The closing window is timed as a user meets it: its load (the
// period figures tallied and every statement built) until it is shown; its
// refresh alone is timed too. Prints its figures.
#include "closing/ClosingEntryTab.h"
#include "common/o.h"
#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Engine.h"
#include "platform/printing/RecordingPrinter.h"
#include "platform/ui/ScriptedDialogs.h"
#include "statements/Form34.h"
#include "statements/PeriodFigures.h"
#include "support/BenchSql.h"

#include <QApplication>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using bench::accountCodes;
using bench::exec;

constexpr int kRepeats = 5;

// A year of journal rows spread over the accounts in use; one row in a
// thousand a closing entry.
void fillJournal(const std::string& path, int rows)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::vector<std::string> codes = accountCodes(db);
    exec(db, "BEGIN");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\", \"摘要\", \"取引先\", \"借方コード\","
        " \"入金\", \"貸方コード\", \"出金\", \"銀行コード\", \"支店コード\", \"決算仕訳\")"
        " VALUES (?1, ?2, 1, 'ベンチマーク用の取引', '', ?3, ?4, ?5, ?4, '', '', ?6)",
        -1, &st, nullptr);
    std::mt19937 random(20240401);
    std::uniform_int_distribution<int> day(0, 364), account(0, static_cast<int>(codes.size()) - 1), amount(1, 50000);
    const long long first = dao::Date{2024, 4, 1}.dayNumber();
    for (int i = 0; i < rows; ++i) {
        const std::string date = dao::Date::fromDayNumber(first + day(random)).isoText();
        char voucher[16];
        std::snprintf(voucher, sizeof voucher, "V%08d", i);
        sqlite3_bind_text(st, 1, date.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, voucher, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 3, codes[static_cast<std::size_t>(account(random))].c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 4, amount(random));
        sqlite3_bind_text(st, 5, codes[static_cast<std::size_t>(account(random))].c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 6, i % 1000 == 0 ? 1 : 0);
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

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The two raw GROUP BYs: the debit and the credit sums of every code, read
// through the SQLite C API.
double rawGroupBy(const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    long long sum = 0;
    for (const char* sql : {"SELECT \"借方コード\", SUM(\"入金\") FROM \"仕訳台帳\" GROUP BY \"借方コード\"",
                            "SELECT \"貸方コード\", SUM(\"出金\") FROM \"仕訳台帳\" GROUP BY \"貸方コード\""}) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW)
            sum += sqlite3_column_int64(st, 1);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    const double elapsed = seconds(std::chrono::steady_clock::now() - start);
    if (sum == 42)
        std::puts("");
    return elapsed;
}

// The closing window on the file at `path`: its load until it is shown, and
// then a refresh with every statement rebuilt, best of `repeats`, each round
// with the raw GROUP BYs again; `raw` is the best raw time so far.
void closingWindow(const std::string& path, int rows, double raw, int repeats)
{
    o::DbFilePath = path;
    double bestLoad = 1e9, bestRefresh = 1e9;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        statements::Form34 form;
        form.show();
        QApplication::processEvents();
        const auto loaded = std::chrono::steady_clock::now();
        form.RefreshClosingForm();
        const auto refreshed = std::chrono::steady_clock::now();
        bestLoad = std::min(bestLoad, seconds(loaded - start));
        bestRefresh = std::min(bestRefresh, seconds(refreshed - loaded));
        raw = std::min(raw, rawGroupBy(path));
    }
    // The window's file is let go before the file is removed.
    o::EraRecordset.reset();
    o::CompanyDb.reset();
    std::printf("closing window on %d rows: load %.1f ms, RefreshClosingForm %.1f ms, raw GROUP BY %.1f ms\n", rows,
                bestLoad * 1000, bestRefresh * 1000, raw * 1000);
    std::printf("ratio form34-load/raw-groupby: %.2f (%d rows)\n", bestLoad / raw, rows);
    std::printf("ratio form34-refresh/raw-groupby: %.2f (%d rows)\n", bestRefresh / raw, rows);
}

double tally(const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    auto workspace = dao::DBEngine::instance().Workspaces(0);
    auto db = workspace->OpenDatabase(path);
    statements::RecomputePeriodFigures(*workspace, *db);
    return seconds(std::chrono::steady_clock::now() - start);
}

std::string prepare(const std::filesystem::path& dir, int rows)
{
    const std::string path = (dir / ("ベンチ工業" + std::to_string(rows) + "第1期.mdb")).string();
    periodfile::createPeriodFile(path, {"ベンチ工業", 1, "2024-04-01"});
    fillJournal(path, rows);
    return path;
}

}  // namespace

int main(int argc, char** argv)
{

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installScriptedDialogs().setFailureHandler(
        [](const std::string& report) { std::fprintf(stderr, "unexpected dialog: %s\n", report.c_str()); });
    printing::installRecordingPrinter();

    const auto dir = std::filesystem::temp_directory_path() / "velmora-statements-bench";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    o::DataFolder = dir.string();
    closing::registerClosingEntryTab();
    for (int rows : {100000, 1000000}) {
        const std::string path = prepare(dir, rows);
        double bestRaw = 1e9, bestTally = 1e9;
        for (int i = 0; i < kRepeats; ++i) {
            bestRaw = std::min(bestRaw, rawGroupBy(path));
            bestTally = std::min(bestTally, tally(path));
        }
        std::printf("journal rows: %d\n", rows);
        std::printf("raw sqlite GROUP BY (debit and credit): %.1f ms\n", bestRaw * 1000);
        std::printf("TallyAccountTotals + ComputeClosingBalances: %.1f ms\n", bestTally * 1000);
        std::printf("ratio tally/raw-groupby: %.2f\n", bestTally / bestRaw);
        closingWindow(path, rows, bestRaw, rows > 100000 ? 3 : kRepeats);
        std::filesystem::remove(path);
    }
    o::ResetGlobals();
    std::filesystem::remove_all(dir);
    return 0;
}
