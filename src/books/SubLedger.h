#pragma once
// The four sub-ledgers of the books window: cost of sales, accounts payable,
// sales and trade receivables. Each lists the journal rows of its SQL text
// with the counter account, the amount on the debit or the credit side and the
// running balance from 0.

#include "books/BookText.h"
#include "books/JournalRow.h"
#include "books/Posting.h"

#include <array>
#include <string>
#include <vector>

namespace books {

struct SubLedgerRule {
    // Which value of a row decides that it stands on the list's normal side.
    enum class Decider { DebitClass, CreditClass, CreditAccountName };

    int listIndex;    // List3(listIndex)
    const char* sql;  // the rows of the list
    Decider decider;
    const char* normalValue;  // the class (or, for payables, the account name) of the normal side
    bool creditNormal;
};

// In the order the window fills them.
const std::array<SubLedgerRule, 4>& subLedgerRules();

Posting subLedgerPosting(const JournalRow& row, const SubLedgerRule& rule);

// The list lines of one sub-ledger from a recordset open on its SQL text,
// handed to `add`.
void subLedgerLines(dao::Recordset& ledger, const SubLedgerRule& rule, const dao::Date& now, const LineSink& add);

}  // namespace books
