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
    std::vector<std::string> report;   // the rows of List5(2)
    std::string expenseTotalLine;      // by totals: the line appended to List5(0) ("" by balances)
};

ProfitLossScreen ShowProfitLossReport(const StatementAccounts& accounts, ProfitLossFigures figures);

// One printed page of the statement; `listSgaAccounts` false shows the selling
// and general administrative expenses as one line. Ends with a new page.
void PrintProfitLossReport(printing::PrinterDevice& device, const StatementHeader& header,
                           const StatementAccounts& accounts, bool listSgaAccounts, bool triangleNegatives);

}  // namespace statements
