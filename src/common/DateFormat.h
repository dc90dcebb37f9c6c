#pragma once
// Dates and times as the program shows, prints and numbers them.
//
// Patterns in use: "yy/mm/dd(aaa)" (journal and ledger rows),
// "yyyy年mm月dd日" (labels), "   yyyy/mm/dd(aaa) hh:mm" (printed page headers),
// "yymmddhhmmss" (voucher numbers), "yyyy/mm/dd" (the start list).
// Tokens: yyyy yy mm m dd d aaa (short Japanese weekday: 日 月 火 水 木 金 土)
// hh h nn n ss s. "mm"/"m" right after an hour token, or right before a
// seconds token, means minutes. Every other character is copied as it is.

#include "platform/dao/Value.h"

#include <string>
#include <string_view>

namespace o {

std::string FormatDate(const dao::Date& date, std::string_view pattern);

// "" for a value that is not a date.
std::string FormatDate(const dao::Value& date, std::string_view pattern);

// The short Japanese weekday name of a date: "日" for a Sunday, "月", ... "土".
std::string JapaneseWeekday(const dao::Date& date);

// The patterns, named.
inline constexpr std::string_view kListDate = "yy/mm/dd(aaa)";
inline constexpr std::string_view kLabelDate = "yyyy年mm月dd日";
inline constexpr std::string_view kHeaderDateTime = "   yyyy/mm/dd(aaa) hh:mm";
inline constexpr std::string_view kVoucherStamp = "yymmddhhmmss";
inline constexpr std::string_view kSlashDate = "yyyy/mm/dd";

}  // namespace o
