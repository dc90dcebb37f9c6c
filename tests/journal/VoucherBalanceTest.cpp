// The balance check of a voucher about to be written: its debit total against
// its credit total, as the journal window and the closing-entry tab use it.
#include "journal/VoucherBalance.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <utility>

using namespace journal;

namespace {

std::vector<VoucherRow> rowsOf(const std::vector<std::pair<std::int32_t, std::int32_t>>& amounts)
{
    std::vector<VoucherRow> rows(amounts.size());
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        rows[i].rowNumber = static_cast<int>(i) + 1;
        rows[i].debit = amounts[i].first;
        rows[i].credit = amounts[i].second;
    }
    return rows;
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct BalanceCase {
    const char* name;
    std::vector<std::pair<std::int32_t, std::int32_t>> amounts;  // (入金, 出金) of each row
    const char* totals;  // the line of the message that names the totals; nullptr: balanced
};
void PrintTo(const BalanceCase& c, std::ostream* os)
{
    *os << c.name;
}

class VoucherBalanceTest : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(VoucherBalanceTest, RefusesOnlyUnequalTotalsNamingBothAndTheDifference)
{
    const BalanceCase& c = GetParam();
    const auto refusal = UnbalancedVoucher(rowsOf(c.amounts));
    if (!c.totals) {
        EXPECT_FALSE(refusal) << *refusal;
        return;
    }
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find(std::string("\n") + c.totals + "\n"), std::string::npos) << *refusal;
    EXPECT_EQ(refusal->rfind("借方と貸方の合計金額が一致しません\n", 0), 0u) << *refusal;
    EXPECT_NE(refusal->find("「金額補正」"), std::string::npos) << *refusal;
    EXPECT_NE(refusal->find("何も書き込んでいません"), std::string::npos) << *refusal;
}

INSTANTIATE_TEST_SUITE_P(
    Totals, VoucherBalanceTest,
    ::testing::Values(
        BalanceCase{"one row equal on both sides", {{1000, 1000}}, nullptr}, BalanceCase{"no rows", {}, nullptr},
        // Rows that differ one by one but add up: a tax row's sides, a split payment.
        BalanceCase{"sides that differ by row but add up", {{10000, 11000}, {1000, 0}, {0, 0}}, nullptr},
        BalanceCase{"debit higher", {{1000, 900}}, "借方合計 1,000円　貸方合計 900円　差額 100円"},
        BalanceCase{"credit higher gives a negative difference",
                    {{900, 1000}},
                    "借方合計 900円　貸方合計 1,000円　差額 -100円"},
        BalanceCase{"a corrected debit over ten rows",
                    {{70000, 50000}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}},
                    "借方合計 70,009円　貸方合計 50,009円　差額 20,000円"},
        BalanceCase{"negative amounts", {{-500, 0}, {0, 500}}, "借方合計 -500円　貸方合計 500円　差額 -1,000円"},
        // Summed in 64 bits: two rows at the top of the amount range on one
        // side against one on the other neither wrap nor look equal.
        BalanceCase{"totals beyond the amount range",
                    {{kMax, kMax}, {kMax, 0}},
                    "借方合計 4,294,967,294円　貸方合計 2,147,483,647円　差額 2,147,483,647円"}),
    testsupport::kCaseName);

}  // namespace
