#pragma once
// The period-file tool's hold on SQLite: a connection, its statements and a
// transaction, each given back when it goes out of scope (the connection
// closed, the statement finalized, an unfinished transaction rolled back), so
// no path of the code closes anything by hand. Failures throw
// std::runtime_error with SQLite's message.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

namespace periodfile::sqlite {

// A value to bind: NULL, a whole number, a floating number or a text.
using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const Value& value);  // 1-based
    // Runs to the next row: true while there is one, false when done.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    // Ready to run again with new values.
    void reset();
    std::string text(int column) const;  // "" for NULL
    sqlite3_stmt* get() const { return m_statement; }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
    std::string m_sql;
};

class Connection {
public:
    // Opens (with SQLITE_OPEN_CREATE in `flags`, creates) the file.
    Connection(const std::string& path, int flags);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* get() const { return m_db; }
    void exec(const std::string& sql);  // one or more statements without rows

private:
    sqlite3* m_db = nullptr;
};

// BEGIN IMMEDIATE at construction; rolled back when it goes out of scope
// without commit().
class Transaction {
public:
    explicit Transaction(sqlite3* db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    sqlite3* m_db;
    bool m_open = true;
};

// Runs SQL without rows on a connection held elsewhere.
void exec(sqlite3* db, const std::string& sql);

}  // namespace periodfile::sqlite
