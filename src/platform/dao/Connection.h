#pragma once
// The one SQLite connection behind every handle on one file (per open mode).
// Statements are run to the end (or reset) within one call, so no read
// transaction is left open between calls. A statement run again and again
// (a write, the check of the data version, the read that follows a
// description of its source) is kept prepared by the connection, reset and
// with its bindings cleared, and used again for the same text.

#include "DaoError.h"
#include "Value.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace dao {

// A prepared statement, finalized when it goes out of scope.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql, const std::string& what);
    // Takes over `prepared`, a statement prepared on `db`.
    Statement(sqlite3* db, sqlite3_stmt* prepared, const std::string& what);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const Value& value);  // 1-based; the value goes in as stored
    bool step();                               // true while a row is there
    sqlite3_stmt* get() const { return m_stmt; }
    int columnCount() const;
    // `what` names the table in the messages of a failed read from now on.
    void describeAs(const std::string& what) { m_what = what; }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    std::string m_what;
};

// Switches off SQLite's reading of a double-quoted name that names no column
// as a text: such a name is an error that names it, never a text compared or
// summed in its place. Every connection of the program is opened with it.
void RefuseQuotedTextLiterals(sqlite3* db);

class Connection;

// A statement of the connection's kept ones (or one prepared now), given back
// to it, reset, when this goes out of scope.
class ReusedStatement {
public:
    ReusedStatement(Connection& connection, std::string sql, const std::string& what);
    ~ReusedStatement();
    ReusedStatement(const ReusedStatement&) = delete;
    ReusedStatement& operator=(const ReusedStatement&) = delete;
    Statement& operator*() const { return *m_statement; }
    Statement* operator->() const { return m_statement.get(); }

private:
    Connection& m_connection;
    std::string m_sql;
    std::unique_ptr<Statement> m_statement;
};

class Connection {
public:
    // Opens an existing SQLite file; never creates or changes a file that is not
    // one. A connection is shared by every handle on the file (per open mode),
    // except one opened with a wait of its own (`ownWait`): that one is private,
    // so a short wait chosen for a quick look never reaches other handles.
    static std::shared_ptr<Connection> open(const std::string& path, bool readOnly,
                                            std::optional<std::chrono::milliseconds> ownWait = std::nullopt);
    // A private database held in memory, named `name` in messages: `fill`
    // makes its contents (a copy of a file, DatabaseCopy.h) before anything
    // else reads it; what `fill` throws is thrown on. What it says of what is
    // stored in it (a damaged value, a missing table or field) is said of
    // `holding`, the file it holds a copy of, when that is given; what it says
    // of a write, of itself.
    static std::shared_ptr<Connection> openInMemory(const std::string& name, const std::function<void(sqlite3*)>& fill,
                                                    const std::string& holding = {});
    ~Connection();

    sqlite3* handle() const { return m_db; }
    const std::string& path() const { return m_path; }
    // The file whose contents it holds: its path, or the file an in-memory
    // copy was made of. Messages about stored values and objects name it.
    const std::string& storedIn() const { return m_storedIn; }
    bool readOnly() const { return m_readOnly; }

    // A stamp that changes whenever the file may have changed since it was taken:
    // a write through this connection, a commit or rollback, or (checked now and
    // then, and always first thing after a transaction has begun) a write by
    // another connection. Throws DaoError(Busy) when another program holds the
    // file past the wait budget, so that nothing is taken for fresh unchecked.
    std::uint64_t stamp();
    void noteWrite() { ++m_generation; }
    // The stamp as last taken, without looking at other programs' writes: for
    // reads of a row that was read or checked under it a moment ago.
    std::uint64_t knownStamp() const { return m_generation; }
    // Whether rows read from `tables` under stamp `since` still show what the
    // file holds, as far as the stamp last taken knows: nothing this
    // connection wrote went to one of those tables since, and nothing changed
    // that could have touched any table (another program's commit, a
    // rollback, rows written where the engine does not say to which table).
    // No tables stands for every table.
    bool unchangedSince(std::uint64_t since, const std::vector<std::string>& tables) const;

    // Runs a statement that returns no rows; counts it as a write for the failure
    // plan when `isWrite`. Returns the rows changed. `what` names the table in
    // the user's words.
    long long execute(const std::string& sql, const std::vector<Value>& params, const std::string& what, bool isWrite);

    // Throws the DaoError of a failed write that fits the SQLite result code.
    [[noreturn]] void fail(int rc, const std::string& what) const;

    // Transactions (depth counted here; nested levels are savepoints). The
    // outermost level of a connection that may write starts as a write
    // transaction (BEGIN IMMEDIATE), so that it waits for another writer
    // instead of failing at its first write; once it holds the lock, what
    // another program committed before is noticed at the next stamp, so a
    // check made inside the transaction sees the file as it is.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }

    // While `tables` is given (not null), every table a statement prepared on
    // this connection reads is added to it, as the engine names it.
    void noteTablesRead(std::set<std::string>* tables) { m_tablesRead = tables; }

    // The file's schema version as it is now, the connection's own reading of
    // the schema brought up to it; none when it cannot be read.
    std::optional<long long> schemaVersion();

    // The statement of `sql` kept last, when there is one; else one prepared now.
    std::unique_ptr<Statement> reuse(const std::string& sql, const std::string& what);
    // Keeps `statement`, a statement of `sql`, reset and its bindings cleared,
    // for the next reuse of the same text (the oldest kept goes when too many are).
    void keep(const std::string& sql, std::unique_ptr<Statement> statement);

private:
    Connection(sqlite3* db, std::string path, bool readOnly, std::string storedIn = {});
    long long dataVersion();  // throws DaoError
    sqlite3* m_db;
    std::string m_path;
    std::string m_storedIn;
    bool m_readOnly;
    std::uint64_t m_generation = 0;
    // The stamps of the last changes: to each table this connection wrote
    // rows to, and to any table.
    std::unordered_map<std::string, std::uint64_t> m_tableWritten;
    std::uint64_t m_anyTableWritten = 0;
    long long m_rowsSeenWritten = 0;
    std::set<std::string>* m_tablesRead = nullptr;  // rows the engine reported written, to each table
    long long m_dataVersion = -1;
    std::chrono::steady_clock::time_point m_lastVersionCheck{};
    bool m_versionCheckDue = false;  // a transaction began: check before the next stamp
    int m_depth = 0;
    std::pair<unsigned long long, unsigned long long> m_identity{0, 0};
    std::optional<std::chrono::milliseconds> m_ownWait;  // the longest wait for one lock, when set

    // The statements kept, the latest first.
    std::list<std::pair<std::string, std::unique_ptr<Statement>>> m_kept;
};

}  // namespace dao
