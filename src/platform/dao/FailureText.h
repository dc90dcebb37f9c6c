#pragma once
// What a failed SQLite call means, said in the user's words: which file, which
// table, what happened and what the user can do. Internal names (saved-query
// names, SQL texts, SQLite's English messages) stay out of the first sentence;
// SQLite's message is added in brackets only where nothing plainer fits.

#include "DaoError.h"

#include <optional>
#include <string>

struct sqlite3;

namespace dao {

// A write (a statement that changes rows, a commit, the start of a write
// transaction) failed with `rc` on `db`. `table` names what was written in the
// user's words; empty when the whole file is meant (a commit).
DaoError writeFailure(sqlite3* db, int rc, const std::string& path, const std::string& table);

// Reading `table` failed with `rc`.
DaoError readFailure(sqlite3* db, int rc, const std::string& path, const std::string& table);

// The message of a file that another program holds.
std::string busyWritingText(const std::string& path);
std::string busyReadingText(const std::string& path);

// "ファイル「P」の「仕訳台帳」", or "ファイル「P」" when no table is named.
std::string placeText(const std::string& path, const std::string& table);

// "ファイル「P」の「仕訳台帳」にフィールド「入金」がありません（…）。": a field that
// a reading needs and the table lacks (renamed or dropped by another tool).
std::string missingFieldText(const std::string& path, const std::string& table, const std::string& field);

// When `db`'s last error is a column the statement names and the table
// lacks (a kept statement prepared again after another tool renamed it), that
// field named as missing: NoSuchField with missingFieldText.
std::optional<DaoError> missingFieldFailure(sqlite3* db, const std::string& path, const std::string& table);

// The file's path as SQLite has it open ("" for an in-memory database).
std::string pathOf(sqlite3* db);

// The name of a table or saved query in the user's words: a saved query
// "Q_仕訳台帳" is "仕訳台帳".
std::string userName(const std::string& object);

}  // namespace dao
