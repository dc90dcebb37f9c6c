#pragma once
// A generated journal shaped like the sample company's books, for the
// benchmarks that need a period file of a given size: vouchers of two to six
// rows (sales and purchases on account with their tax rows, collections and
// payments through three deposit accounts at two banks, expenses paid in cash
// or from a deposit, payroll with its deductions, cash sales), a third or more
// of the rows on the deposit accounts with their bank and branch, partners on
// the vouchers that have one, and amounts in the sample's ranges. Every
// benchmark that makes a journal makes it here, so that all are shaped alike.

#include <sqlite3.h>

#include <string>

namespace bench {

struct JournalShape {
    int rows = 0;                         // journal rows, at least (a voucher is not cut short)
    std::string firstDay = "2024-04-01";  // the period's first day; the rows cover one year from it
    int closingPerMille = 0;              // vouchers in a thousand booked as closing entries (決算仕訳)
    int nextPeriodPerMille = 0;           // vouchers in a thousand dated in the first days of the next period
};

// What the generated journal holds, for the benchmarks' own checks.
struct GeneratedJournal {
    int rows = 0;
    int vouchers = 0;
    int depositRows = 0;       // rows on a deposit account, with its bank and branch
    double amountScale = 1.0;  // the sample's amounts times this (below 1 where a total would pass 32 bits)
};

// Writes the deposit accounts, the partners and the journal into the open
// period file `db` (made by periodfile::createPeriodFile), in one transaction.
// The same shape gives the same rows on every run. Amounts are whole yen in
// the sample's ranges; where the rows are so many that an account's total on
// one side would pass what the file stores (32-bit), every amount is scaled
// down alike, so the mix of large and small amounts stays.
GeneratedJournal writeSampleShapedJournal(sqlite3* db, const JournalShape& shape);

// Makes the period file at `path` (company ベンチ商事, period 1, from
// shape.firstDay) and writes the journal into it.
GeneratedJournal makeSampleShapedFile(const std::string& path, const JournalShape& shape);

}  // namespace bench
