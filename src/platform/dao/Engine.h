#pragma once
// The database engine: one engine per process, its first workspace, and the
// databases opened through it. Built on SQLite; a period file is an SQLite file.

#include "Database.h"
#include "WaitBudget.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dao {

class Workspace;

// Failures injected into writes, so that tests can prove a failed write leaves
// nothing half-written. Counting starts when the plan is set.
struct FailurePlan {
    // WriteFails and DiskFull count write statements; CommitFails counts commits
    // of an outermost transaction (the commit then fails and the transaction stays open);
    // SetupFails counts the steps that make a file ready before anything is
    // written to it: a copy into it (CopyDatabaseInto) and each setting of a
    // scratch database.
    enum class Kind { None, WriteFails, DiskFull, CommitFails, SetupFails };
    Kind kind = Kind::None;
    int failOnWrite = 0;           // the n-th write statement (1-based) from now fails
    bool everyWriteAfter = false;  // and every one after it
};

class DBEngine {
public:
    static DBEngine& instance();                       // created on first use
    std::shared_ptr<Workspace> Workspaces(int index);  // only index 0 exists

    void setFailurePlan(const FailurePlan& plan);  // tests only
    void clearFailurePlan();

    // How long one operation (WaitBudget.h) waits, in all, for locks that
    // another program holds on the file before it gives up with
    // DaoError(Busy), which says that the file is in use, that nothing was
    // written and that the user may try again. Five seconds by default; tests
    // shorten it. Applies at once to every open file.
    static constexpr std::chrono::milliseconds kDefaultBusyWait = WaitBudget::kDefaultBudget;
    void setBusyWait(std::chrono::milliseconds wait);
    std::chrono::milliseconds busyWait() const;

    // Used by the layer itself: counts a write and throws DaoError when the plan says so.
    void countWrite(const std::string& path, const std::string& what);
    void countCommit(const std::string& path);
    // Counts a step that makes a file ready; true when the plan says it fails.
    bool setupStepFails();
private:
    DBEngine() = default;
    std::shared_ptr<Workspace> m_workspace;
    FailurePlan m_plan;
    int m_writesSincePlan = 0;
};

class Workspace : public std::enable_shared_from_this<Workspace> {
public:
    // Opens the file shared, for reading and writing. Throws DaoError
    // (CannotOpen, NotAPeriodFile) with a clear message; the file is left untouched.
    std::shared_ptr<Database> OpenDatabase(const std::string& path, bool readOnly = false);
    // The same with a wait of its own for another program's lock (a quick look
    // at many files); the handle then has a connection of its own.
    std::shared_ptr<Database> OpenDatabase(const std::string& path, bool readOnly, std::chrono::milliseconds ownWait);
    // A scratch copy: the database at `sourcePath` copied into memory
    // (CopyDatabaseInto), this process's own, to work on and then write whole
    // to a file of its own (Database::WriteCompactedTo); it is thrown away
    // whole on any failure, and `name` (the file it is to be written to) names
    // it in messages about making it; what it holds (a damaged stored value)
    // is said of `sourcePath`. It keeps no rollback journal, never waits for the disk
    // on a commit, keeps temporary tables in memory, and is locked to its one
    // connection. Each setting is checked as the engine reports it back: one
    // that does not hold throws DaoError, and the copy is to be thrown away.
    // (A failure plan's SetupFails leaves a setting unmade, as an engine that
    // refused it would.) Throws CopyFailure when the copy fails.
    std::shared_ptr<Database> OpenScratchCopy(const std::string& sourcePath, const std::string& name);

    // A transaction covers every database opened through this workspace.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    bool inTransaction() const { return m_depth > 0; }

    void Close();  // forgets its databases; handles still held elsewhere stay usable

    // used by Database
    void registerDatabase(const std::shared_ptr<Database>& db);
private:
    std::vector<std::weak_ptr<Database>> m_databases;
    int m_depth = 0;
};

}  // namespace dao
