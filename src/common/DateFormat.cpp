#include "common/DateFormat.h"

#include <cstdio>
#include <vector>

namespace o {

namespace {

enum class Token {
    Literal,
    Year4,
    Year2,
    Month2,
    Month1,
    Day2,
    Day1,
    Weekday,
    Hour2,
    Hour1,
    Minute2,
    Minute1,
    Second2,
    Second1
};

struct Segment {
    Token token;
    std::string literal;
};

bool startsWith(std::string_view text, std::size_t pos, std::string_view prefix)
{
    return text.substr(pos, prefix.size()) == prefix;
}

std::vector<Segment> tokenize(std::string_view pattern)
{
    struct Rule {
        std::string_view text;
        Token token;
    };
    static const Rule rules[] = {
        {"yyyy", Token::Year4}, {"yy", Token::Year2},   {"mm", Token::Month2},   {"m", Token::Month1},
        {"dd", Token::Day2},    {"d", Token::Day1},     {"aaa", Token::Weekday}, {"hh", Token::Hour2},
        {"h", Token::Hour1},    {"nn", Token::Minute2}, {"n", Token::Minute1},   {"ss", Token::Second2},
        {"s", Token::Second1},
    };
    std::vector<Segment> segments;
    for (std::size_t pos = 0; pos < pattern.size();) {
        bool matched = false;
        for (const Rule& rule : rules) {
            if (startsWith(pattern, pos, rule.text)) {
                segments.push_back({rule.token, {}});
                pos += rule.text.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            if (segments.empty() || segments.back().token != Token::Literal)
                segments.push_back({Token::Literal, {}});
            segments.back().literal.push_back(pattern[pos]);
            ++pos;
        }
    }

    // "m" after an hour, or before seconds, is minutes.
    Token previous = Token::Literal;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        Segment& segment = segments[i];
        if (segment.token == Token::Literal)
            continue;
        if (segment.token == Token::Month2 || segment.token == Token::Month1) {
            Token next = Token::Literal;
            for (std::size_t j = i + 1; j < segments.size(); ++j)
                if (segments[j].token != Token::Literal) {
                    next = segments[j].token;
                    break;
                }
            const bool afterHour = previous == Token::Hour2 || previous == Token::Hour1;
            const bool beforeSecond = next == Token::Second2 || next == Token::Second1;
            if (afterHour || beforeSecond)
                segment.token = segment.token == Token::Month2 ? Token::Minute2 : Token::Minute1;
        }
        previous = segment.token;
    }
    return segments;
}

std::string twoDigits(int n)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

}  // namespace

std::string JapaneseWeekday(const dao::Date& date)
{
    static const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
    const dao::Date dateOnly{date.year, date.month, date.day};
    // 1970-01-01 was a Thursday.
    const long long days = dateOnly.dayNumber();
    const int weekday = static_cast<int>(((days % 7) + 7 + 4) % 7);
    return names[weekday];
}

std::string FormatDate(const dao::Date& date, std::string_view pattern)
{
    std::string result;
    for (const Segment& segment : tokenize(pattern)) {
        switch (segment.token) {
        case Token::Literal: result += segment.literal; break;
        case Token::Year4: {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%04d", date.year);
            result += buffer;
            break;
        }
        case Token::Year2: result += twoDigits(((date.year % 100) + 100) % 100); break;
        case Token::Month2: result += twoDigits(date.month); break;
        case Token::Month1: result += std::to_string(date.month); break;
        case Token::Day2: result += twoDigits(date.day); break;
        case Token::Day1: result += std::to_string(date.day); break;
        case Token::Weekday: result += JapaneseWeekday(date); break;
        case Token::Hour2: result += twoDigits(date.hour); break;
        case Token::Hour1: result += std::to_string(date.hour); break;
        case Token::Minute2: result += twoDigits(date.minute); break;
        case Token::Minute1: result += std::to_string(date.minute); break;
        case Token::Second2: result += twoDigits(date.second); break;
        case Token::Second1: result += std::to_string(date.second); break;
        }
    }
    return result;
}

std::string FormatDate(const dao::Value& date, std::string_view pattern)
{
    const std::optional<dao::Date> d = date.toDate();
    if (!d)
        return {};
    return FormatDate(*d, pattern);
}

}  // namespace o
