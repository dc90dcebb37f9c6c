#pragma once
// A prepared period file with a year of generated journal rows for the books'
// benchmarks, and raw SQLite reads of the rows the books show.

#include <string>
#include <utility>
#include <vector>

namespace bench {

// Makes the period file at `path` with `rows` journal rows over a year
// shaped like the sample company's books (support/SampleShapedJournal.h).
void prepareJournal(const std::string& path, int rows);

// The code and name of the account with the most journal rows.
std::pair<std::string, std::string> busiestAccount(const std::string& path);

// An SQL text and its one text parameter ("" for none).
struct RawQuery {
    std::string sql;
    std::string parameter;
};

// Reads every row of the query, each column the books read taken out as text
// or number; returns the number of rows.
long long readRaw(const std::string& path, const RawQuery& query);

RawQuery accountRowsQuery(const std::string& code);  // the general ledger of one account
std::vector<RawQuery> booksQueries();                // the cash book, bank books and sub-ledgers
RawQuery journalQuery();                             // every row of the journal query

}  // namespace bench
