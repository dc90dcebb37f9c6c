#pragma once
// Values in and out of a column, by the column's declared type:
// DATE 'YYYY-MM-DD', DATETIME 'YYYY-MM-DD HH:MM:SS', BOOLEAN 0/1, SMALLINT 16-bit,
// INTEGER 32-bit (an overflow is an error, never a wrap), the 64-bit figures
// of ColumnWidths.h, REAL, TEXT.

#include "DaoError.h"
#include "ObjectInfo.h"
#include "Value.h"

#include <optional>
#include <string>

struct sqlite3_stmt;

namespace dao {

// The value of column `index` of the statement's current row, as the program sees it.
Value readColumn(sqlite3_stmt* statement, int index, ColumnType type);

// The value a field takes when `value` is assigned to it. Throws DaoError
// (TypeMismatch, Overflow) naming the field and `object`.
Value convertForColumn(const Value& value, const ColumnInfo& column, const std::string& object);

// The value as stored in the file (dates as text, Booleans as 0/1).
Value storedForm(const Value& converted, ColumnType type);

// Why a value read from a column of that type cannot be one of its values (an
// amount of 1e300, a flag "maybe", a date "2024-13-40"): the error's code and
// words that follow "the value 「…」". None when it is fine; a null and, in a
// column that is not text, an empty text are fine (they read as empty).
struct StoredValueProblem {
    DaoError::Code code;
    std::string text;
    bool empty = false;  // the field holds no value; `text` says what it should hold
};
std::optional<StoredValueProblem> storedValueProblem(const Value& value, ColumnType type);

}  // namespace dao
