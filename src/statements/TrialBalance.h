#pragma once
// The trial balance "合計残高試算表": one line for every account in use with an
// opening balance or a period total, giving the debit and credit totals and
// the balance on the side where it falls, then a line of dashes and the sums.
// The opening balance 期首残高 is added to the total column of the account's
// natural side (借貸区分 0 debit, any other value credit; a negative opening
// balance to the other side), so each balance is the difference of the two
// total columns. Line: debit balance (16) " " debit total (16) "　" name
// (20 bytes) " " credit total (16) " " credit balance (16), amounts with
// "###,###,##0", blank when 0. Sums in 64 bits.

#include "platform/printing/PrinterDevice.h"
#include "statements/StatementAccounts.h"
#include "statements/StatementPrint.h"

#include <string>
#include <vector>

namespace statements {

// The lines of List3: the accounts, the dashes and the sums.
std::vector<std::string> TrialBalanceLines(const StatementAccounts& accounts);

// The printed trial balance: the page header and the two rows of column
// headings ("借方", "勘定科目", "貸方"; "残高", "合計", "合計", "残高") just
// before the first account line and again on every further page (none when
// no account is listed), each line at print column 10 with its gap, then a
// new page.
void PrintTrialBalance(printing::PrinterDevice& device, const StatementHeader& header,
                       const StatementAccounts& accounts);

}  // namespace statements
