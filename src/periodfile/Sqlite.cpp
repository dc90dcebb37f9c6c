#include "periodfile/Sqlite.h"

#include <sqlite3.h>

#include <stdexcept>

namespace periodfile::sqlite {

namespace {

[[noreturn]] void fail(sqlite3* db, const std::string& sql)
{
    std::string message = db ? sqlite3_errmsg(db) : "SQLite を使えません";
    if (!sql.empty())
        message += " [" + sql.substr(0, 120) + "]";
    throw std::runtime_error(message);
}

}  // namespace

// ---- Statement ---------------------------------------------------------------

Statement::Statement(sqlite3* db, const std::string& sql) : m_db(db), m_sql(sql)
{
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        fail(db, sql);
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

void Statement::bind(int index, const Value& value)
{
    int rc = SQLITE_OK;
    if (std::holds_alternative<std::monostate>(value)) {
        rc = sqlite3_bind_null(m_statement, index);
    } else if (const auto* number = std::get_if<std::int64_t>(&value)) {
        rc = sqlite3_bind_int64(m_statement, index, *number);
    } else if (const auto* real = std::get_if<double>(&value)) {
        rc = sqlite3_bind_double(m_statement, index, *real);
    } else {
        const std::string& text = std::get<std::string>(value);
        rc = sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK)
        fail(m_db, m_sql);
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(m_db, m_sql);
}

void Statement::run()
{
    while (step()) {}
}

void Statement::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

std::string Statement::text(int column) const
{
    const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return value ? value : "";
}

// ---- Connection --------------------------------------------------------------

Connection::Connection(const std::string& path, int flags)
{
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "SQLite を開けません";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw std::runtime_error(message);
    }
    // A double-quoted name that names no column is an error, never a text.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
}

Connection::~Connection()
{
    sqlite3_close_v2(m_db);
}

void Connection::exec(const std::string& sql)
{
    sqlite::exec(m_db, sql);
}

void exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        throw std::runtime_error(message + " [" + sql.substr(0, 120) + "]");
    }
}

// ---- Transaction -------------------------------------------------------------

Transaction::Transaction(sqlite3* db) : m_db(db)
{
    exec(db, "BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (m_open)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    exec(m_db, "COMMIT");
    m_open = false;
}

}  // namespace periodfile::sqlite
