#pragma once
// The masks FormatNumber shows numbers with, named once for every window,
// list and printout. A comma groups the digits by three; the "0"s give the
// least number of digits; the "#"s only say how wide the mask is meant to be.

namespace o {

// Amounts, grouped by three.
inline constexpr const char* kAmountMask = "###,###,##0";        // lists, cells, list printouts
inline constexpr const char* kAmount8Mask = "##,###,##0";        // register figures in 10 characters
inline constexpr const char* kAmount10Mask = "#,###,###,##0";    // labels, lease lists, opening balances
inline constexpr const char* kAmount11Mask = "##,###,###,##0";   // entry-grid totals, account balances
inline constexpr const char* kAmount12Mask = "###,###,###,##0";  // statements, carried openings

// An amount without grouping (the tax cell of the entry grid, CSV fields).
inline constexpr const char* kPlainAmountMask = "########0";

// Counts in a message, grouped by three.
inline constexpr const char* kCountMask = "#,##0";

// A whole number with at least one digit (a month, a quantity, a rate in percent).
inline constexpr const char* kWholeMask = "#0";

// Two digits with a leading zero (a month or a day inside a voucher number).
inline constexpr const char* kTwoDigitMask = "00";

}  // namespace o
