#include "ColumnConversion.h"

#include "DaoError.h"
#include "StoredDate.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

namespace dao {

namespace {

std::string dateText(const Date& d, bool withTime)
{
    char buffer[32];
    if (withTime)
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour, d.minute,
                      d.second);
    else
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buffer;
}

// The range a whole-number field holds its values to.
std::pair<long long, long long> integerRange(ColumnType type)
{
    switch (type) {
    case ColumnType::SmallInt:
        return {std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()};
    case ColumnType::BigInt:
        return {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()};
    default: return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
    }
}

std::string quotedForMessage(const Value& value)
{
    try {
        return value.toText();
    } catch (...) {
        return "?";
    }
}

}  // namespace

Value readColumn(sqlite3_stmt* statement, int index, ColumnType type)
{
    switch (sqlite3_column_type(statement, index)) {
    case SQLITE_NULL: return Value();
    case SQLITE_INTEGER: {
        const auto n = static_cast<long long>(sqlite3_column_int64(statement, index));
        if (type == ColumnType::Boolean)
            return Value(n != 0);
        if (type == ColumnType::Real)
            return Value(static_cast<double>(n));
        return Value(n);
    }
    case SQLITE_FLOAT: {
        const double d = sqlite3_column_double(statement, index);
        if (type == ColumnType::Boolean)
            return Value(d != 0.0);
        return Value(d);
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
        std::string s(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(statement, index)));
        if (type == ColumnType::Date || type == ColumnType::DateTime) {
            if (auto date = ReadStoredDate(s))
                return Value(*date);
        }
        return Value(std::move(s));
    }
    }
}

Value convertForColumn(const Value& value, const ColumnInfo& column, const std::string& object)
{
    if (value.isNull())
        return Value();
    const auto mismatch = [&](const char* expected) {
        return DaoError(DaoError::Code::TypeMismatch,
                        "フィールド「" + column.name + "」に" + expected + "でない値「" + quotedForMessage(value)
                            + "」は入りません（" + object + "）");
    };
    // An empty text in a column that is not text leaves the field empty (null).
    const bool emptyText =
        value.kind() == ValueKind::Text && value.toText().find_first_not_of(" \t") == std::string::npos;
    switch (column.type) {
    case ColumnType::Text: return Value(value.toText());
    case ColumnType::Unknown: return value;
    case ColumnType::Date:
    case ColumnType::DateTime: {
        if (emptyText)
            return Value();
        auto date = value.toDate();
        if (!date || !date->isValid())
            throw mismatch("日付");
        if (column.type == ColumnType::Date)
            date->hour = date->minute = date->second = 0;
        return Value(*date);
    }
    case ColumnType::Boolean: {
        if (emptyText)
            return Value();
        if (value.kind() == ValueKind::Boolean)
            return value;
        if (value.kind() == ValueKind::Text) {
            const std::string t = value.toText();
            if (t == "True" || t == "true" || t == "TRUE")
                return Value(true);
            if (t == "False" || t == "false" || t == "FALSE")
                return Value(false);
        }
        if (!value.isNumeric())
            throw mismatch("真偽");
        return Value(value.toDouble() != 0.0);
    }
    case ColumnType::Real: {
        if (emptyText)
            return Value();
        if (value.kind() == ValueKind::Boolean)
            return Value(std::get<bool>(value.data()) ? -1.0 : 0.0);
        if (!value.isNumeric())
            throw mismatch("数値");
        return Value(value.toDouble());
    }
    case ColumnType::SmallInt:
    case ColumnType::Integer:
    case ColumnType::BigInt: {
        if (emptyText)
            return Value();
        if (value.kind() == ValueKind::Boolean)
            return Value(std::get<bool>(value.data()) ? -1LL : 0LL);
        if (!value.isNumeric())
            throw mismatch("数値");
        const double approx = value.toDouble();
        const auto [low, high] = integerRange(column.type);
        const auto overflow = DaoError(DaoError::Code::Overflow,
                                       "フィールド「" + column.name + "」の値「" + quotedForMessage(value)
                                           + "」は範囲を超えています（" + object + "）");
        // A whole number is taken as it is; anything else by its double, of
        // which 2^63 and more converts to no 64-bit number.
        if (value.kind() != ValueKind::Integer
            && (!std::isfinite(approx) || approx < static_cast<double>(low) - 1.0
                || approx > static_cast<double>(high) + 1.0 || approx >= 9223372036854775808.0))
            throw overflow;
        const long long n = static_cast<long long>(value.toInt64());
        if (n < low || n > high)
            throw overflow;
        return Value(n);
    }
    }
    return value;
}

