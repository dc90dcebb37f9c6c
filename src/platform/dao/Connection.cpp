#include "Connection.h"

#include "DayOfDate.h"
#include "Engine.h"
#include "FailureText.h"
#include "PermanentRowIds.h"
#include "WaitBudget.h"

#include <sqlite3.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include <sys/stat.h>

namespace dao {

namespace {

std::string sqliteMessage(sqlite3* db)
{
    return db ? sqlite3_errmsg(db) : "?";
}

// What the first bytes of the file say it is.
enum class FileKind { SQLite, Access, Other, Missing, Unreadable };

FileKind inspect(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return FileKind::Missing;
    if (std::filesystem::is_directory(path, ec))
        return FileKind::Unreadable;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return FileKind::Unreadable;
    char header[32] = {};
    in.read(header, sizeof header);
    const auto got = in.gcount();
    if (got >= 16 && std::memcmp(header, "SQLite format 3\0", 16) == 0)
        return FileKind::SQLite;
    static const char jet[] = "\0\x01\0\0Standard Jet DB";
    static const char ace[] = "\0\x01\0\0Standard ACE DB";
    if (got >= 19 && (std::memcmp(header, jet, 19) == 0 || std::memcmp(header, ace, 19) == 0))
        return FileKind::Access;
    return FileKind::Other;
}

std::string canonicalKey(const std::string& path, bool readOnly)
{
    std::error_code ec;
    auto canonical = std::filesystem::weakly_canonical(path, ec);
    std::string key = ec ? path : canonical.string();
    return key + (readOnly ? "\x01ro" : "\x01rw");
}

// The file's identity, so that a file replaced under the same name (a copy made
// over it) gets a connection of its own.
std::pair<unsigned long long, unsigned long long> fileIdentity(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {0, 0};
    return {static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino)};
}

std::map<std::string, std::weak_ptr<Connection>>& registry()
{
    static std::map<std::string, std::weak_ptr<Connection>> connections;
    return connections;
}

}  // namespace

// ---- Statement ---------------------------------------------------------------

Statement::Statement(sqlite3* db, const std::string& sql, const std::string& what) : m_db(db), m_what(what)
{
    const int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        const auto missing = missingFieldFailure(db, pathOf(db), what);
        const DaoError error = (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED
            ? readFailure(db, rc, pathOf(db), what)
            : missing ? *missing
                      : DaoError(DaoError::Code::General,
                                 placeText(pathOf(db), what) + "を読み込めませんでした（" + sqliteMessage(db) + "）。");
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw error;
    }
}

