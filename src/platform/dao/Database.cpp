#include "Database.h"

#include "Connection.h"
#include "FailureText.h"
#include "ObjectInfo.h"
#include "RecordsetImpl.h"

#include <sqlite3.h>

namespace dao {

Database::Database(std::shared_ptr<Connection> connection, bool readOnly)
    : m_connection(std::move(connection)), m_readOnly(readOnly)
{
}

namespace {
void requireOpen(bool open, const std::string& path)
{
    if (!open)
        throw DaoError(DaoError::Code::General, "ファイル「" + path + "」は閉じられています。");
}

bool isNameEnd(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '(' || c == ';';
}

// The table an INSERT, UPDATE or DELETE writes, in the user's words, for the
// messages of a failed write; empty when the statement is none of those.
std::string writtenTable(const std::string& sql)
{
    std::string upper = sql;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    size_t at = upper.find_first_not_of(" \t\r\n");
    if (at == std::string::npos)
        return {};
    if (upper.compare(at, 6, "UPDATE") == 0) {
        at += 6;
        for (const char* alternative : {" OR ROLLBACK", " OR ABORT", " OR REPLACE", " OR FAIL", " OR IGNORE"}) {
            const std::string word(alternative);
            if (upper.compare(at, word.size(), word) == 0)
                at += word.size();
        }
    } else if (upper.compare(at, 6, "DELETE") == 0 || upper.compare(at, 6, "INSERT") == 0
               || upper.compare(at, 7, "REPLACE") == 0) {
        const size_t into = upper.find(upper[at] == 'D' ? "FROM" : "INTO", at);
        if (into == std::string::npos)
            return {};
        at = into + 4;
    } else {
        return {};
    }
    at = sql.find_first_not_of(" \t\r\n", at);
    if (at == std::string::npos)
        return {};
    const char open = sql[at];
    if (open == '"' || open == '[' || open == '`') {
        const size_t close = sql.find(open == '[' ? ']' : open, at + 1);
        return close == std::string::npos ? std::string() : userName(sql.substr(at + 1, close - at - 1));
    }
    size_t end = at;
    while (end < sql.size() && !isNameEnd(sql[end]))
        ++end;
    return userName(sql.substr(at, end - at));
}
}  // namespace

std::unique_ptr<Recordset> Database::OpenRecordset(const std::string& source, RecordsetType type)
{
    requireOpen(m_open, path());
    std::unique_ptr<Statement> described;
    auto info = std::make_shared<const ObjectInfo>(ObjectInfo::describe(*m_connection, source, &described));
    return std::make_unique<Recordset>(
        std::make_unique<RecordsetImpl>(m_connection, info, type, m_readOnly, false, described.get()));
}

namespace {
// SQL texts whose description a database keeps, at most.
constexpr std::size_t kDescribedTexts = 32;
}  // namespace

std::unique_ptr<Recordset> Database::OpenSnapshot(const std::string& sql, const std::vector<Value>& params)
{
    requireOpen(m_open, path());
    // A description holds while the file's schema is the one it was read
    // under; the statement kept with it was prepared under it too.
    const std::optional<long long> schema = m_connection->schemaVersion();
    std::shared_ptr<const ObjectInfo> info;
    std::unique_ptr<Statement> prepared;
    const auto described = m_described.find(sql);
    if (schema && described != m_described.end() && described->second.schema == *schema) {
        info = described->second.info;
        prepared = m_connection->reuse(info->selectSql, info->displayName());
    } else {
        info = std::make_shared<const ObjectInfo>(ObjectInfo::describe(*m_connection, sql, &prepared));
        if (m_described.size() >= kDescribedTexts)
            m_described.clear();
        if (schema)
            m_described[sql] = {*schema, info};
    }
    for (std::size_t i = 0; i < params.size(); ++i)
        prepared->bind(static_cast<int>(i) + 1, params[i]);
    auto snapshot = std::make_unique<Recordset>(std::make_unique<RecordsetImpl>(
        m_connection, info, RecordsetType::Snapshot, m_readOnly, false, prepared.get()));
    m_connection->keep(info->selectSql, std::move(prepared));
    return snapshot;
}

std::unique_ptr<Recordset> Database::OpenRecordsetForWalk(const std::string& source)
{
    requireOpen(m_open, path());
    auto info = std::make_shared<const ObjectInfo>(ObjectInfo::describe(*m_connection, source));
    return std::make_unique<Recordset>(
        std::make_unique<RecordsetImpl>(m_connection, info, RecordsetType::Dynaset, m_readOnly, true));
}

long long Database::Execute(const std::string& sql, const std::vector<Value>& params)
{
    requireOpen(m_open, path());
    const std::string table = writtenTable(sql);
    if (m_readOnly)
        throw DaoError(DaoError::Code::ReadOnly,
                       "ファイル「" + path() + "」は読むためだけに開かれているため、"
                           + (table.empty() ? std::string("書き込めません。") : "「" + table + "」に書き込めません。"));
    return m_connection->execute(sql, params, table, true);
}

void Database::WriteCompactedTo(const std::string& path)
{
    Execute("VACUUM INTO ?", {Value(path)});
}

void Database::ForEachRow(const std::string& sql, const std::vector<Value>& params, const std::string& table,
                          const std::function<void(const RowView&)>& row)
{
    requireOpen(m_open, path());
    Statement statement(m_connection->handle(), sql, table);
    for (std::size_t i = 0; i < params.size(); ++i)
        statement.bind(static_cast<int>(i) + 1, params[i]);
    const RowView view(statement.get());
    while (statement.step())
        row(view);
}

void Database::ForEachCheckedRow(const std::string& table, const std::vector<std::string>& columns,
                                 const std::string& condition, const std::vector<Value>& params,
                                 const std::function<void(const CheckedRow&)>& row)
{
    requireOpen(m_open, path());
    const ObjectInfo described = ObjectInfo::describe(*m_connection, table);
    std::string sql = "SELECT ";
    for (const std::string& column : columns) {
        if (described.find(column) < 0)
            throw DaoError(DaoError::Code::NoSuchField,
                           missingFieldText(m_connection->storedIn(), userName(table), column));
        sql += quoteIdentifier(column) + ", ";
    }
    sql += "rowid FROM " + quoteIdentifier(table);
    if (!condition.empty())
        sql += " WHERE " + condition;
    Statement statement(m_connection->handle(), sql + " ORDER BY rowid", userName(table));
    for (std::size_t i = 0; i < params.size(); ++i)
        statement.bind(static_cast<int>(i) + 1, params[i]);
    const CheckedRow view(*m_connection, statement.get(), table);
    while (statement.step())
        row(view);
}

Database::FileVersion Database::fileVersion() const
{
    sqlite3* db = m_connection->handle();
    FileVersion version;
    version.changes = sqlite3_total_changes64(db);
    Statement st(db, "PRAGMA data_version", m_connection->path());
    if (st.step())
        version.dataVersion = sqlite3_column_int64(st.get(), 0);
    return version;
}

const std::string& Database::path() const
{
    return m_connection->path();
}

const std::string& Database::storedIn() const
{
    return m_connection->storedIn();
}

bool Database::hasObject(const std::string& name) const
{
    requireOpen(m_open, path());
    if (ObjectInfo::isSqlText(name))
        return false;
    try {
        ObjectInfo::describe(*m_connection, name);
        return true;
    } catch (const DaoError& e) {
        if (e.code() == DaoError::Code::NoSuchObject)
            return false;
        throw;
    }
}

std::vector<std::string> Database::fieldNames(const std::string& object) const
{
    requireOpen(m_open, path());
    const auto info = ObjectInfo::describe(*m_connection, object);
    std::vector<std::string> names;
    for (const auto& column : info.columns)
        if (!column.hidden)
            names.push_back(column.name);
    return names;
}

// The connection stays with the recordsets already opened through this handle;
// they keep working until they are closed.
void Database::Close()
{
    m_open = false;
}

bool Database::isOpen() const
{
    return m_open;
}

}  // namespace dao
