#include "common/FiscalPeriod.h"

#include "common/DateFormat.h"
#include "platform/calendar/DaysInMonth.h"

namespace o {

namespace {

bool isDate(const std::optional<dao::Date>& d)
{
    return d && d->isValid();
}

std::string shown(const std::optional<dao::Date>& d)
{
    return isDate(d) ? FormatDate(*d, kLabelDate) : std::string("なし");
}

}  // namespace

dao::Date LastDayOfOneYearFrom(const dao::Date& start)
{
    const int year = start.year + 1;
    const int lastDay = DaysInMonth(year, start.month);
    if (start.day > lastDay)
        return dao::Date{year, start.month, lastDay};
    return dao::Date::fromDayNumber(dao::Date{year, start.month, start.day}.dayNumber() - 1);
}

FiscalPeriodFault CheckFiscalPeriod(const std::optional<dao::Date>& start, const std::optional<dao::Date>& end)
{
    if (!isDate(start) || !isDate(end))
        return FiscalPeriodFault::Missing;
    const dao::Date startDay{start->year, start->month, start->day};
    const dao::Date endDay{end->year, end->month, end->day};
    if (startDay > endDay)
        return FiscalPeriodFault::StartAfterEnd;
    if (endDay > LastDayOfOneYearFrom(startDay))
        return FiscalPeriodFault::LongerThanAYear;
    return FiscalPeriodFault::None;
}

std::string FiscalPeriodFaultText(FiscalPeriodFault fault, const std::optional<dao::Date>& start,
                                  const std::optional<dao::Date>& end)
{
    const std::string period = "会計期間（" + shown(start) + "～" + shown(end) + "）は、";
    switch (fault) {
    case FiscalPeriodFault::None: return {};
    case FiscalPeriodFault::Missing: return period + "開始日か終了日が日付になっていません";
    case FiscalPeriodFault::StartAfterEnd: return period + "開始日が終了日より後になっています";
    case FiscalPeriodFault::LongerThanAYear: return period + "１年を超えています（１年以内にしてください）";
    }
    return {};
}

}  // namespace o
