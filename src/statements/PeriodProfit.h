#pragma once
// The period's profit as the statements show it, from the closing balances
// 期末残高 last stored by ComputeClosingBalances, in 64 bits:
//   T  (税引前当期利益) = R − D over the profit-and-loss run: the accounts from
//       the first one whose 大分類 is "経常損益", as long as 大分類 is "経常損益"
//       or "特別損益"; credit-natured accounts (借貸区分 1) add to R,
//       debit-natured ones (借貸区分 0) to D, others to neither;
//   T1 = the accounts with 中分類 "決算１" after the run, up to the first
//       account with 中分類 "決算２" (the first closing list);
//   T2 = the accounts with 中分類 "決算２" from there on (the second list);
//   当期純利益額 = T − T1, 当期未処分利益 = T − T1 + T2.
// The one routine behind the profit and loss statement's closing lines, the
// balance sheet's profit line and the fiscal-year rollover.

#include "statements/StatementAccounts.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace statements {

struct ClosingListEntry {
    std::string name;         // 勘定科目名
    std::int64_t amount = 0;  // 期末残高 (never 0: accounts without a balance are not listed)
};

struct PeriodProfit {
    std::int64_t beforeTax = 0;           // T
    std::int64_t closing1 = 0;            // T1
    std::int64_t closing2 = 0;            // T2
    std::vector<ClosingListEntry> list1;  // the 決算１ accounts with a balance, in order
    std::vector<ClosingListEntry> list2;  // the 決算２ accounts with a balance

    std::int64_t netProfit() const { return beforeTax - closing1; }                  // 当期純利益額
    std::int64_t unappropriated() const { return beforeTax - closing1 + closing2; }  // 当期未処分利益
};

// Where the profit-and-loss run lies in the accounts: [begin, end). begin ==
// end == accounts.size() when no account has 大分類 "経常損益".
struct AccountRun {
    std::size_t begin = 0;
    std::size_t end = 0;
};
AccountRun ProfitLossRun(const StatementAccounts& accounts);

PeriodProfit ComputePeriodProfit(const StatementAccounts& accounts);

// The same from the accounts in use of `database` (Q_使用勘定科目表).
PeriodProfit ComputePeriodProfit(dao::Database& database);

}  // namespace statements
