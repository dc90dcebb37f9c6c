#pragma once
// Raw SQLite steps the benchmarks use to fill their period files.

#include <sqlite3.h>

#include <string>
#include <vector>

namespace bench {

// Runs `sql`; a failure is printed and ends the benchmark.
void exec(sqlite3* db, const std::string& sql);

// The codes of the accounts in use, in code order.
std::vector<std::string> accountCodes(sqlite3* db);

}  // namespace bench
