#pragma once
// One result row of Database::ForEachRow, read straight from SQLite: no value
// is copied until asked for, and nothing of it outlives the call it is given to.

#include <cstdint>
#include <string_view>

struct sqlite3_stmt;

namespace dao {

class RowView {
public:
    explicit RowView(sqlite3_stmt* statement) : m_statement(statement) {}

    bool isNull(int column) const;
    bool isText(int column) const;  // held as text (not a number, a blob or null)
    // The column as text (a number as SQLite writes it); empty for null, and
    // then with no data() (an empty text has one).
    std::string_view text(int column) const;
    // The column as a whole number (text and fractions as SQLite converts them); 0 for null.
    std::int64_t integer(int column) const;

private:
    sqlite3_stmt* m_statement;
};

}  // namespace dao
