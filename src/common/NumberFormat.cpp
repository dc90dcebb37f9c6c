#include "common/NumberFormat.h"

#include "common/Utf8.h"

#include <algorithm>

namespace o {

std::string FormatNumber(std::int64_t value, std::string_view mask)
{
    const bool grouped = mask.find(',') != std::string_view::npos;
    const auto minDigits = static_cast<std::size_t>(std::count(mask.begin(), mask.end(), '0'));

    const bool negative = value < 0;
    // Magnitude without overflow for the most negative value.
    std::uint64_t magnitude = negative ? (~static_cast<std::uint64_t>(value) + 1) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    if (magnitude == 0 && minDigits == 0)
        digits.clear();  // "#" alone shows nothing for zero
    if (digits.size() < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');

    std::string result;
    if (grouped) {
        const std::size_t n = digits.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0)
                result.push_back(',');
            result.push_back(digits[i]);
        }
    } else {
        result = digits;
    }
    if (negative)
        result.insert(0, 1, '-');
    return result;
}

std::string RightAlign(std::string_view text, int width)
{
    if (width <= 0)
        return {};
    // Count characters, not bytes: the texts aligned here are digits and signs,
    // and a character counts one position.
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size(); ++characters)
        pos += utf8::decodeAt(text, pos).length;
    const auto w = static_cast<std::size_t>(width);
    if (characters > w)
        return std::string(w, '*');
    return std::string(w - characters, ' ') + std::string(text);
}

std::string FormatAmountField(std::int64_t value, std::string_view mask, int width)
{
    std::string field;
    AppendAmountField(field, value, mask, width);
    return field;
}

void AppendAmountField(std::string& out, std::int64_t value, std::string_view mask, int width)
{
    const bool grouped = mask.find(',') != std::string_view::npos;
    const auto minDigits = static_cast<std::size_t>(std::count(mask.begin(), mask.end(), '0'));
    // The text is built backwards in a buffer that holds any 64-bit amount with
    // its commas and sign; a mask asking for more digits than fit goes the long way.
    char buffer[40];
    if (width <= 0)
        return;
    if (minDigits > 20) {
        out += RightAlign(FormatNumber(value, mask), width);
        return;
    }
    const bool negative = value < 0;
    std::uint64_t magnitude = negative ? (~static_cast<std::uint64_t>(value) + 1) : static_cast<std::uint64_t>(value);
    char* end = buffer + sizeof buffer;
    char* at = end;
    std::size_t digits = 0;
    while (magnitude > 0 || digits < minDigits) {
        if (grouped && digits > 0 && digits % 3 == 0)
            *--at = ',';
        *--at = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++digits;
    }
    if (negative)
        *--at = '-';
    // ASCII only: a byte is a character.
    const auto length = static_cast<std::size_t>(end - at);
    const auto w = static_cast<std::size_t>(width);
    if (length > w) {
        out.append(w, '*');
        return;
    }
    out.append(w - length, ' ');
    out.append(at, length);
}

std::string PrintedNumber(std::int64_t value)
{
    if (value < 0)
        return std::to_string(value) + " ";
    return " " + std::to_string(value) + " ";
}

}  // namespace o
