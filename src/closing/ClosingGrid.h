#pragma once
// What the closing window's entry grid computes, apart from its widgets: the
// check before a voucher is registered, an amount typed into a cell, the
// correction of the first row, and the journal rows that register and update
// write. The cells come in as texts (journal::EntryRows) beside the amount
// arrays the window keeps; the arrays, not the texts, are what is written.

#include "journal/EntryRows.h"
#include "journal/VoucherRows.h"
#include "platform/dao/Value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace closing {

// DataCheck: true when the grid holds no voucher to register: row 0 has no
// description, or neither of its two accounts.
bool ClosingDataCheck(const journal::EntryRows& rows);

// An amount typed into a cell of row `row` (debit side or credit side).
enum class TypedAmount {
    NotNumeric,  // the text is not a number: nothing changes
    OutOfRange,  // the amount or a total would leave the amount range: nothing changes
    Taken,       // the side holds the amount; the other side took it too when it was 0
};
TypedAmount TakeTypedAmount(journal::AmountArray& debitAmounts, journal::AmountArray& creditAmounts, int row,
                            bool debitSide, const std::string& text);

// "金額補正": row 0 held the voucher's total on each side; it becomes what is
// left after rows 1 to 9, and the totals shown become row 0's former amounts.
struct FirstRowCorrection {
    std::int32_t debit = 0;  // row 0 after the correction
    std::int32_t credit = 0;
    std::int64_t debitTotal = 0;  // row 0 before it
    std::int64_t creditTotal = 0;
};
// nullopt when a corrected amount would leave the amount range.
std::optional<FirstRowCorrection> CorrectFirstRow(const journal::AmountArray& debitAmounts,
                                                  const journal::AmountArray& creditAmounts);

// The first amount cell whose text does not show the amount that would be
// written (an amount typed while edit mode was off or row 0's debit account
// was empty, an amount cell emptied by hand): its message, or nullopt when
// every cell shows its amount.
std::optional<std::string> AmountNotTaken(const journal::EntryRows& rows, const journal::AmountArray& debitAmounts,
                                          const journal::AmountArray& creditAmounts);

namespace messages {
// "3行目の借方金額が確定していません。…"
std::string AmountNotTaken(int gridRow, bool debitSide);
std::string AccountNotRegistered(int gridRow, bool debitSide);  // a name the chart does not hold
std::string AccountMissing(int gridRow, bool debitSide);        // no account on a side with an amount
std::string BankNotRegistered(int gridRow);
std::string BranchNotRegistered(int gridRow);
}  // namespace messages

// Register: the rows with an amount on either side, numbered 1..n; an empty
// description or partner is left unset; an empty account cell takes the code
// written for row 0; a row without bank and branch of its own takes row 0's
// (row 0's cells, whether or not row 0 is written). A branch is found among the
// branches of its row's bank.
//
// Update: every row that shows an amount text or holds an amount (so a stored
// row of 0 stays), numbered 1..n, with its description, partner, bank and
// branch as the cells hold them (empty texts where empty); account codes as
// for register.
//
// Refused, with the message: an account, bank or branch name that is not
// registered, a side with an amount but no account, totals out of range. No
// row at all is not an error here (`rows` is then empty).
struct ClosingVoucherBuild {
    std::vector<journal::VoucherRow> rows;
    std::optional<std::string> error;
};
ClosingVoucherBuild BuildClosingVoucherRows(const journal::EntryRows& rows, const journal::AmountArray& debitAmounts,
                                            const journal::AmountArray& creditAmounts, const dao::Date& date,
                                            const journal::CodeLookup& findCode,
                                            const journal::BranchLookup& findBranch, journal::BuildMode mode);

}  // namespace closing
