#include "setup/PrintFields.h"

#include "common/NumberFormat.h"
#include "common/Utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace setup {

std::string LeftSet(std::string_view text, int characters)
{
    if (characters <= 0)
        return {};
    std::string result;
    int count = 0;
    for (std::size_t pos = 0; pos < text.size() && count < characters; ++count) {
        const std::size_t length = o::utf8::decodeAt(text, pos).length;
        result.append(text.substr(pos, length));
        pos += length;
    }
    result.append(static_cast<std::size_t>(characters - count), ' ');
    return result;
}

std::string NumberField(const dao::Value& value, std::string_view mask, int characters, std::string_view suffix)
{
    if (value.isNull() || !value.isNumeric())
        return std::string(static_cast<std::size_t>(std::max(characters, 0)), ' ');
    return o::RightAlign(o::FormatNumber(value.toInt64(), mask) + std::string(suffix), characters);
}

std::string RateField(const dao::Value& value, int characters)
{
    if (value.isNull() || !value.isNumeric())
        return std::string(static_cast<std::size_t>(std::max(characters, 0)), ' ');
    // Round on the decimal text of the stored single-precision figure, so that
    // 0.1 stored as 0.100000001 prints 0.100.
    const double thousandths = std::round(value.toDouble() * 1000.0);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", thousandths / 1000.0);
    std::string text = buffer;
    if (text == "-0.000")
        text = "0.000";
    return o::RightAlign(text, characters);
}

bool IsNonZeroNumber(const dao::Value& value)
{
    return !value.isNull() && value.isNumeric() && value.toDouble() != 0.0;
}

}  // namespace setup
