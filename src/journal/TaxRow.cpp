#include "journal/TaxRow.h"

#include "common/NumberFormat.h"
#include "journal/AmountRange.h"

namespace journal {

std::optional<TaxRowFigures> TaxRowOf(const TaxRateTable& rates, const AmountArray& debit, const AmountArray& credit,
                                      int row, bool debitSide, const TaxRowTerms& terms)
{
    if (row < 1 || row >= kGridRows)
        return std::nullopt;
    const auto at = static_cast<std::size_t>(row);
    const std::int32_t base = debitSide ? debit[at - 1] : credit[at - 1];
    const auto tax = TaxExclusiveAmount(rates, terms.rateDate, base, terms.taxable, terms.simplified, terms.rule);
    if (!tax)
        return std::nullopt;
    std::int64_t debitTotal = *tax, creditTotal = *tax;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kGridRows); ++i) {
        if (i == at)
            continue;
        debitTotal += debit[i];
        creditTotal += credit[i];
    }
    if (!FitsAmount(debitTotal) || !FitsAmount(creditTotal))
        return std::nullopt;
    const std::string taxSide = o::FormatNumber(*tax, terms.masks.taxSide);
    const std::string otherSide = o::FormatNumber(*tax, terms.masks.otherSide);
    return TaxRowFigures{*tax, debitSide ? taxSide : otherSide, debitSide ? otherSide : taxSide};
}

}  // namespace journal
