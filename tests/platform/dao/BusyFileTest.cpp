// Two writers on one file: a write transaction takes the write lock when it
// starts, so it waits for another program's write to finish instead of failing
// at its first write; when the wait runs out (or a reader holds up the commit)
// the user is told that another program is using the file and may try again,
// and nothing is written.
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "platform/dao/Transaction.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace dao;
using namespace daotest;

namespace {

class BusyFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = makePeriodFile(dir);
    std::shared_ptr<Workspace> workspace = DBEngine::instance().Workspaces(0);
    std::shared_ptr<Database> db = workspace->OpenDatabase(path);

    void SetUp() override { DBEngine::instance().setBusyWait(std::chrono::milliseconds(300)); }
    void TearDown() override
    {
        DBEngine::instance().setBusyWait(DBEngine::kDefaultBusyWait);
        while (workspace->inTransaction())
            workspace->Rollback();
    }

    // What registering a voucher does: look the number up, then add its row.
    void registerVoucher(const std::string& number)
    {
        auto rs = db->OpenRecordset("Q_仕訳台帳");
        rs->FindFirst("伝票番号 = " + criteriaLiteral(number));
        ASSERT_TRUE(rs->NoMatch());
        rs->AddNew();
        rs->set("日付", "2024/5/1");
        rs->set("伝票番号", number);
        rs->set("追番", 1);
        rs->Update();
    }

    static void expectInUse(const DaoError& e, const std::string& path)
    {
        const std::string message = e.what();
        EXPECT_EQ(e.code(), DaoError::Code::Busy) << message;
        EXPECT_NE(message.find("ファイル「" + path + "」は他のプログラムが使用中のため"), std::string::npos) << message;
        EXPECT_NE(message.find("ファイルの内容は変わっていません"), std::string::npos) << message;
        EXPECT_NE(message.find("もう一度やり直してください"), std::string::npos) << message;
        EXPECT_EQ(message.find("locked"), std::string::npos) << message;
    }
};

}  // namespace

TEST_F(BusyFile, AWriteWaitsForAnotherProgramsWriteToFinish)
{
    DBEngine::instance().setBusyWait(std::chrono::seconds(10));
    OtherProgram other(path);
    other.exec("BEGIN IMMEDIATE; INSERT INTO 仕訳台帳 (伝票番号, 追番) VALUES ('他', 1)");
    std::thread finisher([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        other.exec("COMMIT");
    });
    try {
        RunInTransaction(*workspace, [&] { registerVoucher("100"); });
    } catch (const DaoError& e) {
        ADD_FAILURE() << e.what();
    }
    finisher.join();
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 伝票番号 IN ('他', '100')"), 2);
}

TEST_F(BusyFile, AWriteThatWaitsInVainSaysTheFileIsInUseAndWritesNothing)
{
    {
        OtherProgram other(path);
        other.exec("BEGIN IMMEDIATE; INSERT INTO 仕訳台帳 (伝票番号, 追番) VALUES ('他', 1)");
        try {
            RunInTransaction(*workspace, [&] { registerVoucher("100"); });
            FAIL() << "written while another program was writing";
        } catch (const DaoError& e) {
            expectInUse(e, path);
        }
        EXPECT_FALSE(workspace->inTransaction());
        try {
            db->Execute("UPDATE 会計設定 SET 事業所名 = '変更'");  // a write of its own, without a transaction
            FAIL() << "written while another program was writing";
        } catch (const DaoError& e) {
            expectInUse(e, path);
        }
        other.exec("ROLLBACK");
    }
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳"), 4);
    EXPECT_EQ(rawText(path, "SELECT 事業所名 FROM 会計設定"), "ベルモラ商事");
    // Tried again once the other program is done: written.
    RunInTransaction(*workspace, [&] { registerVoucher("100"); });
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 伝票番号 = '100'"), 1);
}

// A reader in the middle of its reading keeps the commit from finishing; when
// it reads on past the wait, the commit says the file is in use (not an
// internal name) and the work is undone.
TEST_F(BusyFile, ACommitHeldUpByAReaderSaysTheFileIsInUseAndIsUndone)
{
    OtherProgram reader(path);
    reader.exec("BEGIN; SELECT count(*) FROM 仕訳台帳");
    try {
        RunInTransaction(*workspace, [&] { registerVoucher("100"); });
        FAIL() << "committed while another program was reading";
    } catch (const DaoError& e) {
        expectInUse(e, path);
        EXPECT_EQ(std::string(e.what()).find("CommitTrans"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(workspace->inTransaction());
    reader.exec("COMMIT");
    EXPECT_EQ(rawCount(path, "SELECT count(*) FROM 仕訳台帳 WHERE 伝票番号 = '100'"), 0);
}
