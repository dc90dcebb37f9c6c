#include "CheckedRow.h"

#include "ColumnConversion.h"
#include "Connection.h"
#include "FailureText.h"
#include "StoredValueRefusal.h"
#include "ValueDomains.h"

#include <sqlite3.h>

#include <limits>

namespace dao {

namespace {

// The whole-number type a field is checked as: its own, or a 32-bit amount
// when it is declared as something else.
ColumnType wholeNumberType(ColumnType declared)
{
    return declared == ColumnType::SmallInt || declared == ColumnType::BigInt ? declared : ColumnType::Integer;
}

bool fits(std::int64_t number, ColumnType type)
{
    switch (type) {
    case ColumnType::SmallInt:
        return number >= std::numeric_limits<std::int16_t>::min() && number <= std::numeric_limits<std::int16_t>::max();
    case ColumnType::BigInt: return true;
    default:
        return number >= std::numeric_limits<std::int32_t>::min() && number <= std::numeric_limits<std::int32_t>::max();
    }
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

bool isEmpty(const Value& value)
{
    return value.isNull() || (value.kind() == ValueKind::Text && isBlank(std::get<std::string>(value.data())));
}

// A column's value as the step left it, asked once for its storage class and
// its contents. The connections of this layer are each used by one thread and
// opened without SQLite's own locking, so the value is read where it stands.
sqlite3_value* stepped(sqlite3_stmt* statement, int column)
{
    return sqlite3_column_value(statement, column);
}

std::string_view textOf(sqlite3_value* value)
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
    if (!bytes)
        return {};
    return {bytes, static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

}  // namespace

CheckedRow::CheckedRow(Connection& connection, sqlite3_stmt* statement, std::string table)
    : m_connection(connection), m_statement(statement), m_table(std::move(table)),
      m_rowNumber(sqlite3_column_count(statement) - 1)
{
    for (int i = 0; i < m_rowNumber; ++i)
        m_columns.push_back(ResultColumnOf(statement, i));
}

bool CheckedRow::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

std::string_view CheckedRow::text(int column) const
{
    const ColumnInfo& info = m_columns[static_cast<size_t>(column)];
    if (info.domainRule >= 0 || (info.type != ColumnType::Text && info.type != ColumnType::Unknown))
        checked(column, info.type);
    return textOf(stepped(m_statement, column));
}

std::int64_t CheckedRow::wholeNumber(int column) const
{
    const ColumnInfo& info = m_columns[static_cast<size_t>(column)];
    const ColumnType type = wholeNumberType(info.type);
    if (info.domainRule < 0) {
        sqlite3_value* stored = stepped(m_statement, column);
        switch (sqlite3_value_type(stored)) {
        case SQLITE_INTEGER:
            if (const std::int64_t number = sqlite3_value_int64(stored); fits(number, type))
                return number;
            break;
        case SQLITE_NULL: return 0;
        default: break;
        }
    }
    const Value value = checked(column, type);
    return isEmpty(value) ? 0 : value.toInt64();
}

std::optional<long long> CheckedRow::day(int column) const
{
    const ColumnInfo& info = m_columns[static_cast<size_t>(column)];
    if (info.domainRule < 0) {
        sqlite3_value* stored = stepped(m_statement, column);
        switch (sqlite3_value_type(stored)) {
        case SQLITE_NULL: return std::nullopt;
        case SQLITE_TEXT: {
            const std::string_view text = textOf(stored);
            if (const std::optional<long long> day = m_days.dayOf(text))
                return day;
            if (isBlank(text))
                return std::nullopt;
            break;
        }
        default: break;
        }
    }
    const ColumnType type = info.type == ColumnType::DateTime ? ColumnType::DateTime : ColumnType::Date;
    const Value value = checked(column, type);
    if (value.kind() == ValueKind::Date)
        return std::get<Date>(value.data()).dayNumber();
    return std::nullopt;
}

std::optional<Date> CheckedRow::date(int column) const
{
    const ColumnInfo& info = m_columns[static_cast<size_t>(column)];
    if (info.domainRule < 0 && sqlite3_column_type(m_statement, column) == SQLITE_NULL)
        return std::nullopt;
    const ColumnType type = info.type == ColumnType::DateTime ? ColumnType::DateTime : ColumnType::Date;
    const Value value = checked(column, type);
    if (value.kind() == ValueKind::Date)
        return std::get<Date>(value.data());
    return std::nullopt;
}

bool CheckedRow::flag(int column) const
{
    const ColumnInfo& info = m_columns[static_cast<size_t>(column)];
    if (info.domainRule < 0) {
        sqlite3_value* stored = stepped(m_statement, column);
        switch (sqlite3_value_type(stored)) {
        case SQLITE_INTEGER: return sqlite3_value_int64(stored) != 0;
        case SQLITE_NULL: return false;
        default: break;
        }
    }
    const Value value = checked(column, ColumnType::Boolean);
    return !isEmpty(value) && value.toBool();
}

std::int64_t CheckedRow::rowNumber() const
{
    return sqlite3_column_int64(m_statement, m_rowNumber);
}

Value CheckedRow::checked(int column, ColumnType type) const
{
    const ColumnInfo& info = m_columns[static_cast<size_t>(column)];
    Value value = readColumn(m_statement, column, type);
    if (const auto problem = storedValueProblem(value, type))
        refuse(column, value, *problem);
    if (const auto problem = domainProblem(info.domainRule, value, false))
        refuse(column, value, *problem);
    return value;
}

// The row is read again whole, as a recordset on the table reads it, so that
// the refusal names it by its place in the table and its first fields.
void CheckedRow::refuse(int column, const Value& value, const StoredValueProblem& problem) const
{
    const ColumnInfo& bad = m_columns[static_cast<size_t>(column)];
    const std::string tableName = bad.table.empty() ? m_table : bad.table;
    const std::string shown = userName(tableName);
    const std::string& path = m_connection.storedIn();
    const std::int64_t key = rowNumber();
    const ObjectInfo table = ObjectInfo::describe(m_connection, tableName);
    const int field = table.find(bad.origin.empty() ? bad.name : bad.origin);
    std::vector<Value> row;
    {
        Statement read(m_connection.handle(), "SELECT * FROM (" + table.selectSql + ") WHERE dao_rowid = ?1", shown);
        read.bind(1, Value(static_cast<long long>(key)));
        row.reserve(table.columns.size());
        if (read.step())
            for (int i = 0; i < static_cast<int>(table.columns.size()); ++i)
                row.push_back(readColumn(read.get(), i, table.columns[static_cast<size_t>(i)].type));
    }
    long long place = 1;
    {
        Statement before(m_connection.handle(),
                         "SELECT count(*) FROM " + quoteIdentifier(table.name) + " WHERE rowid < ?1", shown);
        before.bind(1, Value(static_cast<long long>(key)));
        if (before.step())
            place += sqlite3_column_int64(before.get(), 0);
    }
    if (field < 0 || row.size() != table.columns.size()) {
        // The walk's own fields, when the table cannot be read again as it was described.
        std::vector<Value> walked;
        walked.reserve(m_columns.size());
        for (int i = 0; i < static_cast<int>(m_columns.size()); ++i)
            walked.push_back(i == column ? value : readColumn(m_statement, i, m_columns[static_cast<size_t>(i)].type));
        throw StoredValueRefusal(path, shown, place, m_columns, walked, column, problem);
    }
    throw StoredValueRefusal(path, shown, place, table.columns, row, field, problem);
}

}  // namespace dao
