#pragma once
// The closed period as the rollover takes it from the settings row, checked
// before anything is made: a period number whose successor the field can
// hold, and a period that starts no later than it ends and lasts at most
// twelve months. Dates are compared by value, whatever form the file stores.

#include "closing/ClosingRun.h"
#include "platform/dao/Value.h"

#include <optional>
#include <string>

namespace closing {

// The largest period number whose next one 会計年度 can still hold.
inline constexpr long long kLastRollablePeriod = 2'147'483'646;

struct RolloverPeriod {
    long long number = 0;  // 会計年度 of the closed period
    ClosingPeriod dates;   // 会計期間開始日 .. 会計期間終了日
};

struct RolloverPeriodOrRefusal {
    std::optional<RolloverPeriod> period;
    std::string refusal;  // the message when period is not set
};

// `number`, `first` and `last` are 会計年度, 会計期間開始日 and 会計期間終了日
// of the settings row as stored.
RolloverPeriodOrRefusal CheckRolloverPeriod(const dao::Value& number, const dao::Value& first, const dao::Value& last);

// Reads the first settings row of `database` and checks it.
RolloverPeriodOrRefusal ReadRolloverPeriod(dao::Database& database);

// The first day after a period of twelve months that begins on `first`: the
// same day a year later, or the day after the end of that month when the
// month is shorter (a period from 29 February runs up to 28 February).
dao::Date TwelveMonthsOn(const dao::Date& first);

}  // namespace closing
