#include "WaitBudget.h"

#include <sqlite3.h>

#include <algorithm>
#include <thread>

namespace dao {

namespace {

// The pauses between tries, growing as SQLite's own busy timeout does.
constexpr std::chrono::milliseconds kPauses[] = {
    std::chrono::milliseconds(1),  std::chrono::milliseconds(2),  std::chrono::milliseconds(5),
    std::chrono::milliseconds(10), std::chrono::milliseconds(15), std::chrono::milliseconds(20),
    std::chrono::milliseconds(25), std::chrono::milliseconds(25), std::chrono::milliseconds(25),
    std::chrono::milliseconds(50), std::chrono::milliseconds(50), std::chrono::milliseconds(100)};
constexpr int kPauseCount = static_cast<int>(std::size(kPauses));

int busyHandler(void* ownCap, int attempt)
{
    return WaitBudget::instance().waitOnce(attempt, static_cast<const std::chrono::milliseconds*>(ownCap)) ? 1 : 0;
}

}  // namespace

WaitBudget& WaitBudget::instance()
{
    static WaitBudget budget;
    return budget;
}

void WaitBudget::setBudget(std::chrono::milliseconds budget)
{
    m_budget = std::max(budget, std::chrono::milliseconds(0));
    m_waited = {};
}

void WaitBudget::beginOperation()
{
    if (m_depth++ == 0)
        m_waited = {};
}

void WaitBudget::endOperation()
{
    if (m_depth > 0 && --m_depth == 0)
        m_waited = {};
}

bool WaitBudget::waitOnce(int attempt, const std::chrono::milliseconds* ownCap)
{
    using Clock = std::chrono::steady_clock;
    if (attempt == 0) {
        m_lockWaited = {};
        if (m_depth == 0)
            m_waited = {};
    }
    Clock::duration left = m_budget - m_waited;
    if (ownCap)
        left = std::min(left, Clock::duration(*ownCap) - m_lockWaited);
    if (left <= Clock::duration::zero())
        return false;
    const Clock::duration pause = std::min<Clock::duration>(kPauses[std::min(attempt, kPauseCount - 1)], left);
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(pause);
    const Clock::duration slept = Clock::now() - start;
    m_waited += slept;
    m_lockWaited += slept;
    return true;
}

void WaitWithinBudget(sqlite3* db, const std::chrono::milliseconds* ownCap)
{
    sqlite3_busy_handler(db, busyHandler, const_cast<std::chrono::milliseconds*>(ownCap));
}

}  // namespace dao
