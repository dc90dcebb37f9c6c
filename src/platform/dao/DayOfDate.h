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

#include <string>

struct sqlite3;

namespace dao {

// Adds dao_day to a connection; false when SQLite refuses it.
bool RegisterDayOfDate(sqlite3* db);

// The SQL condition "the date in `column` (an SQL expression) falls on or
// after `first` and on or before `last`"; never true for a row without a date.
std::string DayWithinSql(const std::string& column, const Date& first, const Date& last);

// Its opposite: a row dated before `first` or after `last`, or without a date.
std::string DayOutsideSql(const std::string& column, const Date& first, const Date& last);

}  // namespace dao
