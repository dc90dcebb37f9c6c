#pragma once
// Whether a fiscal period can be one: its first day on or before its last day,
// and no longer than one year. One year is counted as the civil code counts a
// period by years: it ends on the day before the day that corresponds to the
// first day one year later, or, where that month has no such day (a start on
// 29 February), on the last day of that month. A pure routine: the setup
// window, the closing window and the rollover ask it alike.

#include "platform/dao/Value.h"

#include <optional>
#include <string>

namespace o {

enum class FiscalPeriodFault { None, Missing, StartAfterEnd, LongerThanAYear };

// The last day that a period starting on `start` may have.
dao::Date LastDayOfOneYearFrom(const dao::Date& start);

// The fault of the period from `start` to `end` (dates compared by their day,
// whatever time they carry); Missing when either is not a real date.
FiscalPeriodFault CheckFiscalPeriod(const std::optional<dao::Date>& start, const std::optional<dao::Date>& end);

// The fault said to the user, naming the period: "会計期間（2025年04月01日～2024年03月31日）は、
// 開始日が終了日より後になっています". "" for None.
std::string FiscalPeriodFaultText(FiscalPeriodFault fault, const std::optional<dao::Date>& start,
                                  const std::optional<dao::Date>& end);

}  // namespace o
