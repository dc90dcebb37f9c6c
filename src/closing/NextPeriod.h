#pragma once
// What the next period is called and when it runs: the file name made from
// the current one and the period number, and the dates one year on.

#include "platform/dao/Value.h"

#include <optional>
#include <string>

namespace closing {

// The text of `currentName` before its first "第", then "第", `nextPeriod`
// in plain digits and "期.mdb": 甲商事第7期.mdb with 8 gives 甲商事第8期.mdb.
// nullopt when the name holds no "第".
std::optional<std::string> NextPeriodFileName(const std::string& currentName, long long nextPeriod);

// The same month and day one calendar year later; 29 February becomes 28 February.
dao::Date OneYearLater(const dao::Date& date);

}  // namespace closing
