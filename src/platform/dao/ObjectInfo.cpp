#include "ObjectInfo.h"

#include "ColumnWidths.h"
#include "Connection.h"
#include "DaoError.h"
#include "FailureText.h"
#include "ValueDomains.h"

#include <sqlite3.h>

#include <algorithm>
#include <set>

namespace dao {

namespace {

std::string upperAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && upperAscii(a) == upperAscii(b);
}

// The declared name and kind of a table or view, found without regard to ASCII case.
bool findObject(Connection& connection, const std::string& name, std::string& realName, std::string& type)
{
    const ReusedStatement st(
        connection, "SELECT name, type FROM sqlite_master WHERE type IN ('table','view') AND name = ?1 COLLATE NOCASE",
        name);
    st->bind(1, Value(name));
    if (!st->step())
        return false;
    realName = reinterpret_cast<const char*>(sqlite3_column_text(st->get(), 0));
    type = reinterpret_cast<const char*>(sqlite3_column_text(st->get(), 1));
    return true;
}

std::string baseTableOfView(Connection& connection, const std::string& view)
{
    std::string realName, type;
    if (!findObject(connection, "dao_updatable_views", realName, type))
        return {};
    const ReusedStatement st(connection, "SELECT base_table FROM dao_updatable_views WHERE view_name = ?1", view);
    st->bind(1, Value(view));
    if (!st->step())
        return {};
    return reinterpret_cast<const char*>(sqlite3_column_text(st->get(), 0));
}

std::vector<std::string> columnsOfTable(Connection& connection, const std::string& table)
{
    std::vector<std::string> names;
    const ReusedStatement st(connection, "SELECT name FROM pragma_table_info(?1) ORDER BY cid", table);
    st->bind(1, Value(table));
    while (st->step())
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st->get(), 0)));
    return names;
}

}  // namespace

ColumnType columnTypeOf(const char* declaredType)
{
    if (!declaredType)
        return ColumnType::Unknown;
    const std::string t = upperAscii(declaredType);
    if (t.find("SMALLINT") != std::string::npos)
        return ColumnType::SmallInt;
    if (t.find("BOOL") != std::string::npos || t == "BIT")
        return ColumnType::Boolean;
    if (t.find("DATETIME") != std::string::npos || t.find("TIMESTAMP") != std::string::npos)
        return ColumnType::DateTime;
    if (t.find("DATE") != std::string::npos)
        return ColumnType::Date;
    if (t.find("INT") != std::string::npos)
        return ColumnType::Integer;
    if (t.find("CHAR") != std::string::npos || t.find("TEXT") != std::string::npos
        || t.find("CLOB") != std::string::npos)
        return ColumnType::Text;
    if (t.find("REAL") != std::string::npos || t.find("FLOA") != std::string::npos
        || t.find("DOUB") != std::string::npos || t.find("NUM") != std::string::npos
        || t.find("DEC") != std::string::npos || t.find("CURRENCY") != std::string::npos)
        return ColumnType::Real;
    return ColumnType::Unknown;
}

ColumnInfo ResultColumnOf(sqlite3_stmt* statement, int index)
{
    ColumnInfo column;
    column.name = sqlite3_column_name(statement, index);
    column.type = columnTypeOf(sqlite3_column_decltype(statement, index));
    if (const char* table = sqlite3_column_table_name(statement, index))
        column.table = table;
    if (const char* origin = sqlite3_column_origin_name(statement, index))
        column.origin = origin;
    if (column.type == ColumnType::Integer && !column.table.empty() && HoldsWideIntegers(column.table, column.origin))
        column.type = ColumnType::BigInt;
    column.domainRule = domainRuleOf(column.table, column.origin);
    return column;
}

