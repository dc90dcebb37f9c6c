#include "journal/EntryDate.h"

#include "platform/calendar/DaysInMonth.h"

namespace journal {

int LeadingNumber(const std::string& text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > 1000000)
            return 0;  // no year, month or day is that long
    }
    return static_cast<int>(value);
}

std::optional<dao::Date> DateFromBoxes(const std::string& yearText, const std::string& monthText,
                                       const std::string& dayText)
{
    if (yearText.empty() || monthText.empty() || dayText.empty())
        return std::nullopt;
    dao::Date d;
    d.year = LeadingNumber(yearText);
    d.month = LeadingNumber(monthText);
    d.day = LeadingNumber(dayText);
    // A year typed with two digits ("24年") would otherwise date the voucher in the
    // first century, which the lists show as "24/…" like the year 2024.
    if (d.year < kEarliestEntryYear || !d.isValid())
        return std::nullopt;
    return d;
}

std::optional<DateBox> WrongDateBox(const std::string& yearText, const std::string& monthText,
                                    const std::string& dayText)
{
    const int year = LeadingNumber(yearText);
    if (year < kEarliestEntryYear || year > 9999)
        return DateBox::Year;
    const int month = LeadingNumber(monthText);
    if (month < 1 || month > 12)
        return DateBox::Month;
    const int day = LeadingNumber(dayText);
    if (day < 1 || day > o::DaysInMonth(year, month))
        return DateBox::Day;
    return std::nullopt;
}

}  // namespace journal
