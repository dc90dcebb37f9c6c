#pragma once
// Width of a text in half-width cells, counted as a Shift-JIS printout counts
// it: ASCII and half-width katakana take one cell, every other character two.

#include <string>

namespace printing {

int halfWidthCells(const std::string& utf8);

}  // namespace printing
