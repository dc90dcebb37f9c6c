#pragma once
// The profit and loss statement in account form (screen only): the expense
// accounts (借貸区分 0) in one list, the revenue accounts (借貸区分 1) in the
// other, each line the name in 20 bytes, " " and the amount in 18 characters,
// and the two column totals. The run of profit-and-loss accounts from the
// first "経常損益" one; the manufacturing accounts (中分類 "製造原価") make one
// expense line "当期製品製造原価", their net cost, where the first of them
// stands, whatever the industry. After the lists a blank line and the
// result: a profit "税引前当期利益" on the expense side (both boxes show the
// revenue total), a loss "当期損失" on the revenue side (both boxes show the
// expense total), so each box is the sum of its list. Sums in 64 bits.

#include "statements/ProfitLossFigures.h"
#include "statements/StatementAccounts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace statements {

struct ProfitLossAccountForm {
    std::vector<std::string> expenses;  // List5(0)
    std::vector<std::string> revenues;  // List5(1)
    std::int64_t expenseTotal = 0;      // Text3(0)
    std::int64_t revenueTotal = 0;      // Text3(1)
};

ProfitLossAccountForm ShowProfitLossAccounts(const StatementAccounts& accounts, ProfitLossFigures figures);

}  // namespace statements
