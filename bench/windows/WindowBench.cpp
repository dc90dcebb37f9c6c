// The windows as the books grow, on prepared period files of 10,000, 100,000
// and 1,000,000 journal rows (or the sizes given as --rows=N,...). Each window
// is opened in a process of its own, so that the first open is the first of
// its run and the peak memory is its own; each is set against raw SQLite in the
// same process:
//  - form9-open: the journal window's first open, with its journal list
//    filled; raw: one read of the fields the list shows, of every row.
//  - save: one voucher of two rows registered through the journal window, the
//    click until its list shows it; raw: the same two rows inserted with their
//    commit on a connection of its own (best of five, before the window opens).
//  - ledger-open: the general-ledger window's first open with the ledger of
//    its busiest account shown; raw: that account's rows of the journal query.
//  - books-open: the books window's first open; raw: the rows of its books.
//  - closing-open: the closing window's load, its journal holding bank rows;
//    raw: the closing entries and the bank journal read once.
//  - closing-save: one closing voucher of two rows registered through the
//    closing window's entry tab, the click until its closing-entry list shows
//    it; raw: as for save (measured with closing-open, in its process).
// --only=form9,ledger,books,closing measures only the windows named (closing:
// closing-open and closing-save).
// Prints, for each size, "ratio <name>/raw...: X" and, for the journal, books
// and closing windows, "rss <window>-open/file-size: X" (the process's peak
// resident memory with the window open against the period file's size).
#include "books/BenchJournal.h"
#include "support/BenchSql.h"
#include "support/SampleShapedJournal.h"

#include "books/Form14.h"
#include "books/Form33.h"
#include "closing/ClosingEntryTab.h"
#include "common/EditMode.h"
#include "common/o.h"
#include "frame/Fonts.h"
#include "journal/Form9.h"
#include "platform/ui/ScriptedDialogs.h"
#include "statements/Form34.h"

#include <QApplication>
#include <QFocusEvent>
#include <QListWidget>
#include <QTabWidget>

#include <sqlite3.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The process's peak resident memory, in bytes.
double peakResidentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) * 1024.0;
    return 0;
}

struct Prepared {
    int rows = 0;
    std::string path;
    std::string busiestCode;
    std::string busiestName;
    double fileBytes = 0;
};

void printRss(const char* window, const Prepared& file)
{
    const double peak = peakResidentBytes();
    std::printf("  %s peak resident %.1f MB, period file %.1f MB\n", window, peak / 1048576.0, file.fileBytes / 1048576.0);
    std::printf("rss %s/file-size: %.2f (%d rows)\n", window, peak / file.fileBytes, file.rows);
}

void printRatio(const char* name, const char* rawName, double measured, double raw, int rows)
{
    std::printf("  %s %.1f ms, %s %.2f ms\n", name, measured, rawName, raw);
    std::printf("ratio %s/%s: %.2f (%d rows)\n", name, rawName, measured / raw, rows);
}

double bestOf(int runs, const std::function<double()>& run)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) best = std::min(best, run());
    return best;
}

double rawRead(const Prepared& file, const std::vector<bench::RawQuery>& queries)
{
    const auto start = Clock::now();
    for (const bench::RawQuery& query : queries) bench::readRaw(file.path, query);
    return millisSince(start);
}

// The rows a voucher of the save benchmark holds, inserted raw with their commit.
double rawInsert(const Prepared& file, int round)
{
    sqlite3* db = nullptr;
    sqlite3_open(file.path.c_str(), &db);
    const auto start = Clock::now();
    bench::exec(db, "BEGIN IMMEDIATE");
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\", \"摘要\", \"借方コード\", \"入金\","
                       " \"貸方コード\", \"出金\") VALUES ('2025-03-31', ?1, ?2, ?3, '500', 1200, '100', 1200)",
                       -1, &st, nullptr);
    const std::string number = "R" + std::to_string(round);
    for (int row = 1; row <= 2; ++row) {
        const std::string memo = "ベンチ仕入" + std::to_string(row);
        sqlite3_bind_text(st, 1, number.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 2, row);
        sqlite3_bind_text(st, 3, memo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    bench::exec(db, "COMMIT");
    const double time = millisSince(start);
    sqlite3_close(db);
    return time;
}

void leave(QWidget* cell)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(cell, &out);
}

