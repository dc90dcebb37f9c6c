#pragma once
// The line of one journal row in the journal-based books (cash book, general
// ledger, sub-ledgers, partner journal): date, description, partner, counter
// account, debit and credit columns, running balance, bank and branch. Each
// book lays the fields out in its own widths; the opening line carries the
// balance brought forward.

#include "books/BookText.h"
#include "books/JournalRow.h"
#include "books/Posting.h"

#include <cstdint>
#include <string>

namespace books {

struct RowLineLayout {
    int description = 0;           // bytes
    int partner = 0;               // bytes; 0: the line has no partner column
    int account = 15;              // bytes of the counter account
    int balance = 14;              // width of the balance
    int balanceGap = 1;            // blanks after the balance
    int bankGap = 2;               // blanks between bank and branch; < 0: no bank columns
    std::string none = kNoAmount;  // what the column without an amount shows
};

// `date` is the date column's text (DateColumn::next).
std::string rowLine(const std::string& date, const JournalRow& row, const Posting& posting, std::int64_t balance,
                    const RowLineLayout& layout);

// "前期より繰り越し" in `labelBytes` after 13 blanks, then `gap` blanks and the
// balance brought forward, `amountWidth` wide.
std::string openingLine(std::int64_t balance, int labelBytes, int gap, int amountWidth);

}  // namespace books
