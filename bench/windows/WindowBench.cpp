// The windows as the books grow, on prepared period files of 10,000, 100,000
// and 1,000,000 journal rows (or the sizes given as --rows=N,...). Each window
// is opened in a process of its own, so that the first open is the first of
// its run and the peak memory is its own; each is set against raw SQLite in the
// same process:
//  - form9-open: the journal window's first open, with its journal list
//    filled; raw: one read of the fields the list shows, of every row.
//  - save, update, delete: a voucher of two rows registered, updated (its
//    description changed) and deleted through the journal window, the click
//    until its list shows it, dated the first, a middle and the last day of
//    the period; raw: the same writes with their commit on a copy of the file
//    (insert the two rows; write their change history, delete and insert
//    them; write their history and delete them), interleaved with the
//    window's. The ratio of a day is the median over its five rounds of the
//    window's time against the raw writes' just before it; the worst day's
//    ratio is printed.
//  - ledger-open: the general-ledger window's first open with the ledger of
//    its busiest account shown; raw: that account's rows of the journal query.
//  - books-open: the books window's first open; raw: the rows of its books.
//  - closing-open: the closing window's load, its journal holding bank rows;
//    raw: the closing entries and the bank journal read once.
//  - closing-save, closing-update, closing-delete: as save, update and delete,
//    through the closing window's entry tab and its closing-entry list
//    (measured with closing-open, in its process).
// --only=form9,ledger,books,closing measures only the windows named (closing:
// closing-open and the closing tab's saves).
// Prints, for each size, "ratio <name>/raw...: X" and, for the journal, books
// and closing windows, "rss <window>-open/file-size: X" (the process's peak
// resident memory with the window open against the period file's size); the
// saves also "cpu ratio <name>/raw...: X", the same in CPU time (the clock's
// ratio swings with the disk's flushes when the machine is busy).
#include "books/BenchJournal.h"
#include "support/BenchSql.h"
#include "support/SampleShapedJournal.h"

#include "books/Form14.h"
#include "books/Form33.h"
#include "closing/ClosingEntryTab.h"
#include "closing/ClosingEntryText.h"
#include "common/EditMode.h"
#include "common/o.h"
#include "frame/Fonts.h"
#include "journal/Form9.h"
#include "journal/Form9Text.h"
#include "platform/ui/ScriptedDialogs.h"
#include "statements/Form34.h"

#include <QApplication>
#include <QFocusEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabWidget>

#include <sqlite3.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The dialogs of the measuring process, answered as scripted.
ui::ScriptedDialogs* g_dialogs = nullptr;
ui::ScriptedDialogs& scripted()
{
    return *g_dialogs;
}

double millisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The CPU time the process has spent (its threads that paint included), in ms.
double cpuMillis()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// A step's time by the clock and in CPU time: the clock is what the user waits,
// the disk's flush included; the CPU time is what the step computes.
struct Spent {
    double wall = 0;
    double cpu = 0;
};

class Stopwatch {
public:
    Spent spent() const { return {millisSince(m_start), cpuMillis() - m_cpu}; }

private:
    Clock::time_point m_start = Clock::now();
    double m_cpu = cpuMillis();
};

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
    std::string rawCopy;  // a copy of the file for the raw writes
    std::string busiestCode;
    std::string busiestName;
    double fileBytes = 0;
};

void printRss(const char* window, const Prepared& file)
{
    const double peak = peakResidentBytes();
    std::printf("  %s peak resident %.1f MB, period file %.1f MB\n", window, peak / 1048576.0,
                file.fileBytes / 1048576.0);
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
    for (int i = 0; i < runs; ++i)
        best = std::min(best, run());
    return best;
}

double rawRead(const Prepared& file, const std::vector<bench::RawQuery>& queries)
{
    const auto start = Clock::now();
    for (const bench::RawQuery& query : queries)
        bench::readRaw(file.path, query);
    return millisSince(start);
}

// The raw writes of a voucher of two rows, on a copy of the period file, each
// with its commit: what the store writes for 登録, 更新 and 削除.
class RawWrites {
public:
    explicit RawWrites(const std::string& path) { sqlite3_open(path.c_str(), &m_db); }
    ~RawWrites() { sqlite3_close(m_db); }
    RawWrites(const RawWrites&) = delete;
    RawWrites& operator=(const RawWrites&) = delete;

