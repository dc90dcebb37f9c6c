#pragma once
// How long the program may stand still waiting for a lock that another program
// holds on a period file. One operation (what one click or key asks for, or a
// run such as the rollover: an Operation scope) waits for such locks no longer
// than the budget in all, however many statements it runs; once the budget is
// spent, every further wait of the operation gives up at once and its
// statement fails with DaoError(Busy), which says that the file is in use.
// Outside an operation, each statement that has to wait gets the whole budget.

#include <chrono>

struct sqlite3;

namespace dao {

class WaitBudget {
public:
    static WaitBudget& instance();

    static constexpr std::chrono::milliseconds kDefaultBudget{5000};

    void setBudget(std::chrono::milliseconds budget);
    std::chrono::milliseconds budget() const { return m_budget; }

    // One wait of SQLite's busy handler: `attempt` counts the handler's calls
    // for one blocked lock (0 the first time); `ownCap`, when not null, is the
    // longest a connection opened with a wait of its own may wait for one lock.
    // Returns false when the wait is over: the lock is given up.
    bool waitOnce(int attempt, const std::chrono::milliseconds* ownCap);

    // Used by Operation.
    void beginOperation();
    void endOperation();

private:
    WaitBudget() = default;
    std::chrono::milliseconds m_budget = kDefaultBudget;
    int m_depth = 0;
    std::chrono::steady_clock::duration m_waited{};      // in the operation (or the statement, outside one)
    std::chrono::steady_clock::duration m_lockWaited{};  // for the lock now being waited for
};

// One operation: its waits share the budget. Scopes nest; the outermost one
// counts, and the next operation starts with the whole budget again.
class Operation {
public:
    Operation() { WaitBudget::instance().beginOperation(); }
    ~Operation() { WaitBudget::instance().endOperation(); }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;
};

// Makes `db` wait for another program's locks within the budget; `ownCap`
// (kept alive by the caller as long as `db` is open) limits each of its waits
// further. For the layer's own connections and for raw connections opened
// beside it (a backup's).
void WaitWithinBudget(sqlite3* db, const std::chrono::milliseconds* ownCap = nullptr);

}  // namespace dao
