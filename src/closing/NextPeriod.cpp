#include "closing/NextPeriod.h"

#include "platform/calendar/DaysInMonth.h"

namespace closing {

std::optional<std::string> NextPeriodFileName(const std::string& currentName, long long nextPeriod)
{
    const std::size_t mark = currentName.find("第");
    if (mark == std::string::npos)
        return std::nullopt;
    return currentName.substr(0, mark) + "第" + std::to_string(nextPeriod) + "期.mdb";
}

dao::Date OneYearLater(const dao::Date& date)
{
    dao::Date later{date.year + 1, date.month, date.day};
    const int days = o::DaysInMonth(later.year, later.month);
    if (later.day > days)
        later.day = days;
    return later;
}

}  // namespace closing
