// The period-file tool's hold on SQLite gives everything back when it goes out
// of scope, also when a failure leaves early: an unfinished transaction is
// rolled back and its lock released, a failed statement says why, and a file
// whose making failed is removed with nothing left open on it.

#include "TempDir.h"

#include "periodfile/PeriodFileCreator.h"
#include "periodfile/Sqlite.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

namespace periodfile::testing {
namespace {

long long countOf(const std::string& path, const std::string& sql)
{
    sqlite::Connection db(path, SQLITE_OPEN_READONLY);
    sqlite::Statement st(db.get(), sql);
    return st.step() ? sqlite3_column_int64(st.get(), 0) : -1;
}

TEST(SqliteHold, AnUnfinishedTransactionIsRolledBackAndItsLockReleased)
{
    TempDir dir;
    const std::string path = dir.file("a.db");
    {
        sqlite::Connection db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        db.exec("CREATE TABLE t (x)");
    }
    try {
        sqlite::Connection db(path, SQLITE_OPEN_READWRITE);
        sqlite::Transaction transaction(db.get());
        db.exec("INSERT INTO t VALUES (1)");
        sqlite::Statement(db.get(), "INSERT INTO nowhere VALUES (2)").run();
        transaction.commit();
        FAIL() << "no failure";
    } catch (const std::runtime_error& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("no such table: nowhere"), std::string::npos) << message;
        EXPECT_NE(message.find("INSERT INTO nowhere"), std::string::npos) << message;
    }
    EXPECT_EQ(countOf(path, "SELECT count(*) FROM t"), 0);
    // Nobody holds the file any more: a write takes the lock at once.
    sqlite::Connection other(path, SQLITE_OPEN_READWRITE);
    sqlite::Transaction transaction(other.get());
    other.exec("INSERT INTO t VALUES (3)");
    transaction.commit();
    EXPECT_EQ(countOf(path, "SELECT count(*) FROM t"), 1);
}

// A double-quoted name that names no column is an error naming it, never a
// text (the tool's statements and the saved queries it writes use quotes for
// names alone).
TEST(SqliteHold, ADoubleQuotedNameThatNamesNoColumnIsAnError)
{
    TempDir dir;
    const std::string path = dir.file("a.db");
    sqlite::Connection db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db.exec("CREATE TABLE t (x)");
    for (const char* sql : {"SELECT \"y\" FROM t", "CREATE TABLE u (x CHECK (x <> \"y\"))"}) {
        try {
            db.exec(sql);
            ADD_FAILURE() << "ran: " << sql;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("no such column: y"), std::string::npos) << e.what();
        }
    }
}

TEST(SqliteHold, AFileThatCannotBeOpenedSaysWhy)
{
    TempDir dir;
    try {
        sqlite::Connection db(dir.file("無いフォルダ/a.db"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        FAIL() << "opened";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("unable to open"), std::string::npos) << e.what();
    }
}

// A period file whose making fails halfway (here the folder is a file) leaves
// no file behind and says so, naming the file.
TEST(SqliteHold, AFailedPeriodFileLeavesNothingBehind)
{
    TempDir dir;
    std::ofstream(dir.file("ふさがった")) << "x";
    const std::string path = dir.file("ふさがった/会社第1期.mdb");
    try {
        createPeriodFile(path, {"会社", 1, "2024-04-01"});
        FAIL() << "made";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("期ファイル「" + path + "」を作れませんでした：", 0), 0u) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace periodfile::testing
