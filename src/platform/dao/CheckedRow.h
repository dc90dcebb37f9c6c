#pragma once
// One row of Database::ForEachCheckedRow: columns of one table read straight
// from SQLite, as RowView reads them, but every value through the checks a
// recordset on the table makes (ColumnConversion.h, ValueDomains.h). A value
// such a recordset would refuse (a text or a fraction in a whole-number field,
// a date that is none) is refused here in the same words
// (StoredValueRefusal.h): the file, the table, the row (its place in the table
// and its first fields) and the field. A value that is fine costs a look at
// how SQLite holds it, and no copy; nothing of the row outlives the call it
// is given to.

#include "DayOfDate.h"
#include "ObjectInfo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace dao {

class Connection;
struct StoredValueProblem;

class CheckedRow {
public:
    // `statement` reads the table `table`; its last column is the row's number (rowid).
    CheckedRow(Connection& connection, sqlite3_stmt* statement, std::string table);

    bool isNull(int column) const;
    // A text field: its text (a number as SQLite writes it); empty for null,
    // and then with no data() (an empty text has one).
    std::string_view text(int column) const;
    // A whole-number field: its number; 0 when the field is empty (null or blanks).
    std::int64_t wholeNumber(int column) const;
    // A date field: its day (Date::dayNumber), whatever form the row stores the
    // date in; none when the field is empty (null or blanks).
    std::optional<long long> day(int column) const;
    // The same as a date, with its time of day when it holds one.
    std::optional<Date> date(int column) const;
    // A Boolean field: its flag; false when the field is empty.
    bool flag(int column) const;
    // The row's number in its table.
    std::int64_t rowNumber() const;

private:
    // The field's value as a recordset reads it, once it has passed the
    // checks of the type `type`; throws the refusal when it has not.
    Value checked(int column, ColumnType type) const;
    [[noreturn]] void refuse(int column, const Value& value, const StoredValueProblem& problem) const;

    Connection& m_connection;
    sqlite3_stmt* m_statement;
    std::string m_table;
    std::vector<ColumnInfo> m_columns;
    int m_rowNumber;
    mutable StoredDays m_days;
};

}  // namespace dao
