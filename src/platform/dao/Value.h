#pragma once
// A field value as the database layer hands it out: null, text, whole number,
// floating number, date (with or without a time of day) or Boolean.
// Texts are UTF-8 throughout the program.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace dao {

// A calendar date with an optional time of day (hour/minute/second 0 when none).
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool hasTime() const { return hour != 0 || minute != 0 || second != 0; }
    bool isValid() const;                                     // a date that exists in the Gregorian calendar
    std::string isoText() const;                              // "2024-04-01" or "2024-04-01 09:30:00"
    static std::optional<Date> parse(std::string_view text);  // "2024/4/1", "2024-04-01", "2024/04/01 9:30[:00]"
    static Date today();
    static Date now();
    long long dayNumber() const;  // days since 1970-01-01, for comparisons and arithmetic
    static Date fromDayNumber(long long days);
    auto operator<=>(const Date&) const = default;
};

enum class ValueKind { Null, Text, Integer, Double, Date, Boolean };

class Value {
public:
    Value() = default;  // null
    Value(std::nullptr_t) {}
    Value(const char* text) : m_data(std::string(text)) {}
    Value(std::string text) : m_data(std::move(text)) {}
    Value(std::string_view text) : m_data(std::string(text)) {}
    Value(int n) : m_data(static_cast<std::int64_t>(n)) {}
    Value(long n) : m_data(static_cast<std::int64_t>(n)) {}
    Value(long long n) : m_data(static_cast<std::int64_t>(n)) {}
    Value(double d) : m_data(d) {}
    Value(bool b) : m_data(b) {}
    Value(Date d) : m_data(d) {}

    ValueKind kind() const;
    bool isNull() const { return kind() == ValueKind::Null; }

    // Conversions the program relies on. A null reads as "" / 0 / false.
    std::string toText() const;          // numbers plainly, dates "yyyy/m/d" (plus " h:mm:ss"), true "True"
    bool isNumeric() const;              // a number, or a text such as "1,000", " -12 ", "3.5"
    double toDouble() const;             // throws DaoError when the value is not numeric
    std::int64_t toInt64() const;        // rounds half to even; throws when not numeric
    std::int32_t toInt32() const;        // as toInt64, and throws when outside the 32-bit range
    bool toBool() const;                 // null false; numbers: non-zero; texts "True"/"False"/numeric
    std::optional<Date> toDate() const;  // dates, and texts that parse as dates

    bool isEmptyText() const { return toText().empty(); }  // null counts as empty

    const std::variant<std::monostate, std::string, std::int64_t, double, Date, bool>& data() const { return m_data; }
    bool operator==(const Value& other) const = default;

private:
    std::variant<std::monostate, std::string, std::int64_t, double, Date, bool> m_data;
};

}  // namespace dao