Statement::Statement(sqlite3* db, sqlite3_stmt* prepared, const std::string& what)
    : m_db(db), m_stmt(prepared), m_what(what)
{
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

void Statement::bind(int index, const Value& value)
{
    int rc = SQLITE_OK;
    switch (value.kind()) {
    case ValueKind::Null: rc = sqlite3_bind_null(m_stmt, index); break;
    case ValueKind::Text: {
        const auto& s = std::get<std::string>(value.data());
        rc = sqlite3_bind_text(m_stmt, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        break;
    }
    case ValueKind::Integer: rc = sqlite3_bind_int64(m_stmt, index, std::get<std::int64_t>(value.data())); break;
    case ValueKind::Double: rc = sqlite3_bind_double(m_stmt, index, std::get<double>(value.data())); break;
    case ValueKind::Boolean: rc = sqlite3_bind_int(m_stmt, index, std::get<bool>(value.data()) ? 1 : 0); break;
    case ValueKind::Date: {
        const auto& d = std::get<Date>(value.data());
        const std::string text = d.isoText();
        rc = sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    }
    if (rc != SQLITE_OK)
        throw DaoError(DaoError::Code::General,
                       placeText(pathOf(m_db), m_what) + "を読み込めませんでした（" + sqliteMessage(m_db) + "）。");
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const DaoError error = readFailure(m_db, rc, pathOf(m_db), m_what);
    sqlite3_reset(m_stmt);
    throw error;
}

// ---- ReusedStatement ---------------------------------------------------------

ReusedStatement::ReusedStatement(Connection& connection, std::string sql, const std::string& what)
    : m_connection(connection), m_sql(std::move(sql)), m_statement(connection.reuse(m_sql, what))
{
}

ReusedStatement::~ReusedStatement()
{
    m_connection.keep(m_sql, std::move(m_statement));
}

// ---- Connection --------------------------------------------------------------

void RefuseQuotedTextLiterals(sqlite3* db)
{
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
}

namespace {

// A period file is one self-contained file: rollback journal, never WAL.
// Only a prepared period file (it holds the registry of writable queries) is
// switched, and its rows get numbers that are never used again; any other
// file is left as it is.
void bringToCurrentForm(sqlite3* db)
{
    sqlite3_stmt* st = nullptr;
    bool prepared = false;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'dao_updatable_views'", -1,
                           &st, nullptr)
        == SQLITE_OK)
        prepared = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_finalize(st);
    st = nullptr;
    std::string mode;
    if (prepared && sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &st, nullptr) == SQLITE_OK
        && sqlite3_step(st) == SQLITE_ROW)
        mode = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    if (mode == "wal")
        sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    if (prepared)
        makeRowIdsPermanent(db);
}

// What every connection has: the date function of the period filters, and
// the engine's settings the program relies on. Closes `db` and throws naming
// `path` when the engine refuses the function.
void finishOpening(sqlite3* db, const std::string& path)
{
    // Every period filter reads a row's date by its value (DayOfDate.h).
    if (!RegisterDayOfDate(db)) {
        const std::string message = sqliteMessage(db);
        sqlite3_close_v2(db);
        throw DaoError(DaoError::Code::CannotOpen, "「" + path + "」を開けません：" + message);
    }
    sqlite3_exec(db, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    // Rows are read again by key in the query's order, which jumps about the
    // table: keep a period file's pages in memory (32 MB at most).
    sqlite3_exec(db, "PRAGMA cache_size=-32768", nullptr, nullptr, nullptr);
}

}  // namespace

Connection::Connection(sqlite3* db, std::string path, bool readOnly, std::string storedIn)
    : m_db(db), m_path(std::move(path)), m_storedIn(storedIn.empty() ? m_path : std::move(storedIn)),
      m_readOnly(readOnly)
{
    // Every row this connection writes, whoever writes it (a trigger, a
    // foreign key's action, a statement run straight on the handle), marks
    // its table changed.
    sqlite3_update_hook(
        m_db,
        [](void* self, int, const char*, const char* table, sqlite3_int64) {
            auto& connection = *static_cast<Connection*>(self);
            connection.m_tableWritten[table] = ++connection.m_generation;
            ++connection.m_rowsSeenWritten;
        },
        this);
    // Set once for the connection's life: setting it again would make every
    // statement prepared so far be prepared again at its next run.
    sqlite3_set_authorizer(
        m_db,
        [](void* self, int action, const char* table, const char*, const char*, const char*) {
            std::set<std::string>* tables = static_cast<Connection*>(self)->m_tablesRead;
            if (tables && action == SQLITE_READ && table)
                tables->insert(table);
            return SQLITE_OK;
        },
        this);
}

bool Connection::unchangedSince(std::uint64_t since, const std::vector<std::string>& tables) const
{
    if (since == m_generation)
        return true;
    if (m_anyTableWritten > since || tables.empty())
        return false;
    for (const std::string& table : tables) {
        const auto written = m_tableWritten.find(table);
        if (written != m_tableWritten.end() && written->second > since)
            return false;
    }
    return true;
}

Connection::~Connection()
{
    m_kept.clear();
    sqlite3_update_hook(m_db, nullptr, nullptr);
    sqlite3_set_authorizer(m_db, nullptr, nullptr);
    if (m_depth > 0)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(m_db);
}

std::shared_ptr<Connection> Connection::open(const std::string& path, bool readOnly,
                                             std::optional<std::chrono::milliseconds> ownWait)
{
    const std::string key = canonicalKey(path, readOnly);
    auto& connections = registry();
    if (!ownWait) {
        if (auto it = connections.find(key); it != connections.end()) {
            if (auto existing = it->second.lock(); existing && existing->m_identity == fileIdentity(path))
                return existing;
        }
    }

    switch (inspect(path)) {
    case FileKind::Missing:
        throw DaoError(DaoError::Code::CannotOpen, "「" + path + "」を開けません（ファイルがありません）");
    case FileKind::Unreadable:
        throw DaoError(DaoError::Code::CannotOpen, "「" + path + "」を開けません（ファイルを読めません）");
    case FileKind::Access:
        throw DaoError(DaoError::Code::NotAPeriodFile,
                       "「" + path + "」を開けません（Access 形式のファイルです。この版の期ファイルではありません）");
    case FileKind::Other:
        throw DaoError(DaoError::Code::NotAPeriodFile, "「" + path + "」を開けません（期ファイルではありません）");
    case FileKind::SQLite: break;
    }

    sqlite3* db = nullptr;
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = sqliteMessage(db);
        sqlite3_close_v2(db);
        throw DaoError(DaoError::Code::CannotOpen, "「" + path + "」を開けません：" + message);
    }
    RefuseQuotedTextLiterals(db);
    // Until the connection is made, its own wait lives here.
    const std::optional<std::chrono::milliseconds> openingWait = ownWait;
    WaitWithinBudget(db, openingWait ? &*openingWait : nullptr);
    sqlite3_extended_result_codes(db, 0);

    // Read the schema once: a damaged file fails here, before anything is written.
    auto damaged = [&](const std::string& message) {
        sqlite3_close_v2(db);
        throw DaoError(DaoError::Code::NotAPeriodFile,
                       "「" + path + "」を開けません（ファイルが壊れています：" + message + "）");
    };
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        sqlite3_close_v2(db);
        throw DaoError(DaoError::Code::Busy, busyReadingText(path));
    }
    if (rc != SQLITE_OK)
        damaged(sqliteMessage(db));

    if (!readOnly)
        bringToCurrentForm(db);
    finishOpening(db, path);

    auto connection = std::shared_ptr<Connection>(new Connection(db, path, readOnly));
    connection->m_identity = fileIdentity(path);
    connection->m_ownWait = ownWait;
    WaitWithinBudget(db, connection->m_ownWait ? &*connection->m_ownWait : nullptr);
    if (!ownWait)
        connections[key] = connection;
    return connection;
}

