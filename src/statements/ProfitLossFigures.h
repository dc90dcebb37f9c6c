#pragma once
// Which figures the profit and loss statement shows on screen: the closing
// balances 期末残高, or the period totals 借方合計 and 貸方合計 (when the
// journal holds closing entries), and an account's figure either way.
//
// By totals an account's figure for the period is its opening balance plus
// the period's movement, so that an account carrying an opening balance (the
// opening stocks of a manufacturer) counts as it does in the closing balance:
// both readings reach the same profit as the balance sheet.

#include "statements/PeriodProfit.h"
#include "statements/StatementAccounts.h"

#include <cstdint>

namespace statements {

enum class ProfitLossFigures { ByBalances, ByTotals };

// By balances an account is listed when 期末残高 is not 0; by totals when it
// has an opening balance or a debit or credit total (equal totals included).
bool ListedInProfitLoss(const StatementAccount& account, ProfitLossFigures figures);

// The account's figure read on the credit side (`creditSide`) or the debit
// side: by balances 期末残高 as stored; by totals 期首残高 + 貸方合計 − 借方合計
// or 期首残高 + 借方合計 − 貸方合計.
std::int64_t ProfitLossFigure(const StatementAccount& account, ProfitLossFigures figures, bool creditSide);

// The figure on the account's own side (借貸区分 1 credit, any other debit).
std::int64_t ProfitLossAmount(const StatementAccount& account, ProfitLossFigures figures);

// "当期製品製造原価": the net cost of the listed manufacturing accounts of the
// run (中分類 "製造原価"), debit-natured ones adding, credit-natured ones
// (closing stocks, purchase returns) subtracting, others not counted; the
// manufacturing cost report's final figure.
std::int64_t ManufacturingNetCost(const StatementAccounts& accounts, const AccountRun& run, ProfitLossFigures figures);

}  // namespace statements
