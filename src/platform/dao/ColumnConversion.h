#pragma once
// Values in and out of a column, by the column's declared type:
// DATE 'YYYY-MM-DD', DATETIME 'YYYY-MM-DD HH:MM:SS', BOOLEAN 0/1, SMALLINT 16-bit,
// INTEGER 32-bit (an overflow is an error, never a wrap), REAL, TEXT.

#include "ObjectInfo.h"
#include "Value.h"

struct sqlite3_stmt;

namespace dao {

// The value of column `index` of the statement's current row, as the program sees it.
Value readColumn(sqlite3_stmt* statement, int index, ColumnType type);

// The value a field takes when `value` is assigned to it. Throws DaoError
// (TypeMismatch, Overflow) naming the field and `object`.
Value convertForColumn(const Value& value, const ColumnInfo& column, const std::string& object);

// The value as stored in the file (dates as text, Booleans as 0/1).
Value storedForm(const Value& converted, ColumnType type);

}  // namespace dao
