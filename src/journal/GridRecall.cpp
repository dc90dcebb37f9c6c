#include "journal/GridRecall.h"

#include "journal/AmountRange.h"

namespace journal {

RecalledRows GridRowsOf(const std::vector<JournalRecord>& stored)
{
    RecalledRows recalled;
    const std::size_t taken = std::min<std::size_t>(stored.size(), kGridRows);
    recalled.rows.assign(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(taken));
    recalled.tooLong = stored.size() > taken;
    return recalled;
}

void LoadRecalledAmounts(const RecalledRows& recalled, AmountArray& debitAmounts, AmountArray& creditAmounts,
                         std::int64_t& debitTotal, std::int64_t& creditTotal)
{
    debitTotal = creditTotal = 0;
    for (int k = 0; k < kGridRows; ++k)
        debitAmounts[k] = creditAmounts[k] = 0;
    for (std::size_t k = 0; k < recalled.rows.size() && k < kGridRows; ++k) {
        const JournalRecord& row = recalled.rows[k];
        debitAmounts[k] = FitsAmount(row.debit.value_or(0)) ? static_cast<std::int32_t>(row.debit.value_or(0)) : 0;
        creditAmounts[k] = FitsAmount(row.credit.value_or(0)) ? static_cast<std::int32_t>(row.credit.value_or(0)) : 0;
        debitTotal += debitAmounts[k];
        creditTotal += creditAmounts[k];
    }
}

std::optional<std::string> RecalledAmountOutOfRange(const RecalledRows& recalled)
{
    for (std::size_t k = 0; k < recalled.rows.size(); ++k) {
        const JournalRecord& row = recalled.rows[k];
        if (!FitsAmount(row.debit.value_or(0)) || !FitsAmount(row.credit.value_or(0)))
            return std::to_string(k + 1)
                + "行目の金額が扱える範囲（-2,147,483,648～2,147,483,647円）を超えています"
                  "（番号 "
                + row.number + "）。読み込みません";
    }
    return std::nullopt;
}

int RecalledVoucherKind(const JournalRecord& firstRow, const std::string& cashCode)
{
    int kind = 0;
    if (cashCode.empty())
        return kind;
    if (firstRow.debitCode == cashCode)
        kind = 1;
    if (firstRow.creditCode == cashCode)
        kind = 2;
    return kind;
}

}  // namespace journal
