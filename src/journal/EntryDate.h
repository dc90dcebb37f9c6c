#pragma once
// The date of the three date boxes: texts such as "2024年", "04月", "1日".

#include "platform/dao/Value.h"

#include <optional>
#include <string>

namespace journal {

// The number at the start of a text (leading blanks skipped): "2024年" gives 2024,
// "04月" gives 4; 0 when the text does not start with a digit.
int LeadingNumber(const std::string& text);

// The earliest year the date boxes accept.
inline constexpr int kEarliestEntryYear = 1900;

// The date the three boxes make, or nullopt when any box is empty, the date
// does not exist (31 April, 29 February of a common year) or its year is before
// kEarliestEntryYear.
std::optional<dao::Date> DateFromBoxes(const std::string& yearText, const std::string& monthText,
                                       const std::string& dayText);

// The first box whose text makes the date impossible: a year before
// kEarliestEntryYear or after 9999, a month outside 1 to 12, a day the month
// does not have (an empty box counts as wrong); nothing for a date that exists.
enum class DateBox { Year = 0, Month = 1, Day = 2 };
std::optional<DateBox> WrongDateBox(const std::string& yearText, const std::string& monthText,
                                    const std::string& dayText);

// The message for a date that does not exist.
inline const char* const kInvalidDateMessage = "日付が正しくありません";

}  // namespace journal
