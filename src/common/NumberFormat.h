#pragma once
// Amounts as lists, grids, labels and printouts show them.
//
// The masks in use are named in common/NumberMasks.h. A comma anywhere in the
// mask groups the digits by three; the zeros give the least number of digits;
// a negative amount gets a leading "-". A number wider than the mask's
// positions is shown whole.

#include <cstdint>
#include <string>
#include <string_view>

namespace o {

std::string FormatNumber(std::int64_t value, std::string_view mask);

// The text right-aligned in a field of `width` characters (blanks on the left).
// A text wider than the field fills the field with "*", so a cut number is never shown.
std::string RightAlign(std::string_view text, int width);

// FormatNumber, then RightAlign.
std::string FormatAmountField(std::int64_t value, std::string_view mask, int width);
// The same, appended to `out`.
void AppendAmountField(std::string& out, std::int64_t value, std::string_view mask, int width);

// A number as the printer's print operation writes it: a blank for the sign
// (or "-"), the digits and one trailing blank: " 1 ", "-3 ".
std::string PrintedNumber(std::int64_t value);

}  // namespace o
