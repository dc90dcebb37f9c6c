#pragma once
// What one journal row contributes to a book: the counter account shown, the
// amount in the debit (or money-in) column or in the credit (or money-out)
// column, and how it moves the running balance.

#include <cstdint>
#include <optional>
#include <string>

namespace books {

struct Posting {
    std::string account;
    std::optional<std::int64_t> debit;    // empty: the column shows no amount
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

}  // namespace books
