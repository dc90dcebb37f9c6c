#pragma once
// The breakdown of selling and general administrative expenses
// "販売費及び一般管理費内訳書": the run of accounts from the first one whose
// 小分類 is "販売管理費", each with a closing balance other than 0 on one line
// (the name in 16 bytes, " ", the amount in 18 characters), then "合計". On
// screen the amount is the period's movement 借方合計 − 貸方合計, on paper the
// closing balance 期末残高. Sums in 64 bits.

#include "platform/printing/PrinterDevice.h"
#include "statements/StatementAccounts.h"
#include "statements/StatementPrint.h"

#include <string>
#include <vector>

namespace statements {

// The rows of List7: the accounts, " " and "合計".
std::vector<std::string> SgaBreakdownLines(const StatementAccounts& accounts);

// The printed breakdown: the page header, a blank line, the accounts one text
// line apart, a blank line, "合計", a new page.
void PrintSgaBreakdown(printing::PrinterDevice& device, const StatementHeader& header,
                       const StatementAccounts& accounts);

}  // namespace statements