// Two rows of 仕入高 against 現金, 1,200 yen each, described `description` and the round.
void fillTwoRows(journal::EntryGrid& g, const char* description, int round)
{
    for (int row = 0; row < 2; ++row) {
        g.Text1[row]->setText(QString::fromUtf8(description) + QString("%1-%2").arg(round).arg(row + 1));
        g.Combo1[row]->setEditText("仕入高");
        leave(g.Combo1[row]);
        g.Combo7[row]->setEditText("現金");
        leave(g.Combo7[row]);
        g.Text8[row]->setText("1200");
        leave(g.Text8[row]);
    }
}

// Fills the grid with a voucher of two rows and times "登録" until the list shows it.
double registerThroughTheWindow(journal::Form9& form, int round)
{
    form.Command1[0]->click();
    form.Combo2[0]->setEditText("2025年");
    form.Combo2[1]->setEditText("3月");
    form.Combo2[2]->setEditText("31日");
    leave(form.Combo2[2]);
    fillTwoRows(form.grid(), "ベンチ仕入", round);
    const int before = form.List2->count();
    const auto start = Clock::now();
    form.Command1[1]->click();
    QApplication::processEvents();
    const double time = millisSince(start);
    if (form.List2->count() != before + 2)
        std::printf("warning: the journal list did not gain the voucher's two lines\n");
    return time;
}

void journalWindow(const Prepared& file)
{
    const double rawSave = bestOf(5, [&, round = 0]() mutable { return rawInsert(file, round++); });
    const double raw = bestOf(3, [&] { return rawRead(file, {bench::journalQuery()}); });
    const auto start = Clock::now();
    journal::Form9 form;
    form.resize(1280, 720);
    form.show();
    QApplication::processEvents();
    const double open = millisSince(start);
    printRatio("form9-open", "raw-sqlite", open, raw, file.rows);
    printRss("form9-open", file);

    o::SetEditMode(o::EditModeOn);
    const double save = bestOf(5, [&, round = 0]() mutable { return registerThroughTheWindow(form, round++); });
    printRatio("save", "raw-insert", save, rawSave, file.rows);
}

void ledgerWindow(const Prepared& file)
{
    const double raw = bestOf(3, [&] { return rawRead(file, {bench::accountRowsQuery(file.busiestCode)}); });
    const auto start = Clock::now();
    books::Form33 form;
    form.resize(1280, 720);
    form.show();
    QApplication::processEvents();
    for (int i = 0; i < form.List2()->count(); ++i)
        if (form.List2()->item(i)->text().toStdString() == file.busiestName) form.List2()->setCurrentRow(i);
    form.SSTab1()->setCurrentIndex(1);
    form.List1()->repaint();
    QApplication::processEvents();
    printRatio("ledger-open", "raw-sqlite", millisSince(start), raw, file.rows);
    printRss("ledger-open", file);
}

void booksWindow(const Prepared& file)
{
    const double raw = bestOf(3, [&] { return rawRead(file, bench::booksQueries()); });
    const auto start = Clock::now();
    books::Form14 form;
    form.resize(1280, 720);
    form.show();
    QApplication::processEvents();
    printRatio("books-open", "raw-sqlite", millisSince(start), raw, file.rows);
    printRss("books-open", file);
}

// Fills the closing tab's grid with a voucher of two rows (the date boxes keep
// the period's end) and times "登録" until the closing-entry list shows it.
double registerThroughTheClosingTab(statements::Form34& form, int round)
{
    auto& tab = dynamic_cast<closing::ClosingEntryTab&>(form.entryPage());
    fillTwoRows(tab.grid(), "ベンチ決算", round);
    const int before = tab.List2->count();
    const auto start = Clock::now();
    form.Command1.at(statements::Form34::RegisterButton)->click();
    QApplication::processEvents();
    const double time = millisSince(start);
    if (tab.List2->count() != before + 2)
        std::printf("warning: the closing-entry list did not gain the voucher's two lines\n");
    return time;
}

