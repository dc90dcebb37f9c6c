// The books as the user waits for them, on prepared journals of 10,000,
// 100,000 and 1,000,000 rows (or the sizes given as --rows=N,...), each against
// a raw SQLite read of the same rows in the same run:
//  - ledger-window: the general-ledger window loaded; then choosing its
//    busiest account until the ledger list is shown on its tab (laid out and
//    painted, offscreen); raw: that account's rows of the journal query.
//  - books-window: the books window loaded and shown; raw: the rows of the
//    cash book, the bank books and the four sub-ledgers.
//  - ledger-all: every account's ledger lines built as the printout of all
//    accounts builds them from the recordsets the general-ledger window holds
//    since its load, on a device that draws nothing; raw: every row of the
//    journal query.
// Prints "ratio <name>/raw-sqlite: X" for each size (best of the runs).
#include "BenchJournal.h"

#include "books/Form14.h"
#include "books/Form33.h"
#include "books/GeneralLedger.h"
#include "common/PrintRoutines.h"
#include "common/o.h"
#include "frame/Fonts.h"
#include "platform/dao/Engine.h"
#include "platform/printing/TextCells.h"
#include "platform/ui/ScriptedDialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// A printer that lays out and keeps nothing.
class NullPrinter : public printing::PrinterDevice {
public:
    double textWidth(const std::string& text) const override
    {
        return printing::halfWidthCells(text) * 0.5 * fontSize();
    }
    double textHeight(const std::string&) const override { return fontSize(); }
    double paperWidth() const override { return 566.9; }
    double paperHeight() const override { return 813.5; }
    long long texts = 0;

protected:
    void beginSheet(double, bool) override {}
    void drawOnSheet(const printing::PlacedText&) override { ++texts; }
    void endSheets() override {}
};

struct Prepared {
    int rows = 0;
    std::string path;
    std::string busiestCode;
    std::string busiestName;
};

std::map<std::string, double> g_best;  // by benchmark name: the best time in seconds

void keepBest(const std::string& name, double time)
{
    auto [it, added] = g_best.emplace(name, time);
    if (!added)
        it->second = std::min(it->second, time);
}

void ledgerWindow(benchmark::State& state, const std::string& key, const Prepared& file)
{
    o::DbFilePath = file.path;
    for (auto _ : state) {
        books::Form33 form;
        form.resize(1280, 720);
        form.show();
        QApplication::processEvents();
        int row = -1;
        for (int i = 0; i < form.List2()->count(); ++i)
            if (form.List2()->item(i)->text().toStdString() == file.busiestName)
                row = i;
        const auto start = std::chrono::steady_clock::now();
        form.List2()->setCurrentRow(row);  // as the arrow keys choose it
        form.SSTab1()->setCurrentIndex(1);
        form.List1()->repaint();
        QApplication::processEvents();
        const double time = seconds(std::chrono::steady_clock::now() - start);
        state.SetIterationTime(time);
        keepBest(key, time);
        state.counters["lines"] = form.List1()->count();
    }
}

void booksWindow(benchmark::State& state, const std::string& key, const Prepared& file)
{
    o::DbFilePath = file.path;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        books::Form14 form;
        form.resize(1280, 720);
        form.show();
        form.repaint();
        QApplication::processEvents();
        const double time = seconds(std::chrono::steady_clock::now() - start);
        state.SetIterationTime(time);
        keepBest(key, time);
        state.counters["cash lines"] = form.List1()->count();
    }
}

void ledgerAll(benchmark::State& state, const std::string& key, const Prepared& file)
{
    // The recordsets the general-ledger window holds from its load.
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path);
    auto accounts = db->OpenRecordset("Q_使用勘定科目表");
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        NullPrinter printer;
        o::PreparePrinter(printer, 9, 0, 0, "ＭＳ ゴシック", 9);
        books::printLedgers(printer, *accounts, *journal, "", "ベンチ商事", books::LedgerPrintMode::AllAccounts,
                            dao::Date::now());
        printer.endDoc();
        const double time = seconds(std::chrono::steady_clock::now() - start);
        state.SetIterationTime(time);
        keepBest(key, time);
        state.counters["texts"] = static_cast<double>(printer.texts);
    }
}

