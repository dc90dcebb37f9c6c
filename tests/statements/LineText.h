#pragma once
// Building the expected lines of the tests by hand: texts padded to a
// Shift-JIS byte width, amounts with digit groups right-aligned in a field.

#include "StatementsFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace statementstest {

// The text followed by blanks up to `bytes` Shift-JIS bytes (the text must fit).
inline std::string pad(const std::string& text, int bytes)
{
    const int width = byteWidth(text);
    EXPECT_LE(width, bytes) << text;
    return text + std::string(static_cast<std::size_t>(std::max(0, bytes - width)), ' ');
}

// 1234567 -> "1,234,567"; -500 -> "-500".
inline std::string yen(long long amount)
{
    const bool negative = amount < 0;
    std::string digits = std::to_string(negative ? -amount : amount);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return negative ? "-" + digits : digits;
}

// The text with blanks before it up to `width` characters.
inline std::string right(const std::string& text, int width)
{
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

inline std::string amount18(long long amount)
{
    return right(yen(amount), 18);
}

// A line with its blanks (half-width and ideographic) collapsed to one and
// none at either end: "  　　地代家賃      30,000" -> "地代家賃 30,000".
inline std::string compact(const std::string& line)
{
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        const bool ideographic = line.compare(i, 3, "　") == 0;
        if (ideographic || line[i] == ' ') {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
            i += ideographic ? 3 : 1;
            continue;
        }
        out += line[i++];
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

}  // namespace statementstest
