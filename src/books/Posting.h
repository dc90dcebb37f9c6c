#pragma once
// What one journal row contributes to a book: the counter account shown, the
// amount in the debit (or money-in) column or in the credit (or money-out)
// column, and how it moves the running balance.

#include "books/JournalRow.h"

#include <cstdint>
#include <optional>
#include <string>

namespace books {

struct Posting {
    std::string account;
    std::optional<std::int64_t> debit;  // empty: the column shows no amount
    std::optional<std::int64_t> credit;
    std::int64_t balanceChange = 0;

    static Posting onDebit(std::string account, std::int64_t amount, std::int64_t change)
    {
        return Posting{std::move(account), amount, std::nullopt, change};
    }
    static Posting onCredit(std::string account, std::int64_t amount, std::int64_t change)
    {
        return Posting{std::move(account), std::nullopt, amount, change};
    }
};

// The posting of a row in a book kept by its normal side (debit or credit): a
// row on the normal side shows its amount in that side's column and raises the
// balance; any other row shows in the other column and lowers it. The counter
// account is the row's account on the side opposite the column.
inline Posting postingBySide(const JournalRow& row, bool creditNormal, bool onNormalSide)
{
    const bool debitColumn = creditNormal != onNormalSide;
    const std::int64_t sign = onNormalSide ? 1 : -1;
    if (debitColumn)
        return Posting::onDebit(row.creditName, row.debitAmount, sign * row.debitAmount);
    return Posting::onCredit(row.debitName, row.creditAmount, sign * row.creditAmount);
}

// The posting of a row in the book of one account (or one class of accounts)
// that may stand on both sides of the row. `onNormal`: the row's account on
// the book's normal side belongs to the book; `onOther`: the one on the other
// side does. A row whose normal side does not belong is taken on the other
// side. A row with the book on both sides shows both amounts and moves the
// balance by their difference, as the journal moves the account; its counter
// account is the one the normal side shows.
inline Posting bookPosting(const JournalRow& row, bool creditNormal, bool onNormal, bool onOther)
{
    if (!onNormal || !onOther)
        return postingBySide(row, creditNormal, onNormal);
    Posting posting;
    posting.account = creditNormal ? row.debitName : row.creditName;
    posting.debit = row.debitAmount;
    posting.credit = row.creditAmount;
    posting.balanceChange = creditNormal ? row.creditAmount - row.debitAmount : row.debitAmount - row.creditAmount;
    return posting;
}

}  // namespace books
