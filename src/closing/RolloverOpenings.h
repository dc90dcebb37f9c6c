#pragma once
// Whether the openings the rollover carries into the next period balance: the
// opening balances of the accounts in use on the debit side against those on
// the credit side, each account on its own side (諸口 too: its balance is
// carried like any other), and what made them differ — a balance left on
// 諸口, journal rows of the closed period whose code names no account in use
// (only one side of each was counted), and openings of the closed period that
// did not balance already.

#include <cstdint>
#include <string>
#include <vector>

namespace dao {
class Database;
}

namespace closing {

// The opening balances of the accounts in use of a period file, summed by side.
struct OpeningSides {
    std::int64_t debit = 0;     // 借貸区分 0
    std::int64_t credit = 0;    // 借貸区分 1
    std::int64_t suspense = 0;  // 諸口, on its side in one of the two as well

    std::int64_t difference() const { return debit - credit; }
};

OpeningSides ReadOpeningSides(dao::Database& database);

struct CarriedOpenings {
    OpeningSides next;                        // what the next period opens with
    std::int64_t closedPeriodDifference = 0;  // the closed period's openings, debit less credit
    long long rowsWithUnknownCode = 0;        // rows of the closed period left out of its figures
    std::vector<std::string> unknownCodes;    // their codes

    bool balanced() const { return next.difference() == 0 && next.suspense == 0; }
};

// The question the rollover asks before it carries openings that do not
// balance: the two sides, the difference, each cause found, and whether to go on.
std::string UnbalancedOpeningsQuestion(const CarriedOpenings& openings);

}  // namespace closing
