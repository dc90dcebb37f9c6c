// A copy or a setting of the new file that fails before the rollover writes
// anything: the rollover says which file could not be written, and leaves the
// data folder as it was (no next period's file, no scratch copy) and the
// closed period's file unchanged.

#include "closing/Rollover.h"

#include "RolloverFixture.h"
#include "support/CaseName.h"
#include "support/TempPeriodFile.h"

#include "platform/dao/Engine.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace closing;
using closing::testing::FilesIn;
using closing::testing::Sha256Of;

namespace {

struct SetupCase {
    const char* name;
    int failingStep;  // 1: the copy; then the new file's settings in the order they are made (the
                      // memory map, step 6, is a speed-up that the engine may grant or not)
};
void PrintTo(const SetupCase& c, std::ostream* os)
{
    *os << c.name;
}

class RolloverSetupFailure : public ::testing::TestWithParam<SetupCase> {
protected:
    void TearDown() override { dao::DBEngine::instance().clearFailurePlan(); }

    testsupport::TempPeriodFile file{"乙商事", 5, "2026-04-01"};
    std::string target = (file.dir() / "乙商事第6期.mdb").string();
    RolloverFiles files{file.path(), "乙商事第6期.mdb", target, 5};
};

TEST_P(RolloverSetupFailure, IsReportedAndLeavesNothingMade)
{
    const std::string digest = Sha256Of(file.path());
    const auto before = FilesIn(file.dir());
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::SetupFails, GetParam().failingStep, false});
    const RolloverOutcome outcome = RollOverPeriodFile(files, [](const std::string&) { return true; });
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_FALSE(outcome.done);
    EXPECT_FALSE(outcome.declined);
    EXPECT_EQ(outcome.failure,
              "年次更新を中止しました。次期のファイル「" + target
                  + "」を書き込めませんでした：ディスクの読み書きでエラーが起きました。\n今のファイル「" + file.path()
                  + "」は変わっていません。次期のファイルは作っていません。");
    EXPECT_EQ(FilesIn(file.dir()), before);
    EXPECT_EQ(Sha256Of(file.path()), digest);
}

INSTANTIATE_TEST_SUITE_P(Rollover, RolloverSetupFailure,
                         ::testing::Values(SetupCase{"copy", 1}, SetupCase{"no rollback journal", 2},
                                           SetupCase{"no waits for the disk", 3},
                                           SetupCase{"temporary tables in memory", 4}, SetupCase{"page cache", 5},
                                           SetupCase{"locked to one connection", 7}),
                         testsupport::kCaseName);

// With no failure the same file rolls over: the cases above fail for the
// step they name, not for the file.
TEST(RolloverSetup, TheSameFileRollsOverWithoutAFailure)
{
    testsupport::TempPeriodFile file{"乙商事", 5, "2026-04-01"};
    const std::string target = (file.dir() / "乙商事第6期.mdb").string();
    const RolloverOutcome outcome =
        RollOverPeriodFile({file.path(), "乙商事第6期.mdb", target, 5}, [](const std::string&) { return true; });
    EXPECT_TRUE(outcome.done) << outcome.failure;
    EXPECT_EQ(FilesIn(file.dir()).size(), 2u);
}

}  // namespace