void raw(benchmark::State& state, const std::string& key, const Prepared& file,
         const std::vector<bench::RawQuery>& queries)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        long long rows = 0;
        for (const bench::RawQuery& query : queries)
            rows += bench::readRaw(file.path, query);
        const double time = seconds(std::chrono::steady_clock::now() - start);
        state.SetIterationTime(time);
        keepBest(key, time);
        state.counters["rows"] = static_cast<double>(rows);
    }
}

std::vector<int> sizesFrom(int& argc, char** argv)
{
    std::vector<int> sizes;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rows=", 7) == 0) {
            for (const char* p = argv[i] + 7; *p;) {
                sizes.push_back(std::atoi(p));
                while (*p && *p != ',')
                    ++p;
                if (*p == ',')
                    ++p;
            }
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    if (sizes.empty())
        sizes = {10000, 100000, 1000000};
    return sizes;
}

std::string sizeName(int rows)
{
    return std::to_string(rows) + "rows";
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::vector<int> sizes = sizesFrom(argc, argv);
    QApplication app(argc, argv);
    frame::installFontSubstitutions();
    QApplication::setFont(frame::fixedPitchFont(9), "QListWidget");
    ui::installScriptedDialogs().setFailureHandler(
        [](const std::string& report) { std::fprintf(stderr, "unexpected dialog: %s\n", report.c_str()); });
    benchmark::Initialize(&argc, argv);

    const auto dir = std::filesystem::temp_directory_path() / "velmora-books-bench";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::vector<Prepared> files;
    for (int rows : sizes) {
        Prepared file;
        file.rows = rows;
        file.path = (dir / ("ベンチ商事" + std::to_string(rows) + "第1期.mdb")).string();
        bench::prepareJournal(file.path, rows);
        std::tie(file.busiestCode, file.busiestName) = bench::busiestAccount(file.path);
        files.push_back(file);
    }

    for (const Prepared& file : files) {
        const std::string n = sizeName(file.rows);
        const int repeats = file.rows >= 1000000 ? 2 : 5;
        const auto add = [&](const std::string& name, std::function<void(benchmark::State&, const std::string&)> run) {
            benchmark::RegisterBenchmark(name.c_str(), [name, run](benchmark::State& s) { run(s, name); })
                ->Iterations(repeats)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        };
        const Prepared* f = &file;
        add("ledger-window/" + n, [f](benchmark::State& s, const std::string& k) { ledgerWindow(s, k, *f); });
        add("raw-sqlite/ledger-window/" + n, [f](benchmark::State& s, const std::string& k) {
            raw(s, k, *f, {bench::accountRowsQuery(f->busiestCode)});
        });
        add("books-window/" + n, [f](benchmark::State& s, const std::string& k) { booksWindow(s, k, *f); });
        add("raw-sqlite/books-window/" + n,
            [f](benchmark::State& s, const std::string& k) { raw(s, k, *f, bench::booksQueries()); });
        add("ledger-all/" + n, [f](benchmark::State& s, const std::string& k) { ledgerAll(s, k, *f); });
        add("raw-sqlite/ledger-all/" + n,
            [f](benchmark::State& s, const std::string& k) { raw(s, k, *f, {bench::journalQuery()}); });
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    for (const Prepared& file : files) {
        const std::string n = sizeName(file.rows);
        std::printf("journal rows: %d\n", file.rows);
        for (const char* name : {"ledger-window", "books-window", "ledger-all"}) {
            const auto measured = g_best.find(std::string(name) + "/" + n);
            const auto rawRead = g_best.find(std::string("raw-sqlite/") + name + "/" + n);
            if (measured == g_best.end() || rawRead == g_best.end())
                continue;
            std::printf("  %s %.1f ms, raw sqlite %.1f ms\n", name, measured->second * 1000, rawRead->second * 1000);
            std::printf("ratio %s/raw-sqlite: %.2f\n", name, measured->second / rawRead->second);
        }
    }
    std::filesystem::remove_all(dir);
    return 0;
}
