#pragma once
// Period filters by the date's value. Every connection of the database layer
// has the SQL function dao_day(x): the day number (Date::dayNumber, days since
// 1970-01-01) of the date that x reads as by ReadStoredDate, NULL for a null,
// a number or a text that is no date. A row dated "2026/3/3" by another tool
// and one dated "2026-03-03" fall on the same day; a time of day is left out.
//
// A period holds most of a journal, so a filter on it scans the table; the
// function keeps no index in use.

#include "Value.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;

namespace dao {

// What dao_day gives for a text value: the day number of the date it reads
// as, none when it reads as no date.
std::optional<long long> StoredDay(std::string_view text);

// The same, remembered for the texts read lately: a journal holds a few
// hundred dates over many rows, so a walk that reads each row's day itself
// (rather than through dao_day) reads each date once.
class StoredDays {
public:
    std::optional<long long> dayOf(std::string_view text);

private:
    struct Entry {
        std::array<char, 19> text{};
        std::uint8_t size = 0;  // 0: empty slot
        std::optional<long long> day;
    };
    std::array<Entry, 512> m_entries{};
    // The entry of the text read last (its place): rows in date order repeat it.
    std::size_t m_last = 0;
};

// Adds dao_day to a connection; false when SQLite refuses it.
bool RegisterDayOfDate(sqlite3* db);

// The day number of the date in `column` (an SQL expression), NULL for no date.
std::string DaySql(const std::string& column);

// The SQL condition "the date in `column` (an SQL expression) falls on or
// after `first` and on or before `last`"; never true for a row without a date.
std::string DayWithinSql(const std::string& column, const Date& first, const Date& last);

// Its opposite: a row dated before `first` or after `last`, or without a date.
std::string DayOutsideSql(const std::string& column, const Date& first, const Date& last);

// The SQL condition "`column` (an SQL expression) holds something that is
// neither empty (null or blanks) nor a date": a value a window refuses to read.
std::string NoDateSql(const std::string& column);

}  // namespace dao
