#include "setup/CompanySettings.h"

#include "common/Utf8.h"

namespace setup {

bool IsCorporateNumberText(std::string_view text)
{
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size(); ++characters)
        pos += o::utf8::decodeAt(text, pos).length;
    return characters == 0 || characters == 13;
}

bool IsPeriodNumberText(std::string_view text)
{
    if (text.empty() || text.size() > 4)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return std::stoi(std::string(text)) >= 1;
}

}  // namespace setup
