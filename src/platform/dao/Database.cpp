#include "Database.h"

#include "Connection.h"
#include "ObjectInfo.h"
#include "RecordsetImpl.h"

#include <sqlite3.h>

namespace dao {

Database::Database(std::shared_ptr<Connection> connection, bool readOnly)
    : m_connection(std::move(connection)), m_readOnly(readOnly) {}

namespace {
void requireOpen(bool open, const std::string& path) {
    if (!open) throw DaoError(DaoError::Code::General, "データベース「" + path + "」は閉じられています");
}
}  // namespace

std::unique_ptr<Recordset> Database::OpenRecordset(const std::string& source, RecordsetType type) {
    requireOpen(m_open, path());
    auto info = std::make_shared<const ObjectInfo>(ObjectInfo::describe(*m_connection, source));
    return std::make_unique<Recordset>(std::make_unique<RecordsetImpl>(m_connection, info, type, m_readOnly));
}

long long Database::Execute(const std::string& sql, const std::vector<Value>& params) {
    requireOpen(m_open, path());
    if (m_readOnly)
        throw DaoError(DaoError::Code::ReadOnly, "「" + path() + "」は読み取り専用で開かれています");
    return m_connection->execute(sql, params, sql.size() > 80 ? sql.substr(0, 80) + "…" : sql, true);
}

const std::string& Database::path() const { return m_connection->path(); }

bool Database::hasObject(const std::string& name) const {
    requireOpen(m_open, path());
    if (ObjectInfo::isSqlText(name)) return false;
    try {
        ObjectInfo::describe(*m_connection, name);
        return true;
    } catch (const DaoError& e) {
        if (e.code() == DaoError::Code::NoSuchObject) return false;
        throw;
    }
}

std::vector<std::string> Database::fieldNames(const std::string& object) const {
    requireOpen(m_open, path());
    const auto info = ObjectInfo::describe(*m_connection, object);
    std::vector<std::string> names;
    for (const auto& column : info.columns)
        if (!column.hidden) names.push_back(column.name);
    return names;
}

// The connection stays with the recordsets already opened through this handle;
// they keep working until they are closed.
void Database::Close() { m_open = false; }

bool Database::isOpen() const { return m_open; }

}  // namespace dao
