#include "journal/VoucherBalance.h"

#include "common/NumberFormat.h"
#include "common/NumberMasks.h"

namespace journal {

namespace {

std::string yen(std::int64_t amount)
{
    return o::FormatNumber(amount, o::kAmount11Mask) + "円";
}

}  // namespace

VoucherTotals TotalsOf(const std::vector<VoucherRow>& rows)
{
    VoucherTotals totals;
    for (const VoucherRow& row : rows) {
        totals.debit += row.debit;
        totals.credit += row.credit;
    }
    return totals;
}

namespace messages {

std::string Unbalanced(const VoucherTotals& totals)
{
    return "借方と貸方の合計金額が一致しません\n借方合計 " + yen(totals.debit) + "　貸方合計 " + yen(totals.credit)
        + "　差額 " + yen(totals.difference())
        + "\n金額を直すか「金額補正」で合わせてから、もう一度押してください。何も書き込んでいません。";
}

}  // namespace messages

std::optional<std::string> UnbalancedVoucher(const std::vector<VoucherRow>& rows)
{
    const VoucherTotals totals = TotalsOf(rows);
    if (totals.difference() == 0)
        return std::nullopt;
    return messages::Unbalanced(totals);
}

}  // namespace journal
