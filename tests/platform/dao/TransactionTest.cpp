// Transactions on the workspace, and failed writes leaving nothing half-written.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "platform/dao/Transaction.h"

#include <gtest/gtest.h>

using namespace dao;
using namespace daotest;

namespace {

class TransactionTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Workspace> workspace = DBEngine::instance().Workspaces(0);
    std::shared_ptr<Database> db = workspace->OpenDatabase(path);
    void TearDown() override
    {
        DBEngine::instance().clearFailurePlan();
        while (workspace->inTransaction())
            workspace->Rollback();
    }

    // One voucher of `rows` rows, added through the journal query.
    void addVoucher(Recordset& rs, const std::string& number, int rows)
    {
        for (int i = 1; i <= rows; ++i) {
            rs.AddNew();
            rs.set("日付", "2024/5/1");
            rs.set("伝票番号", number);
            rs.set("追番", i);
            rs.set("入金", 100 * i);
            rs.Update();
        }
    }
    long long journalRows() { return rawCount(path, "SELECT count(*) FROM 仕訳台帳"); }
};

}  // namespace

TEST_F(TransactionTest, CommitKeepsAndRollbackUndoesEveryDatabaseOfTheWorkspace)
{
    TempDir otherDir;
    const std::string otherPath = makePeriodFile(otherDir, "次期.mdb");
    auto other = workspace->OpenDatabase(otherPath);
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    workspace->BeginTrans();
    addVoucher(*rs, "100", 3);
    other->Execute("DELETE FROM 仕訳台帳");
    workspace->Rollback();
    EXPECT_EQ(journalRows(), 4);
    EXPECT_EQ(rawCount(otherPath, "SELECT count(*) FROM 仕訳台帳"), 4);
    // The recordset does not show rolled-back rows as present.
    rs->setBookmark(Bookmark{1});
    EXPECT_THROW(rs->setBookmark(Bookmark{4}), DaoError);

    workspace->BeginTrans();
    addVoucher(*rs, "101", 2);
    workspace->CommitTrans();
    EXPECT_EQ(journalRows(), 6);
}

TEST_F(TransactionTest, FailedWriteInsideTransactionLeavesNothingHalfWritten)
{
    const FailurePlan::Kind kinds[] = {FailurePlan::Kind::WriteFails, FailurePlan::Kind::DiskFull};
    for (auto kind : kinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        auto rs = db->OpenRecordset("Q_仕訳台帳");
        DBEngine::instance().setFailurePlan({kind, 3, false});
        workspace->BeginTrans();
        try {
            addVoucher(*rs, "200", 4);
            FAIL() << "no failure";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.code(),
                      kind == FailurePlan::Kind::DiskFull ? DaoError::Code::DiskFull : DaoError::Code::WriteFailed);
            EXPECT_NE(std::string(e.what()).find("ファイル「" + path + "」の「仕訳台帳」に書き込めませんでした"),
                      std::string::npos)
                << e.what();
            EXPECT_EQ(rs->editMode(), EditState::AddNew);  // the buffer stays for CancelUpdate
            rs->CancelUpdate();
            workspace->Rollback();
        }
        DBEngine::instance().clearFailurePlan();
        EXPECT_EQ(journalRows(), 4);
        EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 伝票番号 = '200'"), 0);
    }
}

TEST_F(TransactionTest, AFailedCommitIsRolledBackAndLeavesNoTransactionOpen)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    DBEngine::instance().setFailurePlan({FailurePlan::Kind::CommitFails, 1, false});
    EXPECT_THROW(RunInTransaction(*workspace, [&] { addVoucher(*rs, "300", 2); }, {rs.get()}), DaoError);
    DBEngine::instance().clearFailurePlan();
    EXPECT_FALSE(workspace->inTransaction());
    EXPECT_EQ(journalRows(), 4);

    // The next piece of work is committed on its own, not swallowed by a transaction left open.
    RunInTransaction(*workspace, [&] { addVoucher(*rs, "301", 1); }, {rs.get()});
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 伝票番号 = '301'"), 1);
    EXPECT_EQ(journalRows(), 5);
}

TEST_F(TransactionTest, EveryWriteAfterTheFailurePointFails)
{
    DBEngine::instance().setFailurePlan({FailurePlan::Kind::WriteFails, 1, true});
    EXPECT_THROW(db->Execute("DELETE FROM 仕訳台帳"), DaoError);
    EXPECT_THROW(db->Execute("DELETE FROM 仕訳台帳 WHERE 追番 = ?", {Value(1)}), DaoError);
    DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(db->Execute("DELETE FROM 仕訳台帳 WHERE 追番 = ?", {Value(2)}), 1);
    EXPECT_EQ(journalRows(), 3);
}

TEST_F(TransactionTest, ExecuteBindsParametersNeverSplicesThem)
{
    const std::string name = "x'); DROP TABLE 仕訳台帳; --";
    EXPECT_EQ(db->Execute("UPDATE 仕訳台帳 SET 取引先 = ? WHERE 伝票番号 = ?", {Value(name), Value("002")}), 1);
    EXPECT_EQ(rawText(path, "SELECT 取引先 FROM 仕訳台帳 WHERE 伝票番号 = '002'"), name);
    EXPECT_EQ(journalRows(), 4);
}

TEST_F(TransactionTest, InnerRollbackUndoesOnlyTheInnerLevel)
{
    auto rs = db->OpenRecordset("Q_仕訳台帳");
    workspace->BeginTrans();
    addVoucher(*rs, "300", 1);
    workspace->BeginTrans();
    addVoucher(*rs, "301", 2);
    workspace->Rollback();
    workspace->CommitTrans();
    EXPECT_FALSE(workspace->inTransaction());
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 伝票番号 = '300'"), 1);
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 伝票番号 = '301'"), 0);
    EXPECT_THROW(workspace->CommitTrans(), DaoError);
}