    Spent insert(const std::string& number, const char* date)
    {
        return timed([&] { insertRows(number, date); });
    }
    Spent update(const std::string& number, const char* date)
    {
        return timed([&] {
            writeHistory(number, "2");
            deleteRows(number);
            insertRows(number, date);
        });
    }
    Spent remove(const std::string& number)
    {
        return timed([&] {
            writeHistory(number, "3");
            deleteRows(number);
        });
    }

private:
    Spent timed(const std::function<void()>& writes)
    {
        const Stopwatch watch;
        bench::exec(m_db, "BEGIN IMMEDIATE");
        writes();
        bench::exec(m_db, "COMMIT");
        return watch.spent();
    }
    void run(const std::string& sql, const std::vector<std::string>& texts)
    {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(m_db, sql.c_str(), -1, &st, nullptr);
        for (std::size_t i = 0; i < texts.size(); ++i)
            sqlite3_bind_text(st, static_cast<int>(i + 1), texts[i].c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(st) == SQLITE_ROW) {}
        sqlite3_finalize(st);
    }
    void insertRows(const std::string& number, const char* date)
    {
        for (int row = 1; row <= 2; ++row)
            run("INSERT INTO \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\", \"摘要\", \"借方コード\", \"入金\","
                " \"貸方コード\", \"出金\", \"決算仕訳\") VALUES (?1, ?2, ?3, ?4, '500', 1200, '100', 1200, 0)",
                {date, number, std::to_string(row), "ベンチ仕入" + number + "-" + std::to_string(row)});
    }
    // The rows read by the number (the check of what the list showed) and
    // written to the change history.
    void writeHistory(const std::string& number, const char* reason)
    {
        run("SELECT * FROM \"仕訳台帳\" WHERE \"伝票番号\" = ?1", {number});
        run("INSERT INTO \"仕訳変更履歴\" (\"変更日\", \"変更理由\", \"伝票番号\", \"日付\", \"摘要\", \"取引先\","
            " \"借方コード\", \"貸方コード\", \"銀行コード\", \"支店コード\", \"追番\") SELECT datetime('now'), ?2,"
            " \"伝票番号\", \"日付\", \"摘要\", \"取引先\", \"借方コード\", \"貸方コード\", \"銀行コード\", "
            "\"支店コード\","
            " \"追番\" FROM \"仕訳台帳\" WHERE \"伝票番号\" = ?1",
            {number, reason});
    }
    void deleteRows(const std::string& number) { run("DELETE FROM \"仕訳台帳\" WHERE \"伝票番号\" = ?1", {number}); }

    sqlite3* m_db = nullptr;
};

// A day of the period (2024-04-01 to 2025-03-31) on which the saves are timed.
struct SaveDay {
    const char* name;
    const char* iso;
    int year, month, day;
};
constexpr SaveDay kSaveDays[] = {
    {"first", "2024-04-01", 2024, 4, 1},
    {"middle", "2024-10-01", 2024, 10, 1},
    {"last", "2025-03-31", 2025, 3, 31},
};
constexpr int kSaveRounds = 5;
// Closing vouchers in a thousand, spread over the period, so that the
// closing-entry list has lines before and after each day's voucher.
constexpr int kClosingPerMille = 2;

// A step's times, one a round.
struct Rounds {
    std::vector<Spent> spent;
    void add(const Spent& step) { spent.push_back(step); }
};

// A day's rounds, in the window and raw: round i of the window came right
// after round i of the raw writes.
struct SaveTimes {
    Rounds save, update, remove;
    Rounds rawInsert, rawUpdate, rawDelete;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : (n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

// The number of the voucher whose first row is described `description`, read
// from the window's file on a connection that only reads.
std::string numberDescribed(const std::string& path, const QString& description)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT \"伝票番号\" FROM \"仕訳台帳\" WHERE \"摘要\" = ?1", -1, &st, nullptr);
    const std::string text = description.toStdString();
    sqlite3_bind_text(st, 1, text.c_str(), -1, SQLITE_TRANSIENT);
    std::string number;
    if (sqlite3_step(st) == SQLITE_ROW)
        number = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return number;
}

