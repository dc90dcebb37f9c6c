#include "DayOfDate.h"

#include "StoredDate.h"

#include <sqlite3.h>

#include <string_view>

namespace dao {

namespace {

void dayOfDate(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) != SQLITE_TEXT) {
        sqlite3_result_null(context);
        return;
    }
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
    const std::string_view text(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_value_bytes(arguments[0])));
    if (const std::optional<long long> day = StoredDay(text))
        sqlite3_result_int64(context, *day);
    else
        sqlite3_result_null(context);
}

}  // namespace

std::optional<long long> StoredDay(std::string_view text)
{
    if (const std::optional<Date> date = ReadStoredDate(text))
        return date->dayNumber();
    return std::nullopt;
}

std::optional<long long> StoredDays::dayOf(std::string_view text)
{
    if (text.empty() || text.size() > Entry{}.text.size())
        return StoredDay(text);
    if (const Entry& last = m_entries[m_last];
        last.size == text.size() && text.compare(0, text.size(), last.text.data(), last.size) == 0)
        return last.day;
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    m_last = hash % m_entries.size();
    Entry& entry = m_entries[m_last];
    if (entry.size != text.size() || text.compare(0, text.size(), entry.text.data(), entry.size) != 0) {
        entry.size = static_cast<std::uint8_t>(text.size());
        text.copy(entry.text.data(), text.size());
        entry.day = StoredDay(text);
    }
    return entry.day;
}

std::string DaySql(const std::string& column)
{
    return "dao_day(" + column + ")";
}

bool RegisterDayOfDate(sqlite3* db)
{
    return sqlite3_create_function_v2(db, "dao_day", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                      dayOfDate, nullptr, nullptr, nullptr)
        == SQLITE_OK;
}

std::string DayWithinSql(const std::string& column, const Date& first, const Date& last)
{
    return DaySql(column) + " BETWEEN " + std::to_string(first.dayNumber()) + " AND "
        + std::to_string(last.dayNumber());
}

std::string DayOutsideSql(const std::string& column, const Date& first, const Date& last)
{
    return "coalesce(" + DaySql(column) + " NOT BETWEEN " + std::to_string(first.dayNumber()) + " AND "
        + std::to_string(last.dayNumber()) + ", 1)";
}

std::string NoDateSql(const std::string& column)
{
    return "(" + DaySql(column) + " IS NULL AND trim(coalesce(" + column + ", ''), ' ' || char(9)) <> '')";
}

}  // namespace dao
