// Another program holding a period file: every wait of one operation for its
// lock comes out of one budget, so the operation ends, saying that the file is
// in use, once the budget is spent, however many statements it runs; the next
// operation has the whole budget again. A freshness check that cannot read the
// file fails its caller instead of waiting on every row and taking old rows for
// fresh, and a transaction sees what the other program committed before it got
// the lock.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "platform/dao/WaitBudget.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

using namespace dao;
using namespace daotest;

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kBudget{400};

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class WaitBudgetTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Workspace> workspace = DBEngine::instance().Workspaces(0);
    std::shared_ptr<Database> db = workspace->OpenDatabase(path);

    void SetUp() override { DBEngine::instance().setBusyWait(kBudget); }
    void TearDown() override
    {
        DBEngine::instance().setBusyWait(DBEngine::kDefaultBusyWait);
        while (workspace->inTransaction())
            workspace->Rollback();
    }

    // Runs `statement`, which must fail because the file is in use.
    static void expectInUse(const std::function<void()>& statement)
    {
        try {
            statement();
            ADD_FAILURE() << "done while another program held the file";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(), DaoError::Code::Busy) << e.what();
            EXPECT_NE(std::string(e.what()).find("他のプログラムが使用中"), std::string::npos) << e.what();
        }
    }

    void readSettings() { db->OpenRecordset("会計設定"); }
};

// Five seconds in all, not five seconds for each statement.
TEST_F(WaitBudgetTest, TheDefaultBudgetIsFiveSecondsForTheWholeOperation)
{
    DBEngine::instance().setBusyWait(DBEngine::kDefaultBusyWait);
    OtherProgram other(path);
    other.exec("BEGIN EXCLUSIVE");
    const Clock::time_point start = Clock::now();
    {
        const Operation operation;
        for (int i = 0; i < 3; ++i)
            expectInUse([&] { readSettings(); });
    }
    const double waited = secondsSince(start);
    EXPECT_GE(waited, 4.9);
    EXPECT_LT(waited, 6.0);
}

struct BlockedStatementCase {
    const char* name;
    std::function<void(Workspace&, Database&)> run;
};

void PrintTo(const BlockedStatementCase& c, std::ostream* os)
{
    *os << c.name;
}

class BlockedStatementTest : public WaitBudgetTest, public ::testing::WithParamInterface<BlockedStatementCase> {};

TEST_P(BlockedStatementTest, FiveOfThemInOneOperationWaitNoLongerThanTheBudget)
{
    OtherProgram other(path);
    other.exec("BEGIN EXCLUSIVE");
    const Clock::time_point start = Clock::now();
    {
        const Operation operation;
        for (int i = 0; i < 5; ++i)
            expectInUse([&] { GetParam().run(*workspace, *db); });
    }
    const double waited = secondsSince(start);
    EXPECT_GE(waited, 0.9 * 0.4);
    EXPECT_LT(waited, 1.6 * 0.4) << "each statement waited on its own";
    EXPECT_FALSE(workspace->inTransaction());
    other.exec("ROLLBACK");
    EXPECT_EQ(rawText(path, "SELECT 事業所名 FROM 会計設定"), "ベルモラ商事");
}

INSTANTIATE_TEST_SUITE_P(
    Statements, BlockedStatementTest,
    ::testing::Values(BlockedStatementCase{"Read", [](Workspace&, Database& d) { d.OpenRecordset("会計設定"); }},
                      BlockedStatementCase{
                          "Write", [](Workspace&, Database& d) { d.Execute("UPDATE 会計設定 SET 事業所名 = '変更'"); }},
                      BlockedStatementCase{"Transaction", [](Workspace& w, Database&) { w.BeginTrans(); }}),
    testsupport::kCaseName);

// A wait that ends in time leaves only the rest of the budget to the
// operation's later waits.
TEST_F(WaitBudgetTest, AWaitThatEndsInTimeLeavesTheRestOfTheBudget)
{
    DBEngine::instance().setBusyWait(std::chrono::milliseconds(600));
    OtherProgram other(path);
    other.exec("BEGIN EXCLUSIVE");
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        other.exec("ROLLBACK");
    });
    const Operation operation;
    Clock::time_point start = Clock::now();
    EXPECT_NO_THROW(readSettings());
    release.join();
    EXPECT_GE(secondsSince(start), 0.35);

    other.exec("BEGIN EXCLUSIVE");
    start = Clock::now();
    expectInUse([&] { db->Execute("UPDATE 会計設定 SET 事業所名 = '変更'"); });
    EXPECT_LT(secondsSince(start), 0.35) << "the second wait had the whole budget again";
    other.exec("ROLLBACK");
}

TEST_F(WaitBudgetTest, TheNextOperationHasTheWholeBudgetAgain)
{
    OtherProgram other(path);
    other.exec("BEGIN EXCLUSIVE");
    {
        const Operation operation;
        expectInUse([&] { readSettings(); });
        expectInUse([&] { readSettings(); });
    }
    const Operation next;
    const Clock::time_point start = Clock::now();
    expectInUse([&] { readSettings(); });
    EXPECT_GE(secondsSince(start), 0.9 * 0.4);
    other.exec("ROLLBACK");
    EXPECT_NO_THROW(readSettings());
}

// Rows read before another program held the file are not passed off as fresh
// when the file cannot be checked: the walk says the file is in use.
TEST_F(WaitBudgetTest, AWalkThatCannotCheckTheFileSaysItIsInUse)
{
    auto journal = db->OpenRecordset("Q_仕訳台帳");
    ASSERT_EQ(journal->RecordCount(), 4);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the last check is old now
    OtherProgram other(path);
    other.exec("BEGIN EXCLUSIVE");
    const Clock::time_point start = Clock::now();
    expectInUse([&] {
        for (journal->MoveFirst(); !journal->EOF_(); journal->MoveNext())
            journal->get("摘要");
    });
    EXPECT_LT(secondsSince(start), 1.6 * 0.4);
    other.exec("ROLLBACK");
    journal->MoveFirst();
    EXPECT_EQ(journal->get("摘要").toText(), "売上");
}

// What another program committed just before this one got the lock is what a
// check inside the transaction sees, also through a recordset opened before.
TEST_F(WaitBudgetTest, ATransactionSeesWhatAnotherProgramCommittedJustBefore)
{
    auto accounts = db->OpenRecordset("Q_勘定科目コード表");
    accounts->MoveFirst();
    ASSERT_EQ(accounts->get("勘定科目名").toText(), "現金");
    OtherProgram other(path);
    other.exec("UPDATE 勘定科目コード表 SET 勘定科目名 = '小口現金' WHERE 勘定科目コード = '100'");
    workspace->BeginTrans();
    accounts->MoveFirst();
    EXPECT_EQ(accounts->get("勘定科目名").toText(), "小口現金");
    workspace->Rollback();
}

}  // namespace
