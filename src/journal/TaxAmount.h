#pragma once
// Tax on top of a tax-exclusive amount and tax contained in a tax-inclusive one,
// rounded by the fraction rule of 会計設定.端数処理. Products are formed in
// 64 bits; a result outside the 32-bit amount range is refused (nullopt).

#include "journal/TaxRateTable.h"

#include <cstdint>
#include <optional>
#include <string>

namespace journal {

enum class FractionRule {
    None,      // any other value of 端数処理: every tax amount is 0
    Truncate,  // "1" 切捨て: toward zero
    HalfUp,    // "2" 四捨五入: half away from zero
    RoundUp,   // "3" 切り上げ: away from zero whenever there is a fraction
};

FractionRule FractionRuleOf(const std::string& setting);

// numerator / denominator (denominator > 0) rounded by the rule.
std::int64_t RoundQuotient(std::int64_t numerator, std::int64_t denominator, FractionRule rule);

// By a rate in whole percent.
std::optional<std::int32_t> TaxOnTop(std::int64_t amount, int rate, FractionRule rule);
std::optional<std::int32_t> TaxContained(std::int64_t amount, int rate, FractionRule rule);

// By the rate in force on `d` for the account's flags.
std::optional<std::int32_t> TaxExclusiveAmount(const TaxRateTable& rates, const dao::Date& d, std::int64_t amount,
                                               bool taxable, bool simplified, FractionRule rule);
std::optional<std::int32_t> TaxInclusiveAmount(const TaxRateTable& rates, const dao::Date& d, std::int64_t amount,
                                               bool taxable, bool simplified, FractionRule rule);

}  // namespace journal
