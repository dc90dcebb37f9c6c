#pragma once
// Widths of texts counted in bytes of their Shift-JIS (code page 932) form, as
// the fixed-width fields of list lines and printed lines are laid out.
// ASCII and half-width katakana count 1, every other character Shift-JIS can
// represent counts 2, a character it cannot represent counts 1.

#include <string>
#include <string_view>

namespace o {

// Shift-JIS byte width of one Unicode code point.
int ShiftJisCharWidth(char32_t codePoint);

// Shift-JIS byte width of a UTF-8 text.
int ShiftJisByteWidth(std::string_view text);

// The text fitted to exactly `width` bytes: padded with blanks on the right, or
// cut on the right without splitting a double-byte character (a blank takes the
// last byte when a double-byte character would cross it). "" for width <= 0.
std::string FitByteWidth(std::string_view text, int width);
// The same, appended to `out`.
void AppendFitByteWidth(std::string& out, std::string_view text, int width);

}  // namespace o
