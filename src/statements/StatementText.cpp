#include "statements/StatementText.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"

namespace statements {

std::string AmountField(std::int64_t amount, int width)
{
    return o::FormatAmountField(amount, kStatementMask, width);
}

std::string LabelAmountLine(const std::string& label, std::int64_t amount, int labelWidth)
{
    return " " + o::FitByteWidth(label, labelWidth) + " " + AmountField(amount);
}

std::string PeriodText(const std::optional<dao::Date>& first, const std::optional<dao::Date>& last,
                       const dao::Date& now)
{
    if (last && now > dao::Date{last->year, last->month, last->day, 0, 0, 0})
        return (first ? o::FormatDate(*first, "yyyy年mm月dd日から") : std::string())
            + o::FormatDate(*last, "yyyy年mm月dd日まで");
    return o::FormatDate(now, "yyyy年mm月dd日現在");
}

std::string PrintedAmount(std::int64_t amount, const std::string& mask, int width, bool triangle)
{
    const std::string text = o::FormatNumber(amount, mask);
    if (text.empty() || text[0] != '-' || !triangle)
        return o::RightAlign(text, width);
    const std::string field = o::RightAlign("△" + text.substr(1), width);
    return field[0] == ' ' ? field.substr(1) : field;
}

}  // namespace statements
