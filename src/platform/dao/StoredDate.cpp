#include "StoredDate.h"

namespace dao {

std::optional<Date> ReadStoredDate(std::string_view text)
{
    const auto digits = [&](std::size_t at, std::size_t count, int& out) {
        out = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return false;
            out = out * 10 + (text[i] - '0');
        }
        return true;
    };
    Date d;
    if ((text.size() == 10 || text.size() == 19) && text[4] == '-' && text[7] == '-' && digits(0, 4, d.year)
        && digits(5, 2, d.month) && digits(8, 2, d.day)) {
        if (text.size() == 10 && d.isValid())
            return d;
        if (text.size() == 19 && text[10] == ' ' && text[13] == ':' && text[16] == ':' && digits(11, 2, d.hour)
            && digits(14, 2, d.minute) && digits(17, 2, d.second) && d.isValid())
            return d;
    }
    return Date::parse(text);
}

}  // namespace dao
