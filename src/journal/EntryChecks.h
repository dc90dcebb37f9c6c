#pragma once
// The checks made before the grid is stored.

#include "journal/EntryRows.h"

#include <optional>
#include <string>

namespace journal {

namespace messages {
inline const char* const kDescriptionOrAccountMissing = "摘要または勘定科目名が設定されていません";
inline const char* const kDebitAccountNotRegistered = "借方勘定科目が登録されていません";
inline const char* const kCreditAccountNotRegistered = "貸方勘定科目が登録されていません";
inline const char* const kBankOrBranchMissing = "銀行名または支店名が設定されていません";
}  // namespace messages

// True for a row that register and update store: one of its amount cells holds a text.
bool IsStoredRow(const EntryRow& row);

// ValidateEntry: the message of the first check that fails, nullopt when all pass.
//  1. row 1 lacks its description or one of its accounts;
//  2./3. row 1's debit / credit account is not in the chart;
//  then, for every other row that will be stored, a debit or credit account name
//  that is filled in but not in the chart (an empty cell takes the account of the
//  row above when stored, a misspelt name never does);
//  4. a deposit account without bank or branch in any row.
std::optional<std::string> ValidateEntry(const EntryRows& rows, const CodeLookup& findCode);

// DataCheck: true when the grid is not fit to be stored (row 1 without description,
// or without both accounts; or an amount of the leading complete rows that is not a
// number in range). Otherwise zeroes rows 0-9 of the arrays and fills them with the
// amounts of the leading run of complete rows. On the first kind of failure the
// arrays are left as they were.
bool DataCheck(const EntryRows& rows, AmountArray& debitAmounts, AmountArray& creditAmounts);

}  // namespace journal
