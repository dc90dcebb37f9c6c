#pragma once
// Amounts are whole yen held in 32-bit signed integers; sums are formed in 64 bits
// and checked against that range.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace journal {

inline bool FitsAmount(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

inline constexpr const char* kAmountOutOfRangeMessage =
    "金額が扱える範囲（-2,147,483,648～2,147,483,647円）を超えています";

// What an amount cell's text holds.
struct AmountText {
    enum class Kind { Empty, NotNumeric, OutOfRange, Amount };
    Kind kind = Kind::Empty;
    std::int32_t amount = 0;  // valid for Kind::Amount
};

// Digit-group commas are allowed; a fraction rounds to the nearest whole yen,
// a half to the even neighbour (12.5 gives 12, 13.5 gives 14).
AmountText ReadAmountText(const std::string& text);

}  // namespace journal
