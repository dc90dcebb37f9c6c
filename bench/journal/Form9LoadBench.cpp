// Loading the journal-entry window, whose load fills the journal list, on a
// period file of 20,000 vouchers (50,000 rows), against a raw SQLite read of the
// same rows and fields in the same run. Prints its figures.
#include "common/o.h"
#include "journal/Form9.h"
#include "periodfile/PeriodFileCreator.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Value.h"
#include "platform/ui/ScriptedDialogs.h"

#include <QApplication>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int kVouchers = 20000;  // 10,000 of two rows and 10,000 of three: 50,000 rows

void exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error);
        std::exit(1);
    }
}

int fillJournal(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    exec(db, "BEGIN");
    exec(db,
         "INSERT INTO 取引銀行(no, 銀行コード, 支店コード, 種別, 期首残高) VALUES (1, '0001', '0001203', '普通預金', "
         "0)");
    exec(db, "INSERT INTO 取引先管理(取引先名) VALUES ('山田商店'), ('鈴木工業'), ('株式会社ベルモラ商店')");
    sqlite3_stmt* row = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO 仕訳台帳(日付, 伝票番号, 追番, 摘要, 取引先, 借方コード, 入金, 貸方コード, 出金, "
                       "銀行コード, 支店コード) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?7, ?9, ?10)",
                       -1, &row, nullptr);
    static const char* const debits[] = {"100", "411", "517", "201", "103"};
    static const char* const credits[] = {"400", "100", "100", "103", "111"};
    static const char* const partners[] = {"山田商店", "鈴木工業", "", "株式会社ベルモラ商店"};
    int rows = 0;
    for (int v = 0; v < kVouchers; ++v) {
        const int day = v * 365 / kVouchers;
        const std::string date = dao::Date::fromDayNumber(dao::Date{2024, 4, 1}.dayNumber() + day).isoText();
        char number[16];
        std::snprintf(number, sizeof number, "24%010d", v);
        const int count = v % 2 == 0 ? 2 : 3;
        for (int r = 1; r <= count; ++r) {
            const int k = (v + r) % 5;
            const std::string memo = "取引摘要 " + std::to_string(v) + "-" + std::to_string(r);
            sqlite3_bind_text(row, 1, date.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(row, 2, number, -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(row, 3, r);
            sqlite3_bind_text(row, 4, memo.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(row, 5, partners[v % 4], -1, SQLITE_STATIC);
            sqlite3_bind_text(row, 6, debits[k], -1, SQLITE_STATIC);
            sqlite3_bind_int(row, 7, 1000 + (v * 37 + r * 11) % 900000);
            sqlite3_bind_text(row, 8, credits[k], -1, SQLITE_STATIC);
            const bool bank = k == 3 || k == 4;
            sqlite3_bind_text(row, 9, bank ? "0001" : "", -1, SQLITE_STATIC);
            sqlite3_bind_text(row, 10, bank ? "0001203" : "", -1, SQLITE_STATIC);
            sqlite3_step(row);
            sqlite3_reset(row);
            ++rows;
        }
    }
    sqlite3_finalize(row);
    exec(db, "COMMIT");
    sqlite3_close(db);
    return rows;
}

using Clock = std::chrono::steady_clock;
double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The fields the journal list shows, of every row of Q_仕訳台帳.
double rawRead(sqlite3* db, long long& checksum)
{
    const auto start = Clock::now();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(
        db,
        "SELECT 日付, 伝票番号, 追番, 摘要, 取引先, 借方コード, 勘定科目名, 入金, 貸方コード, 勘定科目名2, "
        "出金, 支店コード, 銀行名, 支店名, 決算仕訳 FROM Q_仕訳台帳",
        -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int i = 0; i < 15; ++i) {
            const unsigned char* text = sqlite3_column_text(st, i);
            std::string value(text ? reinterpret_cast<const char*>(text) : "");
            checksum += static_cast<long long>(value.size());
        }
    }
    sqlite3_finalize(st);
    return millisSince(start);
}

// The database layer's share of the load: the journal dynaset walked for the same fields.
double dynasetRead(long long& checksum)
{
    const auto start = Clock::now();
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(o::DbFilePath);
    auto rs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
    static const char* const fields[] = {"日付",       "伝票番号",   "追番",   "摘要",       "取引先",
                                         "借方コード", "勘定科目名", "入金",   "貸方コード", "勘定科目名2",
                                         "出金",       "支店コード", "銀行名", "支店名",     "決算仕訳"};
    for (; !rs->EOF_(); rs->MoveNext())
        for (const char* field : fields)
            checksum += static_cast<long long>(rs->get(field).toText().size());
    return millisSince(start);
}

double loadForm9(int& lines)
{
    const auto start = Clock::now();
    journal::Form9 form;
    lines = form.List2->count();
    return millisSince(start);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installScriptedDialogs();

    const auto dir = std::filesystem::temp_directory_path() / "velmora-journal-bench";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "ベンチ商事第1期.mdb").string();
    periodfile::createPeriodFile(path, {"ベンチ商事", 1, "2024-04-01"});
    const int rows = fillJournal(path);
    std::printf("period file with %d vouchers, %d journal rows: %s\n", kVouchers, rows, path.c_str());

    o::DbFilePath = path;
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    double bestRaw = 1e300, bestForm = 1e300, bestDynaset = 1e300;
    long long checksum = 0;
    int lines = 0;
    for (int round = 0; round < 7; ++round) {
        bestRaw = std::min(bestRaw, rawRead(raw, checksum));
        bestForm = std::min(bestForm, loadForm9(lines));
        bestDynaset = std::min(bestDynaset, dynasetRead(checksum));
    }
    sqlite3_close(raw);
    std::printf("raw-sqlite read of the journal rows (15 fields): %.1f ms\n", bestRaw);
    std::printf("dynaset read of the same rows and fields: %.1f ms\n", bestDynaset);
    std::printf("Form9 load with its journal list (%d lines): %.1f ms\n", lines, bestForm);
    std::printf("ratio form9-load/raw-sqlite: %.2f\n", bestForm / bestRaw);
    if (lines != rows || checksum <= 0)
        std::printf("warning: the list does not show every row\n");
    std::fflush(stdout);

    o::ResetGlobals();
    std::filesystem::remove_all(dir);
    return 0;
}