std::optional<StoredValueProblem> storedValueProblem(const Value& value, ColumnType type)
{
    if (type == ColumnType::Text || type == ColumnType::Unknown || value.isNull())
        return std::nullopt;
    if (value.kind() == ValueKind::Text
        && std::get<std::string>(value.data()).find_first_not_of(" \t") == std::string::npos)
        return std::nullopt;
    const auto mismatch = [](const char* text) { return StoredValueProblem{DaoError::Code::TypeMismatch, text}; };
    const auto overflow = [](const char* text) { return StoredValueProblem{DaoError::Code::Overflow, text}; };
    switch (type) {
    case ColumnType::Unknown:
    case ColumnType::Text: return std::nullopt;
    case ColumnType::Date:
    case ColumnType::DateTime:
        if (value.kind() == ValueKind::Date && std::get<Date>(value.data()).isValid())
            return std::nullopt;
        return mismatch("は日付として読めません");
    case ColumnType::Boolean:
        if (value.kind() == ValueKind::Boolean || value.kind() == ValueKind::Integer)
            return std::nullopt;
        if (value.kind() == ValueKind::Double && std::isfinite(value.toDouble()))
            return std::nullopt;
        if (value.kind() == ValueKind::Text) {
            const std::string& t = std::get<std::string>(value.data());
            if (t == "True" || t == "true" || t == "TRUE" || t == "False" || t == "false" || t == "FALSE")
                return std::nullopt;
            if (value.isNumeric() && std::isfinite(value.toDouble()))
                return std::nullopt;
        }
        return mismatch("は真偽値（True/False）として読めません");
    case ColumnType::Real:
        if (!value.isNumeric() || value.kind() == ValueKind::Boolean)
            return mismatch("は数値として読めません");
        if (!std::isfinite(value.toDouble()))
            return overflow("は扱える数の範囲を超えています");
        return std::nullopt;
    case ColumnType::SmallInt:
    case ColumnType::Integer:
    case ColumnType::BigInt: {
        if (!value.isNumeric() || value.kind() == ValueKind::Boolean)
            return mismatch("は数値として読めません");
        // A whole number SQLite holds always fits 64 bits.
        if (type == ColumnType::BigInt && value.kind() == ValueKind::Integer)
            return std::nullopt;
        const auto [lowest, highest] = integerRange(type);
        const double low = static_cast<double>(lowest);
        const double high = static_cast<double>(highest);
        const double number = value.toDouble();
        if (std::isfinite(number) && number != std::floor(number))
            return mismatch("は整数ではありません");
        if (std::isfinite(number) && number > low - 0.5 && number < high + 0.5)
            return std::nullopt;
        if (type == ColumnType::SmallInt)
            return overflow("は扱える範囲（-32768～32767）を超えています");
        if (type == ColumnType::Integer)
            return overflow("は扱える範囲（-2147483648～2147483647）を超えています");
        return overflow("は扱える範囲を超えています");
    }
    }
    return std::nullopt;
}

Value storedForm(const Value& converted, ColumnType type)
{
    switch (converted.kind()) {
    case ValueKind::Date: {
        const Date& d = std::get<Date>(converted.data());
        const bool withTime = type == ColumnType::DateTime || (type != ColumnType::Date && d.hasTime());
        return Value(dateText(d, withTime));
    }
    case ValueKind::Boolean: return Value(std::get<bool>(converted.data()) ? 1LL : 0LL);
    default: return converted;
    }
}

}  // namespace dao