void closingWindow(const Prepared& file)
{
    const double rawSave = bestOf(5, [&, round = 0]() mutable { return rawInsert(file, round++); });
    const double raw = bestOf(3, [&] {
        return rawRead(file, {{"SELECT * FROM \"Q_決算仕訳台帳\"", ""}, {"SELECT * FROM \"Q_取引銀行仕訳\"", ""}});
    });
    closing::registerClosingEntryTab();
    const auto start = Clock::now();
    statements::Form34 form;
    form.resize(1280, 720);
    form.show();
    QApplication::processEvents();
    printRatio("closing-open", "raw-sqlite", millisSince(start), raw, file.rows);
    printRss("closing-open", file);

    o::SetEditMode(o::EditModeOn);
    const double first = registerThroughTheClosingTab(form, 0);
    const double save =
        std::min(first, bestOf(4, [&, round = 1]() mutable { return registerThroughTheClosingTab(form, round++); }));
    std::printf("  closing-save first after the open %.1f ms\n", first);
    printRatio("closing-save", "raw-insert", save, rawSave, file.rows);
}

// Runs `measure` in a child process with an application of its own.
void inOwnProcess(const char* program, const std::function<void()>& measure)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        int argc = 1;
        char* argv[] = {const_cast<char*>(program), nullptr};
        QApplication app(argc, argv);
        frame::installFontSubstitutions();
        QApplication::setFont(frame::fixedPitchFont(9), "QListWidget");
        ui::installScriptedDialogs().setFailureHandler([](const std::string& report) {
            std::fprintf(stderr, "unexpected dialog: %s\n", report.c_str());
        });
        measure();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::printf("warning: a measuring process failed\n");
}

// --only=form9,ledger,books,closing: the windows to measure (all without it).
bool wanted(int argc, char** argv, const char* window)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--only=", 7) == 0) return std::strstr(argv[i] + 7, window) != nullptr;
    return true;
}

std::vector<int> sizesFrom(int argc, char** argv)
{
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rows=", 7) != 0) continue;
        for (const char* p = argv[i] + 7; *p;) {
            sizes.push_back(std::atoi(p));
            while (*p && *p != ',') ++p;
            if (*p == ',') ++p;
        }
    }
    if (sizes.empty()) sizes = {10000, 100000, 1000000};
    return sizes;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto dir = std::filesystem::temp_directory_path() / ("velmora-window-bench-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    for (int rows : sizesFrom(argc, argv)) {
        Prepared file;
        file.rows = rows;
        file.path = (dir / ("ベンチ商事" + std::to_string(rows) + "第1期.mdb")).string();
        const bench::GeneratedJournal made = bench::makeSampleShapedFile(file.path, {rows});
        std::tie(file.busiestCode, file.busiestName) = bench::busiestAccount(file.path);
        file.fileBytes = static_cast<double>(std::filesystem::file_size(file.path));
        o::DbFilePath = file.path;
        std::printf(
            "journal rows: %d in %d vouchers, %.0f %% on the deposit accounts, amounts x %.3f; period file %.1f MB\n",
            made.rows, made.vouchers, 100.0 * made.depositRows / made.rows, made.amountScale,
            file.fileBytes / 1048576.0);
        if (wanted(argc, argv, "form9")) inOwnProcess(argv[0], [&] { journalWindow(file); });
        if (wanted(argc, argv, "ledger")) inOwnProcess(argv[0], [&] { ledgerWindow(file); });
        if (wanted(argc, argv, "books")) inOwnProcess(argv[0], [&] { booksWindow(file); });
        if (wanted(argc, argv, "closing")) inOwnProcess(argv[0], [&] { closingWindow(file); });
        std::filesystem::remove(file.path);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
