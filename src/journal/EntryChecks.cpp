#include "journal/EntryChecks.h"

#include "journal/AmountRange.h"

namespace journal {

namespace {

bool isDepositAccount(const std::string& name)
{
    return name == "当座預金" || name == "普通預金" || name == "通知預金";
}

}  // namespace

bool IsStoredRow(const EntryRow& row)
{
    return !row.debitAmount.empty() || !row.creditAmount.empty();
}

std::optional<std::string> ValidateEntry(const EntryRows& rows, const CodeLookup& findCode)
{
    const EntryRow& first = rows[0];
    if (first.description.empty() || first.debitAccount.empty() || first.creditAccount.empty())
        return messages::kDescriptionOrAccountMissing;
    if (findCode(2, first.debitAccount).empty())
        return messages::kDebitAccountNotRegistered;
    if (findCode(3, first.creditAccount).empty())
        return messages::kCreditAccountNotRegistered;
    for (int i = 1; i < kGridRows; ++i) {
        const EntryRow& row = rows[i];
        if (!IsStoredRow(row))
            continue;
        if (!row.debitAccount.empty() && findCode(2, row.debitAccount).empty())
            return messages::kDebitAccountNotRegistered;
        if (!row.creditAccount.empty() && findCode(3, row.creditAccount).empty())
            return messages::kCreditAccountNotRegistered;
    }
    for (const EntryRow& row : rows) {
        if ((isDepositAccount(row.debitAccount) || isDepositAccount(row.creditAccount))
            && (row.bank.empty() || row.branch.empty()))
            return messages::kBankOrBranchMissing;
    }
    return std::nullopt;
}

bool DataCheck(const EntryRows& rows, AmountArray& debitAmounts, AmountArray& creditAmounts)
{
    const EntryRow& first = rows[0];
    if (first.description.empty() || (first.debitAccount.empty() && first.creditAccount.empty()))
        return true;
    for (int i = 0; i < kGridRows; ++i) {
        debitAmounts[i] = 0;
        creditAmounts[i] = 0;
    }
    for (int i = 0; i < kGridRows; ++i) {
        const EntryRow& row = rows[i];
        if (row.description.empty() || row.debitAccount.empty() || row.creditAccount.empty() || row.debitAmount.empty()
            || row.creditAmount.empty())
            break;
        const AmountText debit = ReadAmountText(row.debitAmount);
        const AmountText credit = ReadAmountText(row.creditAmount);
        if (debit.kind != AmountText::Kind::Amount || credit.kind != AmountText::Kind::Amount)
            return true;
        debitAmounts[i] = debit.amount;
        creditAmounts[i] = credit.amount;
    }
    return false;
}

}  // namespace journal
