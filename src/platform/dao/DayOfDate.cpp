#include "DayOfDate.h"

#include "StoredDate.h"

#include <sqlite3.h>

#include <string_view>

namespace dao {

namespace {

void dayOfDate(sqlite3_context* context, int, sqlite3_value** arguments) {
    if (sqlite3_value_type(arguments[0]) != SQLITE_TEXT) {
        sqlite3_result_null(context);
        return;
    }
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const std::string_view text(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_value_bytes(arguments[0])));
    if (const std::optional<Date> date = ReadStoredDate(text))
        sqlite3_result_int64(context, date->dayNumber());
    else
        sqlite3_result_null(context);
}

std::string dayOf(const std::string& column) {
    return "dao_day(" + column + ")";
}

}  // namespace

bool RegisterDayOfDate(sqlite3* db) {
    return sqlite3_create_function_v2(db, "dao_day", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                      dayOfDate, nullptr, nullptr, nullptr)
           == SQLITE_OK;
}

std::string DayWithinSql(const std::string& column, const Date& first, const Date& last) {
    return dayOf(column) + " BETWEEN " + std::to_string(first.dayNumber()) + " AND " + std::to_string(last.dayNumber());
}

std::string DayOutsideSql(const std::string& column, const Date& first, const Date& last) {
    return "coalesce(" + dayOf(column) + " NOT BETWEEN " + std::to_string(first.dayNumber()) + " AND "
           + std::to_string(last.dayNumber()) + ", 1)";
}

}  // namespace dao
