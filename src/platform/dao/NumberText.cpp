#include "NumberText.h"

#include <charconv>
#include <cstdio>
#include <cmath>
#include <system_error>

namespace dao::numbertext {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<Number> parse(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    std::string_view s = text.substr(begin, end - begin);

    // Rebuild a plain form without commas, checking the shape on the way.
    std::string plain;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            plain += '-';
        ++i;
    }
    int intDigits = 0;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            plain += s[i];
            ++intDigits;
            ++i;
        } else if (s[i] == ',' && intDigits > 0 && i + 1 < s.size() && isDigit(s[i + 1])) {
            ++i;  // a digit-group comma sits between two digits
        } else {
            break;
        }
    }
    int fracDigits = 0;
    bool hasPoint = false;
    if (i < s.size() && s[i] == '.') {
        hasPoint = true;
        plain += '.';
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            plain += s[i];
            ++fracDigits;
            ++i;
        }
    }
    if (intDigits + fracDigits == 0)
        return std::nullopt;
    bool hasExponent = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        hasExponent = true;
        plain += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            plain += s[i++];
        int expDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            plain += s[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;

    Number n;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    auto [ptr, ec] = std::from_chars(first, last, n.value);
    if (ec == std::errc::result_out_of_range) {
        // Very small magnitudes read as zero; very large ones as infinity.
        n.value = (plain.find("e-") != std::string::npos) ? 0.0 : (plain[0] == '-' ? -HUGE_VAL : HUGE_VAL);
    } else if (ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    if (!hasPoint && !hasExponent) {
        auto [p2, ec2] = std::from_chars(first, last, n.whole);
        n.isWhole = (ec2 == std::errc() && p2 == last);
    }
    return n;
}

std::string formatDouble(double d)
{
    if (d == 0.0)
        return "0";  // also -0
    if (std::isnan(d))
        return "NaN";
    if (std::isinf(d))
        return d < 0 ? "-Infinity" : "Infinity";
    // Fifteen significant digits, as the engine shows a double: 0.1 + 0.2
    // reads "0.3" and 1000 * 0.08 reads "80"; exponent form only below 1E-04
    // and from 1E+15.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", d);
    std::string text(buf);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

}  // namespace dao::numbertext
