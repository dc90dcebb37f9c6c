#include "PermanentRowIds.h"

#include "ObjectInfo.h"

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

namespace dao {

namespace {

using StatementPtr = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

StatementPtr prepare(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        raw = nullptr;
    }
    return StatementPtr(raw, sqlite3_finalize);
}

bool exec(sqlite3* db, const std::string& sql)
{
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::string columnText(sqlite3_stmt* st, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, column));
    return text ? text : "";
}

struct Table {
    std::string name;
    std::string createSql;
    std::vector<std::string> columns;
};

// The tables whose row ids SQLite may hand out again: every table of the
// program's (not SQLite's own, not the layer's dao_ tables) that declares no
// key. A table with a key of its own is left as it is.
std::vector<Table> tablesWithoutKey(sqlite3* db)
{
    std::vector<Table> tables;
    StatementPtr list = prepare(db,
                                "SELECT name, sql FROM sqlite_master WHERE type = 'table' AND sql IS NOT NULL"
                                " ORDER BY rowid");
    if (!list)
        return tables;
    while (sqlite3_step(list.get()) == SQLITE_ROW) {
        Table table{columnText(list.get(), 0), columnText(list.get(), 1), {}};
        if (table.name.rfind("sqlite_", 0) == 0 || table.name.rfind("dao_", 0) == 0)
            continue;
        if (table.createSql.rfind("CREATE TABLE", 0) != 0)
            continue;  // virtual tables
        StatementPtr info = prepare(db, "SELECT name, pk FROM pragma_table_info(?1)");
        if (!info)
            continue;
        sqlite3_bind_text(info.get(), 1, table.name.c_str(), -1, SQLITE_TRANSIENT);
        bool keyed = false;
        while (sqlite3_step(info.get()) == SQLITE_ROW) {
            const std::string column = columnText(info.get(), 0);
            if (sqlite3_column_int(info.get(), 1) != 0 || column == kRowIdColumn)
                keyed = true;
            table.columns.push_back(column);
        }
        if (!keyed && !table.columns.empty())
            tables.push_back(std::move(table));
    }
    return tables;
}

// The offset just after the "(" that opens the column list of a CREATE TABLE
// text; npos when there is none. Quoted names are skipped.
std::size_t columnListStart(const std::string& sql)
{
    char closing = 0;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (closing) {
            if (c == closing)
                closing = 0;
        } else if (c == '"' || c == '\'' || c == '`') {
            closing = c;
        } else if (c == '[') {
            closing = ']';
        } else if (c == '(') {
            return i + 1;
        }
    }
    return std::string::npos;
}

bool convert(sqlite3* db, const std::vector<Table>& tables)
{
    // Saved queries and triggers name the tables: put them aside while the
    // tables are replaced, and make them again afterwards, in their order.
    std::vector<std::string> later;
    {
        std::vector<std::string> drops;
        StatementPtr list = prepare(db,
                                    "SELECT type, name, sql FROM sqlite_master WHERE type IN ('view', 'trigger')"
                                    " AND sql IS NOT NULL ORDER BY rowid");
        if (!list)
            return false;
        while (sqlite3_step(list.get()) == SQLITE_ROW) {
            drops.push_back("DROP " + std::string(columnText(list.get(), 0) == "view" ? "VIEW " : "TRIGGER ")
                            + quoteIdentifier(columnText(list.get(), 1)));
            later.push_back(columnText(list.get(), 2));
        }
        list.reset();
        for (const std::string& drop : drops)
            if (!exec(db, drop))
                return false;
    }

    for (const Table& table : tables) {
        const std::size_t at = columnListStart(table.createSql);
        if (at == std::string::npos)
            return false;
        std::vector<std::string> indexes;
        {
            StatementPtr list = prepare(db,
                                        "SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ?1"
                                        " AND sql IS NOT NULL ORDER BY rowid");
            if (!list)
                return false;
            sqlite3_bind_text(list.get(), 1, table.name.c_str(), -1, SQLITE_TRANSIENT);
            while (sqlite3_step(list.get()) == SQLITE_ROW)
                indexes.push_back(columnText(list.get(), 0));
        }
        std::string columns;
        for (const std::string& column : table.columns)
            columns += ", " + quoteIdentifier(column);
        const std::string old = quoteIdentifier("dao_converting");
        const std::string name = quoteIdentifier(table.name);
        const bool done = exec(db, "ALTER TABLE " + name + " RENAME TO " + old)
            && exec(db,
                    table.createSql.substr(0, at) + quoteIdentifier(kRowIdColumn)
                        + " INTEGER PRIMARY KEY AUTOINCREMENT, " + table.createSql.substr(at))
            && exec(db,
                    "INSERT INTO " + name + " (" + quoteIdentifier(kRowIdColumn) + columns + ") SELECT rowid" + columns
                        + " FROM " + old + " ORDER BY rowid")
            && exec(db, "DROP TABLE " + old);
        if (!done)
            return false;
        for (const std::string& index : indexes)
            if (!exec(db, index))
                return false;
    }

    for (const std::string& sql : later)
        if (!exec(db, sql))
            return false;
    return true;
}

}  // namespace

bool makeRowIdsPermanent(sqlite3* db)
{
    if (tablesWithoutKey(db).empty())
        return true;
    if (!exec(db, "BEGIN IMMEDIATE"))
        return false;
    // Read again under the write lock: another program may have converted the
    // file in the meantime.
    if (convert(db, tablesWithoutKey(db)) && exec(db, "COMMIT"))
        return true;
    exec(db, "ROLLBACK");
    return false;
}

}  // namespace dao
