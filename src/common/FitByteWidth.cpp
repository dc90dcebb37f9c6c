#include "common/FitByteWidth.h"

#include "common/Utf8.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <iconv.h>

namespace o {

namespace {

// Width of a code point by converting it alone to CP932.
int convertedWidth(char32_t codePoint)
{
    static thread_local iconv_t converter = iconv_open("CP932", "UTF-32LE");
    // iconv_open reports a failure as (iconv_t)-1: the cast is its interface.
    if (converter == reinterpret_cast<iconv_t>(-1))  // NOLINT(performance-no-int-to-ptr)
        return codePoint < 0x80 ? 1 : 2;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);  // reset the shift state

    char input[4] = {static_cast<char>(codePoint & 0xFF), static_cast<char>((codePoint >> 8) & 0xFF),
                     static_cast<char>((codePoint >> 16) & 0xFF), static_cast<char>((codePoint >> 24) & 0xFF)};
    char output[8];
    char* in = input;
    char* out = output;
    std::size_t inLeft = sizeof input;
    std::size_t outLeft = sizeof output;
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
        return 1;  // not representable in Shift-JIS
    const int bytes = static_cast<int>(sizeof output - outLeft);
    return bytes == 2 ? 2 : 1;
}

// Widths of the Basic Multilingual Plane, filled in as characters are met
// (0 = not known yet).
std::array<std::atomic<unsigned char>, 0x10000>& bmpWidths()
{
    static std::array<std::atomic<unsigned char>, 0x10000> widths{};
    return widths;
}

}  // namespace

int ShiftJisCharWidth(char32_t codePoint)
{
    if (codePoint < 0x80)
        return 1;
    if (codePoint >= 0xFF61 && codePoint <= 0xFF9F)
        return 1;  // half-width katakana
    if (codePoint > 0xFFFF)
        return 1;  // outside the BMP: Shift-JIS has none of these
    auto& slot = bmpWidths()[codePoint];
    unsigned char known = slot.load(std::memory_order_relaxed);
    if (known == 0) {
        known = static_cast<unsigned char>(convertedWidth(codePoint));
        slot.store(known, std::memory_order_relaxed);
    }
    return known;
}

int ShiftJisByteWidth(std::string_view text)
{
    int width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const utf8::CodePoint cp = utf8::decodeAt(text, pos);
        width += ShiftJisCharWidth(cp.value);
        pos += cp.length;
    }
    return width;
}

std::string FitByteWidth(std::string_view text, int width)
{
    std::string result;
    if (width > 0)
        result.reserve(text.size() + static_cast<std::size_t>(width));
    AppendFitByteWidth(result, text, width);
    return result;
}

void AppendFitByteWidth(std::string& out, std::string_view text, int width)
{
    if (width <= 0)
        return;
    int used = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const utf8::CodePoint cp = utf8::decodeAt(text, pos);
        const int w = ShiftJisCharWidth(cp.value);
        if (used + w > width)
            break;  // the rest is cut; a double-byte character is never split
        used += w;
        pos += cp.length;
    }
    out.append(text.substr(0, pos));
    out.append(static_cast<std::size_t>(width - used), ' ');
}

}  // namespace o
