#include "journal/TaxAmount.h"

#include "journal/AmountRange.h"

namespace journal {

FractionRule FractionRuleOf(const std::string& setting)
{
    if (setting == "1")
        return FractionRule::Truncate;
    if (setting == "2")
        return FractionRule::HalfUp;
    if (setting == "3")
        return FractionRule::RoundUp;
    return FractionRule::None;
}

std::int64_t RoundQuotient(std::int64_t numerator, std::int64_t denominator, FractionRule rule)
{
    const bool negative = numerator < 0;
    const std::int64_t magnitude = negative ? -numerator : numerator;
    std::int64_t quotient = 0;
    switch (rule) {
    case FractionRule::None: return 0;
    case FractionRule::Truncate: quotient = magnitude / denominator; break;
    case FractionRule::HalfUp: quotient = (2 * magnitude + denominator) / (2 * denominator); break;
    case FractionRule::RoundUp: quotient = (magnitude + denominator - 1) / denominator; break;
    }
    return negative ? -quotient : quotient;
}

namespace {

std::optional<std::int32_t> checked(std::int64_t value)
{
    if (!FitsAmount(value))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> TaxOnTop(std::int64_t amount, int rate, FractionRule rule)
{
    if (!FitsAmount(amount))
        return std::nullopt;
    return checked(RoundQuotient(amount * rate, 100, rule));
}

std::optional<std::int32_t> TaxContained(std::int64_t amount, int rate, FractionRule rule)
{
    if (!FitsAmount(amount))
        return std::nullopt;
    if (100 + rate <= 0)
        return 0;
    return checked(RoundQuotient(amount * rate, 100 + rate, rule));
}

std::optional<std::int32_t> TaxExclusiveAmount(const TaxRateTable& rates, const dao::Date& d, std::int64_t amount,
                                               bool taxable, bool simplified, FractionRule rule)
{
    if (!taxable)
        return 0;
    return TaxOnTop(amount, TaxRateOn(rates, d, taxable, simplified), rule);
}

std::optional<std::int32_t> TaxInclusiveAmount(const TaxRateTable& rates, const dao::Date& d, std::int64_t amount,
                                               bool taxable, bool simplified, FractionRule rule)
{
    return TaxContained(amount, TaxRateOn(rates, d, taxable, simplified), rule);
}

}  // namespace journal
