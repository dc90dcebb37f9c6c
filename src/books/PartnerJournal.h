#pragma once
// The journal of one business partner: its terms in four labels, and every
// journal row booked with it, with the counter account, the amount on the
// debit or the credit side and a running balance from 0.

#include "books/BookText.h"
#include "books/JournalRow.h"
#include "books/Posting.h"

#include <string>
#include <vector>

namespace books {

// Captions of Label9(4), Label9(1), Label9(2) and Label9(3).
struct PartnerTerms {
    std::string content;     // "取引内容：…"
    std::string rank;        // "ランク：…"
    std::string closingDay;  // "締日：…日"
    std::string payment;     // "支払日：…日後"

    bool operator==(const PartnerTerms&) const = default;
};

// The terms of the partner record the recordset stands on; all empty when it
// stands on no record (the partner is not registered).
PartnerTerms partnerTerms(dao::Recordset& partners);

enum class PartnerRule { Debit, Credit };

// The rule is taken from the normal side of the first account in use: 0 the
// debit rule, anything else the credit rule.
PartnerRule partnerRuleFor(const dao::Value& firstAccountSide);

Posting partnerPosting(const JournalRow& row, PartnerRule rule);

// The list lines of the partner's journal, handed to `add`.
void partnerJournalLines(dao::Recordset& journal, const std::string& partner, PartnerRule rule, const dao::Date& now,
                         const LineSink& add);

}  // namespace books
