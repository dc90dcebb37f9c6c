#pragma once
// What the rollover requires of the closed period's file before it carries
// anything into the next one: what the closing window requires of the file
// when it opens (statements/ClosingFileChecks.h: one settings row with a
// possible period, readable settings, chart, tax rates and bank accounts, a
// statement class on every account in use), a readable fixed-asset register,
// and closing entries that the closing window can list. A refusal throws
// dao::DaoError naming the file, the table, the row and the field.

#include <vector>

namespace dao {
class Database;
}

namespace closing {

void RequireRollableFile(dao::Database& closedPeriod);

// The closing entries, found by the journal's walk as `rows` (their row
// numbers), read as the closing window's list reads them: the list's query,
// kept to those rows, so that the journal is not read a second time.
void RequireListableClosingEntries(dao::Database& closedPeriod, const std::vector<long long>& rows);

}  // namespace closing
