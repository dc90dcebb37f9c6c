#include "platform/printing/TextCells.h"

namespace printing {

namespace {

// Decodes the UTF-8 sequence at text[i]; returns the code point and moves i past
// it. A malformed byte stands for itself.
char32_t nextCodePoint(const std::string& text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 1;
    char32_t cp = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
        cp = lead & 0x07;
    } else if (lead >= 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    }
    if (length == 1 || i + length > text.size()) {
        ++i;
        return lead;
    }
    for (int k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += length;
    return cp;
}

}  // namespace

int halfWidthCells(const std::string& utf8)
{
    int cells = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, i);
        const bool singleByte = cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F);
        cells += singleByte ? 1 : 2;
    }
    return cells;
}

}  // namespace printing
