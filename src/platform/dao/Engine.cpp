#include "Engine.h"

#include "Connection.h"
#include "WaitBudget.h"

#include <set>

namespace dao {

DBEngine& DBEngine::instance()
{
    static DBEngine engine;
    return engine;
}

std::shared_ptr<Workspace> DBEngine::Workspaces(int index)
{
    if (index != 0)
        throw DaoError(DaoError::Code::General, "ワークスペース " + std::to_string(index) + " はありません");
    if (!m_workspace)
        m_workspace = std::make_shared<Workspace>();
    return m_workspace;
}

void DBEngine::setFailurePlan(const FailurePlan& plan)
{
    m_plan = plan;
    m_writesSincePlan = 0;
}

void DBEngine::clearFailurePlan()
{
    setFailurePlan(FailurePlan{});
}

void DBEngine::setBusyWait(std::chrono::milliseconds wait)
{
    WaitBudget::instance().setBudget(wait);
}

std::chrono::milliseconds DBEngine::busyWait() const
{
    return WaitBudget::instance().budget();
}

void DBEngine::countWrite(const std::string& path, const std::string& what)
{
    if (m_plan.kind != FailurePlan::Kind::WriteFails && m_plan.kind != FailurePlan::Kind::DiskFull)
        return;
    ++m_writesSincePlan;
    const bool fails =
        m_writesSincePlan == m_plan.failOnWrite || (m_plan.everyWriteAfter && m_writesSincePlan > m_plan.failOnWrite);
    if (!fails)
        return;
    const std::string target = "ファイル「" + path + "」" + (what.empty() ? std::string() : "の「" + what + "」");
    if (m_plan.kind == FailurePlan::Kind::DiskFull)
        throw DaoError(DaoError::Code::DiskFull, "ディスクがいっぱいのため、" + target + "に書き込めませんでした。");
    throw DaoError(DaoError::Code::WriteFailed,
                   "ディスクの読み書きでエラーが起きたため、" + target + "に書き込めませんでした。");
}

bool DBEngine::setupStepFails()
{
    if (m_plan.kind != FailurePlan::Kind::SetupFails)
        return false;
    ++m_writesSincePlan;
    return m_writesSincePlan == m_plan.failOnWrite
        || (m_plan.everyWriteAfter && m_writesSincePlan > m_plan.failOnWrite);
}

void DBEngine::countCommit(const std::string& path)
{
    if (m_plan.kind != FailurePlan::Kind::CommitFails)
        return;
    ++m_writesSincePlan;
    const bool fails =
        m_writesSincePlan == m_plan.failOnWrite || (m_plan.everyWriteAfter && m_writesSincePlan > m_plan.failOnWrite);
    if (fails)
        throw DaoError(DaoError::Code::WriteFailed,
                       "ディスクの読み書きでエラーが起きたため、ファイル「" + path
                           + "」への変更を保存できませんでした。");
}

// ---- Workspace -----------------------------------------------------------------

std::shared_ptr<Database> Workspace::OpenDatabase(const std::string& path, bool readOnly)
{
    auto db = std::make_shared<Database>(Connection::open(path, readOnly), readOnly);
    registerDatabase(db);
    return db;
}

std::shared_ptr<Database> Workspace::OpenDatabase(const std::string& path, bool readOnly,
                                                  std::chrono::milliseconds ownWait)
{
    auto db = std::make_shared<Database>(Connection::open(path, readOnly, ownWait), readOnly);
    registerDatabase(db);
    return db;
}

void Workspace::registerDatabase(const std::shared_ptr<Database>& db)
{
    std::erase_if(m_databases, [](const std::weak_ptr<Database>& w) { return w.expired(); });
    m_databases.push_back(db);
    // A database opened inside a transaction joins it.
    auto connection = db->connection();
    while (connection && connection->transactionDepth() < m_depth)
        connection->begin();
}

namespace {
std::vector<std::shared_ptr<Connection>> connectionsOf(const std::vector<std::weak_ptr<Database>>& databases)
{
    std::vector<std::shared_ptr<Connection>> result;
    std::set<Connection*> seen;
    for (const auto& weak : databases) {
        auto db = weak.lock();
        if (!db || !db->connection())
            continue;
        if (seen.insert(db->connection().get()).second)
            result.push_back(db->connection());
    }
    return result;
}
}  // namespace

void Workspace::BeginTrans()
{
    auto connections = connectionsOf(m_databases);
    for (size_t i = 0; i < connections.size(); ++i) {
        try {
            if (connections[i]->transactionDepth() <= m_depth)
                connections[i]->begin();
        } catch (...) {
            for (size_t j = 0; j < i; ++j)
                connections[j]->rollback();
            throw;
        }
    }
    ++m_depth;
}

void Workspace::CommitTrans()
{
    if (m_depth == 0)
        throw DaoError(DaoError::Code::General, "保存する変更がありません（変更のまとまりが始まっていません）。");
    for (auto& connection : connectionsOf(m_databases))
        if (connection->transactionDepth() >= m_depth)
            connection->commit();
    --m_depth;
}

void Workspace::Rollback()
{
    if (m_depth == 0)
        throw DaoError(DaoError::Code::General, "取り消す変更がありません（変更のまとまりが始まっていません）。");
    std::exception_ptr first;
    for (auto& connection : connectionsOf(m_databases)) {
        try {
            if (connection->transactionDepth() >= m_depth)
                connection->rollback();
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    --m_depth;
    if (first)
        std::rethrow_exception(first);
}

void Workspace::Close()
{
    if (m_depth > 0) {
        try {
            while (m_depth > 0)
                Rollback();
        } catch (...) {
            m_depth = 0;
        }
    }
    m_databases.clear();
}

}  // namespace dao
