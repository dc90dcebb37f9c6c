#pragma once
// Row numbers that are never used again.
//
// A dynaset keeps the row id (rowid) of each of its rows and reads a row again
// by it. SQLite gives a new row the highest row id plus one, so after the last
// row of a table is deleted the next row added (by any window or program) takes
// the deleted row's id, and a dynaset still holding that id would show the new
// row in the old one's place and write into it. A table whose row id is an
// INTEGER PRIMARY KEY AUTOINCREMENT column never hands out an id twice.
//
// A prepared period file declares every table so, with the column "dao_rowid"
// first. A period file made before that is brought to the same form the first
// time it is opened for writing: each table without a declared key is copied,
// row ids kept, into a new table with the key column; its indexes, the saved
// queries and any triggers are made again. All in one transaction: the file
// ends up either converted or exactly as it was (for instance when another
// program holds it; the next opening tries again).

struct sqlite3;

namespace dao {

inline constexpr const char* kRowIdColumn = "dao_rowid";

// Converts the tables of a prepared period file that still lack the key
// column. Returns whether the file now has it on every such table.
bool makeRowIdsPermanent(sqlite3* db);

}  // namespace dao