// Prints each day's figures (the medians of its rounds) and, for each step,
// the ratio of the worst day: the median over the rounds of the window's time
// against the raw writes' just before it, by the clock and in CPU time.
void printSaves(const char* prefix, const std::vector<SaveTimes>& days, int rows)
{
    struct Step {
        const char* name;
        const char* rawName;
        Rounds SaveTimes::*measured;
        Rounds SaveTimes::*raw;
    };
    const Step steps[] = {{"save", "raw-insert", &SaveTimes::save, &SaveTimes::rawInsert},
                          {"update", "raw-update", &SaveTimes::update, &SaveTimes::rawUpdate},
                          {"delete", "raw-delete", &SaveTimes::remove, &SaveTimes::rawDelete}};
    for (const Step& step : steps) {
        const std::string name = std::string(prefix) + step.name;
        for (double Spent::*clock : {&Spent::wall, &Spent::cpu}) {
            const char* cpu = clock == &Spent::cpu ? "cpu " : "";
            std::size_t worst = 0;
            std::vector<double> ratios(days.size());
            for (std::size_t d = 0; d < days.size(); ++d) {
                const std::vector<Spent>& measured = (days[d].*step.measured).spent;
                const std::vector<Spent>& raw = (days[d].*step.raw).spent;
                std::vector<double> times, rawTimes, roundRatios;
                for (std::size_t i = 0; i < measured.size() && i < raw.size(); ++i) {
                    times.push_back(measured[i].*clock);
                    rawTimes.push_back(raw[i].*clock);
                    roundRatios.push_back(measured[i].*clock / raw[i].*clock);
                }
                ratios[d] = median(roundRatios);
                std::printf("  %s%s on the %s day %.2f ms, %s %.2f ms\n", cpu, name.c_str(), kSaveDays[d].name,
                            median(times), step.rawName, median(rawTimes));
                if (ratios[d] > ratios[worst])
                    worst = d;
            }
            std::printf("%sratio %s/%s: %.2f (%d rows, worst on the %s day)\n", cpu, name.c_str(), step.rawName,
                        ratios[worst], rows, kSaveDays[worst].name);
        }
    }
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

// Times a click until what it shows is drawn; what was typed or chosen before
// it is drawn first.
Spent timedClick(QAbstractButton* button)
{
    QApplication::processEvents();
    const Stopwatch watch;
    button->click();
    QApplication::processEvents();
    return watch.spent();
}

void expectCount(int count, int expected, const char* what)
{
    if (count != expected)
        std::printf("warning: %s\n", what);
}

// Registers, updates and deletes a voucher of two rows on `day` through the
// journal window, each step after the same raw write on the copy.
void saveRoundInTheJournalWindow(journal::Form9& form, const Prepared& file, RawWrites& raw, std::size_t d, int round,
                                 SaveTimes& best)
{
    const SaveDay& day = kSaveDays[d];
    const std::string tag = std::to_string(d) + "-" + std::to_string(round);
    const std::string rawNumber = "R" + tag;
    best.rawInsert.add(raw.insert(rawNumber, day.iso));
    form.Command1[journal::Form9::ClearEntry]->click();
    form.Combo2[0]->setEditText(QString("%1年").arg(day.year));
    form.Combo2[1]->setEditText(QString("%1月").arg(day.month));
    form.Combo2[2]->setEditText(QString("%1日").arg(day.day));
    leave(form.Combo2[2]);
    fillTwoRows(form.grid(), "ベンチ仕入", round + 100 * static_cast<int>(d));
    const int before = form.List2->count();
    best.save.add(timedClick(form.Command1[journal::Form9::Register]));
    expectCount(form.List2->count(), before + 2, "the journal list did not gain the voucher's two lines");

    const std::string number =
        numberDescribed(file.path, QString("ベンチ仕入%1-1").arg(round + 100 * static_cast<int>(d)));
    const dao::Date date{day.year, day.month, day.day};
    auto choose = [&] {
        {
            const QSignalBlocker quiet(form.List2);
            form.List2->setCurrentRow(form.journalLineOf(number, date));
        }
        // As the user sees the line he clicks.
        form.List2->scrollTo(form.List2->currentIndex());
        form.List2_Click();
    };
    best.rawUpdate.add(raw.update(rawNumber, day.iso));
    choose();
    form.grid().Text1[0]->setText(form.grid().Text1[0]->text() + " 直し");
    best.update.add(timedClick(form.Command1[journal::Form9::Update]));
    expectCount(form.List2->count(), before + 2, "the journal list changed its length on an update");

    best.rawDelete.add(raw.remove(rawNumber));
    choose();
    scripted().expectMessage(journal::form9::kDeleteQuestion, ui::Answer::Yes);
    best.remove.add(timedClick(form.Command1[journal::Form9::Delete]));
    expectCount(form.List2->count(), before, "the journal list kept the deleted voucher's lines");
}

void journalWindow(const Prepared& file)
{
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
    RawWrites writes(file.rawCopy);
    std::vector<SaveTimes> days(std::size(kSaveDays));
    for (int round = 0; round < kSaveRounds; ++round)
        for (std::size_t d = 0; d < days.size(); ++d)
            saveRoundInTheJournalWindow(form, file, writes, d, round, days[d]);
    printSaves("", days, file.rows);
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
        if (form.List2()->item(i)->text().toStdString() == file.busiestName)
            form.List2()->setCurrentRow(i);
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

int closingLineOf(const closing::ClosingEntryTab& tab, const std::string& number)
{
    const auto keys = tab.entryLineKeys();
    const auto found = std::find_if(keys.begin(), keys.end(),
                                    [&](const closing::ClosingLineKey& key) { return key.number == number; });
    return found == keys.end() ? -1 : static_cast<int>(found - keys.begin());
}

// Registers, updates and deletes a closing voucher of two rows on `day`
// through the closing tab, each step after the same raw write on the copy.
void saveRoundInTheClosingTab(statements::Form34& form, const Prepared& file, RawWrites& raw, std::size_t d, int round,
                              SaveTimes& best)
{
    auto& tab = dynamic_cast<closing::ClosingEntryTab&>(form.entryPage());
    const SaveDay& day = kSaveDays[d];
    const std::string rawNumber = "R" + std::to_string(d) + "-" + std::to_string(round);
    const int mark = 1000 + round + 100 * static_cast<int>(d);
    best.rawInsert.add(raw.insert(rawNumber, day.iso));
    fillTwoRows(tab.grid(), "ベンチ決算", mark);
    tab.Combo2[0]->setEditText(QString("%1年").arg(day.year));
    tab.Combo2[1]->setEditText(QString("%1月").arg(day.month, 2, 10, QChar('0')));
    tab.Combo2[2]->setEditText(QString("%1日").arg(day.day, 2, 10, QChar('0')));
    const int before = tab.List2->count();
    best.save.add(timedClick(form.Command1.at(statements::Form34::RegisterButton)));
    expectCount(tab.List2->count(), before + 2, "the closing-entry list did not gain the voucher's two lines");

    const std::string number = numberDescribed(file.path, QString("ベンチ決算%1-1").arg(mark));
    best.rawUpdate.add(raw.update(rawNumber, day.iso));
    tab.List2->setCurrentRow(closingLineOf(tab, number));
    tab.grid().Text1[0]->setText(tab.grid().Text1[0]->text() + " 直し");
    best.update.add(timedClick(form.Command1.at(statements::Form34::UpdateButton)));
    expectCount(tab.List2->count(), before + 2, "the closing-entry list changed its length on an update");

    best.rawDelete.add(raw.remove(rawNumber));
    tab.List2->setCurrentRow(closingLineOf(tab, number));
    scripted().expectMessage(closing::kDeleteQuestion, ui::Answer::Yes).withTitle(closing::kDeleteQuestionTitle);
    best.remove.add(timedClick(form.Command1.at(statements::Form34::DeleteButton)));
    expectCount(tab.List2->count(), before, "the closing-entry list kept the deleted voucher's lines");
}

void closingWindow(const Prepared& file)
{
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
    RawWrites writes(file.rawCopy);
    std::vector<SaveTimes> days(std::size(kSaveDays));
    for (int round = 0; round < kSaveRounds; ++round)
        for (std::size_t d = 0; d < days.size(); ++d)
            saveRoundInTheClosingTab(form, file, writes, d, round, days[d]);
    printSaves("closing-", days, file.rows);
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
        g_dialogs = &ui::installScriptedDialogs();
        g_dialogs->setFailureHandler(
            [](const std::string& report) { std::fprintf(stderr, "unexpected dialog: %s\n", report.c_str()); });
        measure();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::printf("warning: a measuring process failed\n");
}

// --only=form9,ledger,books,closing: the windows to measure (all without it).
bool wanted(int argc, char** argv, const char* window)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--only=", 7) == 0)
            return std::strstr(argv[i] + 7, window) != nullptr;
    return true;
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

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto dir = std::filesystem::temp_directory_path() / ("velmora-window-bench-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    for (int rows : sizesFrom(argc, argv)) {
        Prepared file;
        file.rows = rows;
        file.path = (dir / ("ベンチ商事" + std::to_string(rows) + "第1期.mdb")).string();
        const bench::GeneratedJournal made =
            bench::makeSampleShapedFile(file.path, {rows, "2024-04-01", kClosingPerMille});
        std::tie(file.busiestCode, file.busiestName) = bench::busiestAccount(file.path);
        file.fileBytes = static_cast<double>(std::filesystem::file_size(file.path));
        o::DbFilePath = file.path;
        file.rawCopy = file.path + ".raw";
        std::filesystem::copy_file(file.path, file.rawCopy);
        std::printf(
            "journal rows: %d in %d vouchers, %.0f %% on the deposit accounts, amounts x %.3f; period file %.1f MB\n",
            made.rows, made.vouchers, 100.0 * made.depositRows / made.rows, made.amountScale,
            file.fileBytes / 1048576.0);
        if (wanted(argc, argv, "form9"))
            inOwnProcess(argv[0], [&] { journalWindow(file); });
        if (wanted(argc, argv, "ledger"))
            inOwnProcess(argv[0], [&] { ledgerWindow(file); });
        if (wanted(argc, argv, "books"))
            inOwnProcess(argv[0], [&] { booksWindow(file); });
        if (wanted(argc, argv, "closing"))
            inOwnProcess(argv[0], [&] { closingWindow(file); });
        std::filesystem::remove(file.path);
        std::filesystem::remove(file.rawCopy);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
