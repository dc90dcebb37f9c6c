#pragma once

namespace statements {

// Which figures the profit and loss statement shows on screen: the closing
// balances 期末残高, or the period totals 借方合計 and 貸方合計 (when the
// journal holds closing entries).
enum class ProfitLossFigures { ByBalances, ByTotals };

}  // namespace statements
