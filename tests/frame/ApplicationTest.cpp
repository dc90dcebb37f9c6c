// An error thrown by a handler reaches the user as a message, and the program
// goes on.

#include "frame/Application.h"

#include "platform/dao/DaoError.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/AnotherProgram.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>

namespace {

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialogs = &ui::installScriptedDialogs();
        dialogs->setFailureHandler([](const std::string& report) { ADD_FAILURE() << report; });
    }
    void TearDown() override { dialogs->verifyAllAnswered(); }
    ui::ScriptedDialogs* dialogs = nullptr;
};

TEST_F(ApplicationTest, AHandlersErrorIsShownAndTheEventCountsAsHandled)
{
    dialogs->expectMessage(std::string(frame::kActionFailedMessage) + "\nファイル「a.mdb」は他のプログラムが使用中です",
                           ui::Answer::Ok);
    const bool handled = frame::DeliverReportingErrors([]() -> bool {
        throw dao::DaoError(dao::DaoError::Code::General, "ファイル「a.mdb」は他のプログラムが使用中です");
    });
    EXPECT_TRUE(handled);
}

TEST_F(ApplicationTest, AnErrorOfNoKnownKindIsStillShown)
{
    dialogs->expectMessage(std::string(frame::kActionFailedMessage) + "\n原因の分からないエラーが起きました。",
                           ui::Answer::Ok);
    EXPECT_TRUE(frame::DeliverReportingErrors([]() -> bool { throw 42; }));
}

TEST_F(ApplicationTest, AHandlerThatSucceedsSaysNothingAndGivesItsOwnAnswer)
{
    EXPECT_FALSE(frame::DeliverReportingErrors([] { return false; }));
    EXPECT_TRUE(frame::DeliverReportingErrors([] { return true; }));
    EXPECT_TRUE(dialogs->calls().empty());
}

// What one event asks for is one operation: all its waits for a file another
// program holds come out of one budget, so the window stands still no longer
// than that however many statements the handler runs.
TEST_F(ApplicationTest, TheWaitsOfOneEventShareOneBudget)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("会社第1期.mdb").toStdString();
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw, "CREATE TABLE 会計設定(事業所名 TEXT); INSERT INTO 会計設定 VALUES ('テスト商事')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);

    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(path);
    dao::DBEngine::instance().setBusyWait(std::chrono::milliseconds(300));
    double waited = 0;
    {
        testsupport::AnotherProgram other(path);
        other.exec("BEGIN EXCLUSIVE");
        dialogs->expectAnyMessage(ui::Answer::Ok);
        const auto start = std::chrono::steady_clock::now();
        frame::DeliverReportingErrors([&] {
            for (int i = 0; i < 4; ++i) {
                try {
                    db->OpenRecordset("会計設定");
                } catch (const dao::DaoError&) {
                    // a handler that reads on after a failed read
                }
            }
            db->Execute("UPDATE 会計設定 SET 事業所名 = '変更'");
            return true;
        });
        waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    dao::DBEngine::instance().setBusyWait(dao::DBEngine::kDefaultBusyWait);
    EXPECT_LT(waited, 0.3 * 1.6) << "each statement waited on its own";
    ASSERT_FALSE(dialogs->messageTexts().empty());
    EXPECT_NE(dialogs->messageTexts().back().find("他のプログラムが使用中"), std::string::npos);
    db->Close();
}

}  // namespace
