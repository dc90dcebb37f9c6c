#include "periodfile/PeriodFileCreator.h"

#include "platform/calendar/DaysInMonth.h"

#include "periodfile/Schema.h"
#include "periodfile/Sqlite.h"
#include "periodfile/StandardContents.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace periodfile {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, int& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

bool parseDate(const std::string& text, int& y, unsigned& m, unsigned& d)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return false;
    y = std::stoi(text.substr(0, 4));
    m = static_cast<unsigned>(std::stoi(text.substr(5, 2)));
    d = static_cast<unsigned>(std::stoi(text.substr(8, 2)));
    return y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= static_cast<unsigned>(o::DaysInMonth(y, static_cast<int>(m)));
}

// The settings row: the first row of 会計設定 when the standard contents made
// one, else a new row.
void writeSettings(sqlite3* db, const NewPeriod& settings, const std::string& lastDay)
{
    const bool hasRow = sqlite::Statement(db, "SELECT 1 FROM \"会計設定\" LIMIT 1").step();
    const char* sql = hasRow ? "UPDATE \"会計設定\" SET \"事業所名\" = ?1, \"会計年度\" = ?2, \"会計期間開始日\" = ?3,"
                               " \"会計期間終了日\" = ?4, \"決算報告日\" = ?4"
                               " WHERE rowid = (SELECT min(rowid) FROM \"会計設定\")"
                             : "INSERT INTO \"会計設定\" (\"事業所名\", \"会計年度\", \"会計期間開始日\", "
                               "\"会計期間終了日\", \"決算報告日\")"
                               " VALUES (?1, ?2, ?3, ?4, ?4)";
    sqlite::Statement statement(db, sql);
    statement.bind(1, settings.company);
    statement.bind(2, std::int64_t{settings.period});
    statement.bind(3, settings.firstDay);
    statement.bind(4, lastDay);
    statement.run();
}

}  // namespace

std::optional<std::string> periodLastDay(const std::string& firstDay)
{
    int y;
    unsigned m, d;
    if (!parseDate(firstDay, y, m, d))
        return std::nullopt;
    // The same day a year later (29 February runs on to 1 March), less one day.
    const long long last = daysFromCivil(y + 1, m, 1) + (d - 1) - 1;
    int ly;
    unsigned lm, ld;
    civilFromDays(last, ly, lm, ld);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", ly, lm, ld);
    return std::string(text);
}

void createPeriodFile(const std::string& path, const NewPeriod& settings)
{
    std::error_code error;
    if (std::filesystem::exists(path, error))
        throw std::runtime_error("ファイル「" + path + "」は既にあります。上書きはしません");
    const std::optional<std::string> lastDay = periodLastDay(settings.firstDay);
    if (!lastDay)
        throw std::runtime_error("期首日「" + settings.firstDay + "」は YYYY-MM-DD 形式の正しい日付ではありません");
    if (settings.period < 1 || settings.period > 9999)
        throw std::runtime_error("会計年度（期）は 1 から 9999 の数でなければなりません");

    try {
        sqlite::Connection db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        createSchema(db.get());
        // The contents and the settings row in one transaction; a failure
        // anywhere also removes the file, so no half-prepared file is left.
        sqlite::Transaction transaction(db.get());
        insertStandardContents(db.get());
        writeSettings(db.get(), settings, *lastDay);
        transaction.commit();
    } catch (const std::exception& e) {
        std::filesystem::remove(path, error);
        throw std::runtime_error("期ファイル「" + path + "」を作れませんでした：" + e.what());
    }
}

}  // namespace periodfile