std::shared_ptr<Connection> Connection::openInMemory(const std::string& name, const std::function<void(sqlite3*)>& fill,
                                                     const std::string& holding)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw DaoError(DaoError::Code::CannotOpen, "「" + name + "」を作れません（メモリが足りません）");
    }
    RefuseQuotedTextLiterals(db);
    try {
        fill(db);
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    sqlite3_extended_result_codes(db, 0);
    bringToCurrentForm(db);
    finishOpening(db, name);
    return std::shared_ptr<Connection>(new Connection(db, name, false, holding));
}

long long Connection::dataVersion()
{
    const ReusedStatement statement(*this, "PRAGMA data_version", "");
    if (!statement->step())
        throw DaoError(DaoError::Code::General, placeText(m_path, "") + "を読み込めませんでした。");
    return sqlite3_column_int64(statement->get(), 0);
}

std::optional<long long> Connection::schemaVersion()
{
    try {
        {
            // A read of the schema's own table takes up a schema another
            // program changed: what is prepared next is prepared on the
            // schema the version names.
            const ReusedStatement schema(*this, "SELECT 1 FROM sqlite_master LIMIT 1", "");
            schema->step();
        }
        const ReusedStatement statement(*this, "PRAGMA schema_version", "");
        if (!statement->step())
            return std::nullopt;
        return sqlite3_column_int64(statement->get(), 0);
    } catch (const DaoError&) {
        return std::nullopt;  // the caller reads as it would without it
    }
}

namespace {
// Statements kept prepared at most: the writes of a save and the reads around them.
constexpr std::size_t kKeptStatements = 24;
}  // namespace

std::unique_ptr<Statement> Connection::reuse(const std::string& sql, const std::string& what)
{
    for (auto it = m_kept.begin(); it != m_kept.end(); ++it) {
        if (it->first != sql)
            continue;
        std::unique_ptr<Statement> statement = std::move(it->second);
        m_kept.erase(it);
        statement->describeAs(what);
        return statement;
    }
    return std::make_unique<Statement>(m_db, sql, what);
}

