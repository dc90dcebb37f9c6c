#pragma once
// The profit and loss statement in report form: "経常損益の部" with its
// operating part (sales, purchases, cost of sales, manufacturing cost, gross
// profit, selling and general administrative expenses) and its non-operating
// part, "特別損益の部", the result before tax, then the closing lists and the
// net and unappropriated profit. One pass over the profit-and-loss run,
// grouping the accounts by 小分類; the closing lines (T, T1, T2 and their
// accounts) come from the one profit routine (PeriodProfit.h), on screen and
// on paper alike.
//
// The manufacturing accounts (中分類 "製造原価") are not listed one by one:
// their net cost stands in the cost of sales as the one line
// "当期製品製造原価", and 売上総利益 is net of it. Each part closes when the
// walk leaves it, whatever follows: the selling and general administrative
// expenses with their total (on paper also 営業利益), the non-operating items
// with their last subtotal and 経常利益.
//
// On screen (List5(2)) by closing balances or by period totals; on paper by
// closing balances, the account amounts through the negative-sign option of
// the statements ("△"). Sums in 64 bits.

#include "platform/printing/PrinterDevice.h"
#include "statements/PeriodProfit.h"
#include "statements/ProfitLossFigures.h"
#include "statements/StatementAccounts.h"
#include "statements/StatementPrint.h"

#include <string>
#include <vector>

namespace statements {

struct ProfitLossScreen {
    std::vector<std::string> report;  // the rows of List5(2)
    std::string expenseTotalLine;     // by totals: the line appended to List5(0) ("" by balances)
};

ProfitLossScreen ShowProfitLossReport(const StatementAccounts& accounts, ProfitLossFigures figures);

// One printed page of the statement; `listSgaAccounts` false shows the selling
// and general administrative expenses as one line. Ends with a new page.
void PrintProfitLossReport(printing::PrinterDevice& device, const StatementHeader& header,
                           const StatementAccounts& accounts, bool listSgaAccounts, bool triangleNegatives);

}  // namespace statements
