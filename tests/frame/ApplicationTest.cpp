// An error thrown by a handler reaches the user as a message, and the program
// goes on.

#include "frame/Application.h"

#include "platform/dao/DaoError.h"
#include "platform/ui/ScriptedDialogs.h"

#include <gtest/gtest.h>

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

}  // namespace