std::string quoteIdentifier(const std::string& name)
{
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

bool ObjectInfo::isSqlText(const std::string& source)
{
    auto start = source.find_first_not_of(" \t\r\n(");
    if (start == std::string::npos)
        return false;
    const std::string head = upperAscii(source.substr(start, 7));
    return head.rfind("SELECT", 0) == 0 || head.rfind("WITH ", 0) == 0 || head.rfind("VALUES", 0) == 0;
}

int ObjectInfo::find(const std::string& field) const
{
    if (auto it = byName.find(field); it != byName.end())
        return it->second;
    for (size_t i = 0; i < columns.size(); ++i)
        if (!columns[i].hidden && equalsIgnoringAsciiCase(columns[i].name, field))
            return static_cast<int>(i);
    return -1;
}

ObjectInfo ObjectInfo::describe(Connection& connection, const std::string& source, std::unique_ptr<Statement>* prepared)
{
    sqlite3* db = connection.handle();
    ObjectInfo info;
    info.name = source;
    if (isSqlText(source)) {
        info.kind = Kind::Sql;
        // Without a closing ";": the text is also read again as a subquery.
        info.selectSql = source.substr(0, source.find_last_not_of(" \t\r\n;") + 1);
    } else {
        std::string realName, type;
        if (source.empty() || !findObject(connection, source, realName, type))
            throw DaoError(DaoError::Code::NoSuchObject,
                           "ファイル「" + connection.storedIn() + "」に「" + userName(source)
                               + "」がありません（期ファイルでないか、壊れています）。");
        info.name = realName;
        info.shownName = userName(realName);
        if (type == "table") {
            info.kind = Kind::Table;
            info.baseTable = realName;
            std::string columns;
            for (const std::string& column : columnsOfTable(connection, realName))
                if (column != "dao_rowid")
                    columns += ", " + quoteIdentifier(column);
            info.selectSql =
                "SELECT rowid AS dao_rowid" + columns + " FROM " + quoteIdentifier(realName) + " ORDER BY rowid";
        } else {
            info.kind = Kind::View;
            info.baseTable = baseTableOfView(connection, realName);
            info.selectSql = "SELECT * FROM " + quoteIdentifier(realName);
        }
    }

    // The engine names every table the statement reads as it prepares it.
    std::set<std::string> readTables;
    connection.noteTablesRead(&readTables);
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db, info.selectSql.c_str(), -1, &raw, nullptr);
    connection.noteTablesRead(nullptr);
    info.readTables.assign(readTables.begin(), readTables.end());
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> st(raw, sqlite3_finalize);
    if (rc != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        if (message.rfind("no such table", 0) == 0)
            throw DaoError(DaoError::Code::NoSuchObject,
                           "ファイル「" + connection.storedIn() + "」に「"
                               + userName(message.substr(message.find(':') + 2))
                               + "」がありません（期ファイルでないか、壊れています）。");
        if (message.rfind("no such column", 0) == 0)
            throw DaoError(DaoError::Code::NoSuchField,
                           "ファイル「" + connection.storedIn() + "」にフィールド「"
                               + message.substr(message.find(':') + 2) + "」がありません。");
        throw DaoError(DaoError::Code::Syntax,
                       "ファイル「" + connection.storedIn() + "」からデータを読み出せません（" + message + "）。");
    }
    if (sqlite3_stmt_readonly(st.get()) == 0)
        throw DaoError(DaoError::Code::Syntax,
                       "読み出しでない SQL 文は開けません（ファイル「" + connection.path() + "」）。");

    std::vector<std::string> baseColumns;
    if (!info.baseTable.empty())
        baseColumns = columnsOfTable(connection, info.baseTable);
    const int count = sqlite3_column_count(st.get());
    for (int i = 0; i < count; ++i) {
        ColumnInfo column = ResultColumnOf(st.get(), i);
        const char* table = sqlite3_column_table_name(st.get(), i);
        const char* origin = sqlite3_column_origin_name(st.get(), i);
        // The key; a view over "t.*" of a table that has the key column shows
        // it twice, the second time as "dao_rowid:1".
        if (column.name == "dao_rowid" || column.name.rfind("dao_rowid:", 0) == 0) {
            column.hidden = true;
            if (info.keyColumn < 0)
                info.keyColumn = i;
        } else if (!info.baseTable.empty()
                   && std::find(baseColumns.begin(), baseColumns.end(), column.name) != baseColumns.end()) {
            column.writable = table && origin && info.baseTable == table && column.name == origin;
        }
        if (!column.hidden && !info.byName.count(column.name))
            info.byName.emplace(column.name, i);
        if (info.shownName.empty() && !column.hidden && !column.table.empty())
            info.shownName = column.table;
        info.columns.push_back(std::move(column));
    }
    // The source's own table is the one its first field comes from; the rest are joined.
    std::string ownTable;
    for (const ColumnInfo& column : info.columns)
        if (!column.hidden && !column.table.empty()) {
            ownTable = column.table;
            break;
        }
    for (ColumnInfo& column : info.columns)
        column.joined = !column.table.empty() && column.table != ownTable;
    if (info.shownName.empty())
        info.shownName = "抽出したデータ";
    if (info.kind == Kind::View && info.keyColumn < 0)
        info.baseTable.clear();
    if (prepared)
        *prepared = std::make_unique<Statement>(db, st.release(), info.displayName());
    return info;
}

}  // namespace dao
