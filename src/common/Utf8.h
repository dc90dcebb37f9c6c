#pragma once
// Walking a UTF-8 text one code point at a time. A byte that does not start a
// valid sequence is taken as a code point of its own (U+FFFD stands for it) and
// keeps its one byte.

#include <cstddef>
#include <string_view>

namespace o::utf8 {

struct CodePoint {
    char32_t value = 0;
    std::size_t length = 0;  // bytes it takes in the text
};

CodePoint decodeAt(std::string_view text, std::size_t pos);

}  // namespace o::utf8
