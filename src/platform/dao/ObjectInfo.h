#pragma once
// What a recordset source is: a table, a saved query (view) or an SQL text,
// with its columns, their declared types, which of them can be written, and the
// key (rowid) that identifies a row of its base table.

#include "Value.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3_stmt;

namespace dao {

class Connection;
class Statement;

// Integer is 32-bit; BigInt a field that holds 64-bit figures (ColumnWidths.h).
enum class ColumnType { Unknown, Text, SmallInt, Integer, BigInt, Real, Date, DateTime, Boolean };

ColumnType columnTypeOf(const char* declaredType);

struct ColumnInfo {
    std::string name;
    ColumnType type = ColumnType::Unknown;
    bool writable = false;  // maps to the base table's column of the same name
    bool hidden = false;    // dao_rowid: the key, not a field of the program
    std::string table;      // the table the value comes from; empty for a computed column
    std::string origin;     // the column of `table` it is read from
    bool joined = false;    // from a table joined to the source's own (an outer join may leave it empty)
    int domainRule = -1;    // the values it may hold beyond its type (ValueDomains.h); -1: any of its type
};

// Column `index` of a prepared statement's rows: its name, its declared type,
// the table and column it is read from (none for a computed column) and the
// values it may hold (ValueDomains.h); not whether it is hidden, writable or joined.
ColumnInfo ResultColumnOf(sqlite3_stmt* statement, int index);

struct ObjectInfo {
    enum class Kind { Table, View, Sql };
    Kind kind = Kind::Table;
    std::string name;       // the table or query name, or the SQL text
    std::string selectSql;  // the rows, in the source's order; the key is column "dao_rowid"
                            // (for a table its columns are listed, so that its shape stays
                            // as it was described even when the table gains its key column)
    std::string baseTable;  // where writes go; empty when not updatable
    int keyColumn = -1;     // index of dao_rowid among the columns, -1 when none
    std::vector<ColumnInfo> columns;
    // The tables its rows are read from, as the engine reads them (a view's
    // and a subquery's included); none when they are not known.
    std::vector<std::string> readTables;

    bool updatable() const { return !baseTable.empty() && keyColumn >= 0; }
    // The column of a field name (exact, then ignoring ASCII case); -1 when none.
    int find(const std::string& field) const;
    // The name for messages, in the user's words: the table; for a saved query
    // its name without "Q_"; for an SQL text the table its first column comes
    // from. Never an SQL text.
    const std::string& displayName() const { return shownName; }
    std::string shownName;

    // Throws DaoError(NoSuchObject / NoSuchField / Syntax) naming the file.
    // With `prepared`, the statement of selectSql it was described from is
    // handed over there, not yet run, for the read that follows at once.
    static ObjectInfo describe(Connection& connection, const std::string& source,
                               std::unique_ptr<Statement>* prepared = nullptr);
    static bool isSqlText(const std::string& source);

    std::unordered_map<std::string, int> byName;
};

// Quotes an identifier for SQL: "name" with "" for a quote.
std::string quoteIdentifier(const std::string& name);

}  // namespace dao
