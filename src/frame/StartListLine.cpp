#include "frame/StartListLine.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"

namespace frame {

namespace {

std::string periodField(const dao::Value& period)
{
    if (period.isEmptyText())
        return o::FitByteWidth("", 8);
    // The number as the runtime converts it, with a blank for its sign: "第 1期".
    std::string number = period.toText();
    if (!number.empty() && number[0] != '-')
        number.insert(0, 1, ' ');
    return o::FitByteWidth("第" + number + "期", 8);
}

std::string dateField(const dao::Value& date, std::string_view pattern, int width)
{
    return o::FitByteWidth(o::FormatDate(date, pattern), width);
}

}  // namespace

std::string startListLine(const dao::Value& company, const dao::Value& period, const dao::Value& firstDay,
                          const dao::Value& lastDay, const std::string& fileName)
{
    return o::FitByteWidth(company.toText(), 40) + periodField(period) + dateField(firstDay, "yyyy/mm/dd", 10) + "～"
        + dateField(lastDay, "yyyy/mm/dd ", 11) + o::FitByteWidth(fileName, 40);
}

namespace {
std::string markedListLine(const char* mark, const std::string& fileName)
{
    return o::FitByteWidth(mark, 40) + std::string(8 + 10 + 2 + 11, ' ') + o::FitByteWidth(fileName, 40);
}
}  // namespace

std::string unreadableListLine(const std::string& fileName)
{
    return markedListLine(kUnreadableMark, fileName);
}

std::string inUseListLine(const std::string& fileName)
{
    return markedListLine(kInUseMark, fileName);
}

}  // namespace frame
