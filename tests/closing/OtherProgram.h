#pragma once
// Another program on the same period file: a connection of its own, outside
// this program's database layer, that writes in a transaction and commits it
// a moment later, while this program's run waits for the write lock.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <string>
#include <thread>

namespace closing::testing {

class OtherProgram {
public:
    explicit OtherProgram(const std::string& path) { EXPECT_EQ(sqlite3_open(path.c_str(), &m_db), SQLITE_OK); }
    ~OtherProgram()
    {
        if (m_committer.joinable())
            m_committer.join();
        sqlite3_close(m_db);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    void exec(const std::string& sql)
    {
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
    }

    // Begins a write transaction, runs `sql` in it and commits it 300 ms later.
    void writeAndCommitLater(const std::string& sql)
    {
        exec("BEGIN IMMEDIATE; " + sql);
        m_committer = std::thread([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            exec("COMMIT");
        });
    }

private:
    sqlite3* m_db = nullptr;
    std::thread m_committer;
};

}  // namespace closing::testing