void Connection::keep(const std::string& sql, std::unique_ptr<Statement> statement)
{
    if (!statement)
        return;
    // Reset, it holds no read transaction: run again, it reads the file as it is then.
    sqlite3_reset(statement->get());
    sqlite3_clear_bindings(statement->get());
    for (auto it = m_kept.begin(); it != m_kept.end(); ++it)
        if (it->first == sql) {
            m_kept.erase(it);
            break;
        }
    m_kept.emplace_front(sql, std::move(statement));
    if (m_kept.size() > kKeptStatements)
        m_kept.pop_back();
}

std::uint64_t Connection::stamp()
{
    // Writes by another connection (another process) are noticed through the
    // data version, read at most every few milliseconds so that a walk does not
    // pay for it on every row. A version that cannot be read (another program
    // holds the file past the wait budget) fails the caller, and is read again
    // at the next stamp.
    const auto now = std::chrono::steady_clock::now();
    if (m_dataVersion < 0 || m_versionCheckDue || now - m_lastVersionCheck > std::chrono::milliseconds(20)) {
        const long long version = dataVersion();
        m_lastVersionCheck = now;
        m_versionCheckDue = false;
        if (m_dataVersion >= 0 && version != m_dataVersion)
            m_anyTableWritten = ++m_generation;
        m_dataVersion = version;
    }
    return m_generation;
}

void Connection::fail(int rc, const std::string& what) const
{
    throw writeFailure(m_db, rc, m_path, what);
}

long long Connection::execute(const std::string& sql, const std::vector<Value>& params, const std::string& what,
                              bool isWrite)
{
    if (isWrite && m_readOnly)
        throw DaoError(DaoError::Code::ReadOnly,
                       "ファイル「" + m_path + "」は読むためだけに開かれているため、"
                           + (what.empty() ? std::string() : "「" + what + "」に") + "書き込めません。");
    if (isWrite)
        DBEngine::instance().countWrite(m_path, what);
    const ReusedStatement statement(*this, sql, what);
    for (size_t i = 0; i < params.size(); ++i)
        statement->bind(static_cast<int>(i + 1), params[i]);
    if (isWrite)
        noteWrite();
    const long long rowsSeenBefore = m_rowsSeenWritten;
    const long long totalChangesBefore = sqlite3_total_changes64(m_db);
    int rc;
    while ((rc = sqlite3_step(statement->get())) == SQLITE_ROW) {}
    // Rows the engine changed without saying in which table (a whole table
    // emptied at once) could be any table's.
    if (m_rowsSeenWritten - rowsSeenBefore < sqlite3_total_changes64(m_db) - totalChangesBefore)
        m_anyTableWritten = ++m_generation;
    if (rc != SQLITE_DONE)
        fail(rc, what);
    noteWrite();
    return sqlite3_changes64(m_db);
}

void Connection::begin()
{
    std::string sql = "SAVEPOINT dao_level" + std::to_string(m_depth);
    if (m_depth == 0)
        sql = m_readOnly ? "BEGIN" : "BEGIN IMMEDIATE";
    const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc, "");
    ++m_depth;
    // Another program may have committed while this one waited for the lock.
    if (m_depth == 1)
        m_versionCheckDue = true;
}

void Connection::commit()
{
    if (m_depth == 0)
        return;
    const std::string sql = m_depth == 1 ? "COMMIT" : "RELEASE dao_level" + std::to_string(m_depth - 1);
    if (m_depth == 1)
        DBEngine::instance().countCommit(m_path);
    const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
    noteWrite();
    if (rc != SQLITE_OK) {
        // A commit that failed may have undone what was written.
        m_anyTableWritten = m_generation;
        fail(rc, "");
    }
    --m_depth;
}

void Connection::rollback()
{
    if (m_depth == 0)
        return;
    int rc;
    if (m_depth == 1) {
        rc = sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
        const std::string name = "dao_level" + std::to_string(m_depth - 1);
        rc = sqlite3_exec(m_db, ("ROLLBACK TO " + name + "; RELEASE " + name).c_str(), nullptr, nullptr, nullptr);
    }
    // What was undone the engine does not report, table by table.
    noteWrite();
    m_anyTableWritten = m_generation;
    --m_depth;
    // A failed ROLLBACK of the outer level (the transaction was already undone by
    // SQLite after an I/O error) leaves nothing to undo.
    if (rc != SQLITE_OK && sqlite3_get_autocommit(m_db) == 0)
        fail(rc, "");
}

}  // namespace dao
