#include "registers/FixedAssetFields.h"

#include <cmath>

namespace registers {

double LeadingNumber(std::string_view text)
{
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos)
        return 0;
    bool negative = false;
    if (text[pos] == '-' || text[pos] == '+')
        negative = text[pos++] == '-';
    double value = 0;
    bool digits = false;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, digits = true)
        value = value * 10 + (text[pos] - '0');
    if (pos < text.size() && text[pos] == '.')
        for (double scale = 0.1; ++pos < text.size() && text[pos] >= '0' && text[pos] <= '9';
             scale /= 10, digits = true)
            value += (text[pos] - '0') * scale;
    if (!digits)
        return 0;
    return negative ? -value : value;
}

bool IsNumericText(std::string_view text)
{
    return dao::Value(text).isNumeric();
}

namespace {

// The leading whole number of a date text; nullopt when it has a fraction or none.
std::optional<int> WholeLeadingNumber(std::string_view text)
{
    const double value = LeadingNumber(text);
    if (value != std::floor(value) || std::fabs(value) > 99999)
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

std::string AcquisitionDateText(const FixedAssetFields& fields)
{
    auto part = [](std::string_view text) { return std::to_string(static_cast<long long>(LeadingNumber(text))); };
    return part(fields.year) + "/" + part(fields.month) + "/" + part(fields.day);
}

std::optional<dao::Date> AcquisitionDate(const FixedAssetFields& fields)
{
    const auto year = WholeLeadingNumber(fields.year);
    const auto month = WholeLeadingNumber(fields.month);
    const auto day = WholeLeadingNumber(fields.day);
    if (!year || !month || !day || *year < 1)
        return std::nullopt;
    const dao::Date date{*year, *month, *day};
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int UsefulLifeYears(const FixedAssetFields& fields)
{
    const double years = LeadingNumber(fields.life);
    if (std::fabs(years) > 32767)
        return years < 0 ? -32768 : 32767;
    return static_cast<int>(std::nearbyint(years));  // the default rounding: halves to the even one
}

std::optional<std::string> CheckFixedAssetFields(const FixedAssetFields& fields, FixedAssetCheck check)
{
    for (const std::string* required : {&fields.number, &fields.name, &fields.cost, &fields.quantity,
                                        &fields.accountName, &fields.year, &fields.month, &fields.day, &fields.method})
        if (required->empty())
            return kNoDataMessage;
    if (check == FixedAssetCheck::Update && fields.life.empty())
        return kNoDataMessage;

    if (!IsNumericText(fields.quantity) || !IsNumericText(fields.cost) || !IsNumericText(fields.residual))
        return kBadNumberMessage;
    if (check == FixedAssetCheck::LeaveResidual && UsefulLifeYears(fields) <= 0)
        return kBadNumberMessage;

    if (!AcquisitionDate(fields))
        return kBadDateMessage;
    return std::nullopt;
}

}  // namespace registers
