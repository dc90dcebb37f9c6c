#pragma once
// What the rollover requires of the closed period's file before it carries
// anything into the next one: what the closing window requires of the file
// when it opens (statements/ClosingFileChecks.h: one settings row with a
// possible period, readable settings, chart, tax rates and bank accounts, a
// statement class on every account in use), and closing entries that the
// closing window can list. A refusal throws dao::DaoError naming the file,
// the table, the row and the field.

namespace dao {
class Database;
}

namespace closing {

void RequireRollableFile(dao::Database& closedPeriod);

}  // namespace closing
