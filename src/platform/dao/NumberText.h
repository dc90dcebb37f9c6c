#pragma once
// Reading a number from a text the way the program's users type them:
// leading and trailing blanks, a sign, digit-group commas, a decimal point
// and an exponent ("1,000", " -12 ", "3.5", "1e3"). Private to the database layer.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dao::numbertext {

struct Number {
    bool isWhole = false;    // no decimal point, no exponent, fits 64 bits
    std::int64_t whole = 0;  // valid when isWhole
    double value = 0.0;      // always valid
};

std::optional<Number> parse(std::string_view text);

// A double in at most fifteen significant digits, with no trailing zeros
// ("3.5", "1000", "0.1"); exponent form only for very large or small values.
std::string formatDouble(double d);

}  // namespace dao::numbertext
