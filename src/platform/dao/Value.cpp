#include "Value.h"

#include "DaoError.h"
#include "platform/calendar/DaysInMonth.h"
#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

namespace dao {

// ---------------------------------------------------------------- Date

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads 1..maxDigits digits at pos; nullopt when there is none.
std::optional<int> readNumber(std::string_view s, std::size_t& pos, int maxDigits)
{
    int value = 0;
    int count = 0;
    while (pos < s.size() && isDigit(s[pos]) && count < maxDigits) {
        value = value * 10 + (s[pos] - '0');
        ++pos;
        ++count;
    }
    if (count == 0 || (pos < s.size() && isDigit(s[pos])))
        return std::nullopt;
    return value;
}

Date fromTm(const std::tm& tm, bool withTime)
{
    Date d{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, 0, 0, 0};
    if (withTime) {
        d.hour = tm.tm_hour;
        d.minute = tm.tm_min;
        d.second = tm.tm_sec;
    }
    return d;
}

std::tm localNow()
{
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

}  // namespace

bool Date::isValid() const
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= o::DaysInMonth(year, month)
        && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

std::string Date::isoText() const
{
    char buf[64];
    if (hasTime())
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    return buf;
}

// Accepts a four-digit year, then month and day separated by "/" or "-" (the
// same both times, one or two digits each), optionally followed by blanks (or
// "T") and a time "h:mm" or "h:mm:ss". Blanks around the whole are ignored.
std::optional<Date> Date::parse(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    std::string_view s = text.substr(begin, end - begin);

    std::size_t pos = 0;
    Date d;
    std::size_t yearStart = pos;
    auto year = readNumber(s, pos, 4);
    if (!year || pos - yearStart != 4)
        return std::nullopt;
    if (pos >= s.size() || (s[pos] != '/' && s[pos] != '-'))
        return std::nullopt;
    const char separator = s[pos++];
    auto month = readNumber(s, pos, 2);
    if (!month || pos >= s.size() || s[pos] != separator)
        return std::nullopt;
    ++pos;
    auto day = readNumber(s, pos, 2);
    if (!day)
        return std::nullopt;
    d.year = *year;
    d.month = *month;
    d.day = *day;

    if (pos < s.size()) {
        if (s[pos] != ' ' && s[pos] != 'T' && s[pos] != '\t')
            return std::nullopt;
        ++pos;
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t'))
            ++pos;
        auto hour = readNumber(s, pos, 2);
        if (!hour || pos >= s.size() || s[pos] != ':')
            return std::nullopt;
        ++pos;
        auto minute = readNumber(s, pos, 2);
        if (!minute)
            return std::nullopt;
        int second = 0;
        if (pos < s.size() && s[pos] == ':') {
            ++pos;
            auto sec = readNumber(s, pos, 2);
            if (!sec)
                return std::nullopt;
            second = *sec;
        }
        if (pos != s.size())
            return std::nullopt;
        d.hour = *hour;
        d.minute = *minute;
        d.second = second;
    }
    if (!d.isValid())
        return std::nullopt;
    return d;
}

Date Date::today()
{
    return fromTm(localNow(), false);
}

Date Date::now()
{
    return fromTm(localNow(), true);
}

// Days from the civil calendar (proleptic Gregorian), 1970-01-01 = 0.
long long Date::dayNumber() const
{
    long long y = year - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long m = month;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date Date::fromDayNumber(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return Date{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d), 0, 0, 0};
}

// ---------------------------------------------------------------- Value

namespace {

std::string quoted(const std::string& text)
{
    return "「" + text + "」";
}

[[noreturn]] void throwNotNumeric(const Value& v)
{
    throw DaoError(DaoError::Code::TypeMismatch, "値" + quoted(v.toText()) + "は数値ではありません。");
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// Half to even: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
double roundHalfToEven(double d)
{
    const double lower = std::floor(d);
    const double fraction = d - lower;
    if (fraction > 0.5)
        return lower + 1.0;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

}  // namespace

ValueKind Value::kind() const
{
    switch (m_data.index()) {
    case 1: return ValueKind::Text;
    case 2: return ValueKind::Integer;
    case 3: return ValueKind::Double;
    case 4: return ValueKind::Date;
    case 5: return ValueKind::Boolean;
    default: return ValueKind::Null;
    }
}

// Numbers plainly ("1000", "3.5", never "3.50"); dates as the date boxes store
// them, "2024/4/1", with " 9:05:00" after it when there is a time of day;
// Booleans "True"/"False"; null "".
std::string Value::toText() const
{
    switch (kind()) {
    case ValueKind::Null: return {};
    case ValueKind::Text: return std::get<std::string>(m_data);
    case ValueKind::Integer: return std::to_string(std::get<std::int64_t>(m_data));
    case ValueKind::Double: return numbertext::formatDouble(std::get<double>(m_data));
    case ValueKind::Boolean: return std::get<bool>(m_data) ? "True" : "False";
    case ValueKind::Date: {
        const Date& d = std::get<Date>(m_data);
        char buf[64];
        if (d.hasTime())
            std::snprintf(buf, sizeof buf, "%d/%d/%d %d:%02d:%02d", d.year, d.month, d.day, d.hour, d.minute, d.second);
        else
            std::snprintf(buf, sizeof buf, "%d/%d/%d", d.year, d.month, d.day);
        return buf;
    }
    }
    return {};
}

// A null, a date and a text that is not a number are not numeric; a Boolean is
// (True is -1).
bool Value::isNumeric() const
{
    switch (kind()) {
    case ValueKind::Integer:
    case ValueKind::Double:
    case ValueKind::Boolean: return true;
    case ValueKind::Text: return numbertext::parse(std::get<std::string>(m_data)).has_value();
    default: return false;
    }
}

double Value::toDouble() const
{
    switch (kind()) {
    case ValueKind::Null: return 0.0;
    case ValueKind::Integer: return static_cast<double>(std::get<std::int64_t>(m_data));
    case ValueKind::Double: return std::get<double>(m_data);
    case ValueKind::Boolean: return std::get<bool>(m_data) ? -1.0 : 0.0;
    case ValueKind::Text: {
        auto n = numbertext::parse(std::get<std::string>(m_data));
        if (!n)
            throwNotNumeric(*this);
        return n->value;
    }
    case ValueKind::Date: break;
    }
    throwNotNumeric(*this);
}

std::int64_t Value::toInt64() const
{
    switch (kind()) {
    case ValueKind::Null: return 0;
    case ValueKind::Integer: return std::get<std::int64_t>(m_data);
    case ValueKind::Boolean: return std::get<bool>(m_data) ? -1 : 0;
    case ValueKind::Text: {
        auto n = numbertext::parse(std::get<std::string>(m_data));
        if (!n)
            throwNotNumeric(*this);
        if (n->isWhole)
            return n->whole;
        break;
    }
    case ValueKind::Double: break;
    case ValueKind::Date: throwNotNumeric(*this);
    }
    const double rounded = roundHalfToEven(toDouble());
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (std::isnan(rounded) || rounded >= 9223372036854775808.0 || rounded < -9223372036854775808.0)
        throw DaoError(DaoError::Code::Overflow,
                       "値" + quoted(toText()) + "が大きすぎます（オーバーフローしました）。");
    return static_cast<std::int64_t>(rounded);
}

std::int32_t Value::toInt32() const
{
    const std::int64_t n = toInt64();
    if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max())
        throw DaoError(DaoError::Code::Overflow,
                       "値" + quoted(toText())
                           + "は扱える範囲（-2147483648～2147483647）を超えています（オーバーフローしました）。");
    return static_cast<std::int32_t>(n);
}

// Texts "True"/"False" in any case, or numeric texts; any other text (the
// empty one too) and a date are a type mismatch.
bool Value::toBool() const
{
    switch (kind()) {
    case ValueKind::Null: return false;
    case ValueKind::Boolean: return std::get<bool>(m_data);
    case ValueKind::Integer: return std::get<std::int64_t>(m_data) != 0;
    case ValueKind::Double: return std::get<double>(m_data) != 0.0;
    case ValueKind::Text: {
        const std::string& s = std::get<std::string>(m_data);
        if (equalsIgnoringAsciiCase(s, "True"))
            return true;
        if (equalsIgnoringAsciiCase(s, "False"))
            return false;
        if (auto n = numbertext::parse(s))
            return n->value != 0.0;
        break;
    }
    case ValueKind::Date: break;
    }
    throw DaoError(DaoError::Code::TypeMismatch, "値" + quoted(toText()) + "は真偽値（True/False）として読めません。");
}

std::optional<Date> Value::toDate() const
{
    switch (kind()) {
    case ValueKind::Date: return std::get<Date>(m_data);
    case ValueKind::Text: return Date::parse(std::get<std::string>(m_data));
    default: return std::nullopt;
    }
}

}  // namespace dao
