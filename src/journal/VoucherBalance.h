#pragma once
// A voucher is stored only when its two sides balance: the debit amounts of
// the rows to be written add up to their credit amounts. The journal window
// and the closing window's entry tab refuse a voucher that does not, before
// anything is written; a voucher stored unbalanced earlier still loads, so
// that it can be corrected or deleted.

#include "journal/VoucherRows.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace journal {

// The debit and credit totals of a voucher, summed in 64 bits.
struct VoucherTotals {
    std::int64_t debit = 0;
    std::int64_t credit = 0;

    std::int64_t difference() const { return debit - credit; }
};

VoucherTotals TotalsOf(const std::vector<VoucherRow>& rows);

namespace messages {
// "借方と貸方の合計金額が一致しません" with both totals and the difference
// (debit minus credit) in the grid's totals mask, and the way to mend it.
std::string Unbalanced(const VoucherTotals& totals);
}  // namespace messages

// The refusal of the rows a grid is about to write: nullopt when their debit
// total equals their credit total (no rows balance too).
std::optional<std::string> UnbalancedVoucher(const std::vector<VoucherRow>& rows);

}  // namespace journal
