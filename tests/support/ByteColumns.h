#pragma once
// Reading fixed-width printed or listed lines by their Shift-JIS byte columns.

#include "common/FitByteWidth.h"

#include <string>

namespace testsupport {

// The part of a line between two byte positions counted in Shift-JIS bytes
// (1-based, inclusive); a character that straddles either end is left out.
inline std::string bytesOf(const std::string& line, int from, int to)
{
    std::string out;
    int position = 1;
    for (std::size_t i = 0; i < line.size();) {
        const unsigned char lead = static_cast<unsigned char>(line[i]);
        const std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string ch = line.substr(i, len);
        const int width = o::ShiftJisByteWidth(ch);
        if (position >= from && position + width - 1 <= to)
            out += ch;
        position += width;
        i += len;
    }
    return out;
}

// The text without its leading and trailing blanks.
inline std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

inline int byteWidth(const std::string& text)
{
    return o::ShiftJisByteWidth(text);
}

}  // namespace testsupport
