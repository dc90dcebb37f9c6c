#pragma once
// The checks a window makes of the rows it opens before it shows or writes
// anything: every stored value readable, and a settings row that can be used.

#include <string>

namespace dao {
class Recordset;
}

namespace o {

// Reads every field of every row once, so that a damaged stored value is
// refused, by the file, table, row and field, before anything is written.
// Leaves the recordset on its first row.
void RequireReadableRows(dao::Recordset& rows);

// Throws when the settings recordset has no row to read, more than its one
// row, or when that row has no period number or no period dates (naming the
// row and the field); `path` is the file it was opened on.
void RequireSettingsRow(dao::Recordset& settings, const std::string& path);

// Throws naming the file at `path` when 会計設定 holds more than its one row:
// every window reads the first, and a second would be carried on unseen.
void RequireSingleSettingsRow(dao::Recordset& settings, const std::string& path);

}  // namespace o
