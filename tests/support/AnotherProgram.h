#pragma once
// Another program on the same period file: an SQLite connection of its own,
// outside this program's database layer. It can hold the file (a write
// transaction, or an exclusive lock that keeps readers out too) and let it go,
// or commit what it wrote, a while later from a thread of its own, while this
// program is waiting for the lock.

#include <sqlite3.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace testsupport {

class AnotherProgram {
public:
    explicit AnotherProgram(const std::string& path)
    {
        if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path);
    }
    ~AnotherProgram()
    {
        if (m_later.joinable())
            m_later.join();
        sqlite3_close_v2(m_db);  // rolls back what it still holds
    }
    AnotherProgram(const AnotherProgram&) = delete;
    AnotherProgram& operator=(const AnotherProgram&) = delete;

    void exec(const std::string& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "?";
            sqlite3_free(error);
            throw std::runtime_error(message + " in " + sql);
        }
    }

    // Runs `sql` (for example "COMMIT") `after` from now, on a thread of its own.
    void execLater(std::chrono::milliseconds after, const std::string& sql)
    {
        if (m_later.joinable())
            m_later.join();
        m_later = std::thread([this, after, sql] {
            std::this_thread::sleep_for(after);
            sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr);
        });
    }

    // Waits until what execLater runs is done.
    void finish()
    {
        if (m_later.joinable())
            m_later.join();
    }

private:
    sqlite3* m_db = nullptr;
    std::thread m_later;
};

}  // namespace testsupport
