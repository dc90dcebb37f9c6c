#pragma once
// The fonts the program asks for by their Japanese names, and the installed
// families drawn in their place (Debian fonts-ipafont). The fixed-pitch
// substitutes draw a double-byte character exactly two half-width cells wide,
// as the byte-fitted printouts and lists need.

#include <string>

namespace printing {

// "ＭＳ ゴシック" → "IPAGothic", "ＭＳ 明朝" → "IPAMincho",
// "ＭＳ Ｐゴシック" → "IPAPGothic"; any other name is returned unchanged.
std::string substituteFontFamily(const std::string& requested);

}  // namespace printing
