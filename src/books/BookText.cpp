#include "books/BookText.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"

namespace books {

std::string fit(const std::string& text, int bytes)
{
    return o::FitByteWidth(text, bytes);
}

std::string amountField(std::int64_t amount, const char* mask, int width)
{
    if (width <= 0)
        return o::FormatNumber(amount, mask);
    return o::FormatAmountField(amount, mask, width);
}

LineBuilder& LineBuilder::text(const std::string& value, int bytes)
{
    o::AppendFitByteWidth(m_line, value, bytes);
    return *this;
}

LineBuilder& LineBuilder::amount(std::int64_t value, int width, const char* mask)
{
    if (width <= 0)
        m_line += o::FormatNumber(value, mask);
    else
        o::AppendAmountField(m_line, value, mask, width);
    return *this;
}

std::string blanks(int count)
{
    return std::string(count > 0 ? static_cast<std::size_t>(count) : 0, ' ');
}

std::string DateColumn::next(const std::optional<dao::Date>& date)
{
    if (!date || *date == m_lastShown)
        return blanks(12);
    m_lastShown = *date;
    return fit(o::FormatDate(*date, o::kListDate), 12);
}

}  // namespace books
