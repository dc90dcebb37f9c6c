// The copy a rollover makes and puts in place: the permissions of a new file,
// the scratch copies a cut-off rollover left behind, what a failed write says,
// and the size of the new file.

#include "closing/ScratchCopy.h"
#include "closing/Rollover.h"

#include "RolloverFixture.h"
#include "support/CaseName.h"
#include "support/TempPeriodFile.h"

#include "platform/dao/Recordset.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <cerrno>
#include <chrono>
#include <filesystem>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace closing;
using closing::testing::FilesIn;
using closing::testing::Sha256Of;

namespace {

constexpr uid_t kOrdinaryUser = 65534;  // nobody

mode_t modeOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// A small period file 甲商事第26期.mdb and the files of its rollover.
class SmallFileRollover : public ::testing::Test {
protected:
    testsupport::TempPeriodFile file{"甲商事", 26, "2026-04-01"};
    std::string target = (file.dir() / "甲商事第27期.mdb").string();
    RolloverFiles files{file.path(), "甲商事第27期.mdb", target, 26};
};

// Runs the rollover as an ordinary user when the tests run as root (whom file
// permissions do not stop), in a child process whose outcome comes back
// through a pipe; as that user directly otherwise.
RolloverOutcome rollOverAsOrdinaryUser(const RolloverFiles& files)
{
    if (::geteuid() != 0)
        return RollOverPeriodFile(files);
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {false, false, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryUser) != 0 || ::setuid(kOrdinaryUser) != 0)
            ::_exit(2);
        const RolloverOutcome outcome = RollOverPeriodFile(files);
        const std::string report = (outcome.done ? "1" : "0") + outcome.failure;
        const ssize_t written = ::write(pipeEnds[1], report.data(), report.size());
        ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 3);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty())
        return {false, false, "the child ended with " + std::to_string(status)};
    return {report[0] == '1', false, report.substr(1)};
}

// ---- permissions -----------------------------------------------------------------------

// The new file is a new file of this program: read-only source or not, it
// gets what the umask gives, and the source keeps its own permissions.
TEST_F(SmallFileRollover, GivesTheNewFileThePermissionsOfANewFile)
{
    ASSERT_EQ(::chmod(file.path().c_str(), 0444), 0);
    const mode_t saved = ::umask(027);
    const RolloverOutcome outcome = RollOverPeriodFile(files);
    ::umask(saved);
    ASSERT_TRUE(outcome.done) << outcome.failure;
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(modeOf(file.path()), 0444u);
}

// Another user's read-only file, in a folder that user may write: the new
// file is that user's and can be written.
TEST_F(SmallFileRollover, MakesAWritableFileFromAnotherUsersReadOnlyFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs a second user";
    ASSERT_EQ(::chmod(file.path().c_str(), 0444), 0);
    ASSERT_EQ(::chmod(file.dir().c_str(), 0777), 0);
    const std::string digest = Sha256Of(file.path());
    const RolloverOutcome outcome = rollOverAsOrdinaryUser(files);
    ASSERT_TRUE(outcome.done) << outcome.failure;
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, kOrdinaryUser);
    EXPECT_NE(info.st_mode & S_IWUSR, 0u);
    EXPECT_EQ(Sha256Of(file.path()), digest);
}

// A folder the user may not write: the message says, in Japanese, where the
// new file could not be written, why, and that the closed period's file is
// unchanged.
TEST_F(SmallFileRollover, SaysWhichFileCouldNotBeWrittenAndWhy)
{
    ASSERT_EQ(::chmod(file.dir().c_str(), 0555), 0);
    const std::string digest = Sha256Of(file.path());
    const auto before = FilesIn(file.dir());
    const RolloverOutcome outcome = rollOverAsOrdinaryUser(files);
    ::chmod(file.dir().c_str(), 0700);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.failure,
              "年次更新を中止しました。フォルダ「" + file.dir().string()
                  + "」に次期のファイル「甲商事第27期.mdb」"
                    "を書き込めませんでした：書き込む権限がありません。\n今のファイル「"
                  + file.path() + "」は変わっていません。次期のファイルは作っていません。");
    EXPECT_EQ(FilesIn(file.dir()), before);
    EXPECT_EQ(Sha256Of(file.path()), digest);
}

// A disk that fills up while the copy is rolled forward.
TEST_F(SmallFileRollover, SaysTheDiskIsFull)
{
    const std::string digest = Sha256Of(file.path());
    const auto before = FilesIn(file.dir());
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::DiskFull, 2, false});
    const RolloverOutcome outcome = RollOverPeriodFile(files);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.failure,
              RolloverWriteFailure("次期のファイル「" + target + "」", "ディスクの空きが足りません", file.path()));
    EXPECT_NE(outcome.failure.find("今のファイル「" + file.path() + "」は変わっていません"), std::string::npos);
    EXPECT_EQ(FilesIn(file.dir()), before);
    EXPECT_EQ(Sha256Of(file.path()), digest);
}

// A source that another program is writing: the rollover waits no longer
// than the database layer does and says the closed period's file is in use.
TEST_F(SmallFileRollover, SaysTheSourceIsInUseAfterTheUsualWait)
{
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(file.path().c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const std::string digest = Sha256Of(file.path());
    const auto before = FilesIn(file.dir());
    const auto wait = dao::DBEngine::instance().busyWait();
    dao::DBEngine::instance().setBusyWait(std::chrono::milliseconds(300));
    const auto start = std::chrono::steady_clock::now();
    const RolloverOutcome outcome = RollOverPeriodFile(files);
    const auto took = std::chrono::steady_clock::now() - start;
    dao::DBEngine::instance().setBusyWait(wait);
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.failure,
              "年次更新を中止しました。今のファイル「" + file.path()
                  + "」を読めませんでした：ほかのプログラムが使用中です。しばらくしてからもう一度行ってください。"
                    "\n今のファイルは変わっていません。次期のファイルは作っていません。");
    EXPECT_LT(took, std::chrono::seconds(3));
    EXPECT_EQ(FilesIn(file.dir()), before);
    EXPECT_EQ(Sha256Of(file.path()), digest);
}

struct ReasonCase {
    const char* name;
    int resultCode;
    int systemError;
    const char* reason;
};
void PrintTo(const ReasonCase& c, std::ostream* os)
{
    *os << c.name;
}

class DatabaseFailureReason : public ::testing::TestWithParam<ReasonCase> {};

// SQLite reports a full disk and a refused write under several codes, with or
// without the system's own error.
TEST_P(DatabaseFailureReason, IsSaidInTheUsersWords)
{
    EXPECT_EQ(DatabaseErrorReason(GetParam().resultCode, GetParam().systemError), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Rollover, DatabaseFailureReason,
    ::testing::Values(
        ReasonCase{"full with no system error", SQLITE_FULL, 0, "ディスクの空きが足りません"},
        ReasonCase{"write error of a full disk", SQLITE_IOERR_WRITE, ENOSPC, "ディスクの空きが足りません"},
        ReasonCase{"quota reached", SQLITE_IOERR_WRITE, EDQUOT, "ディスクの空きが足りません"},
        ReasonCase{"cannot open for lack of permission", SQLITE_CANTOPEN, EACCES, "書き込む権限がありません"},
        ReasonCase{"read only database", SQLITE_READONLY, 0, "書き込む権限がありません"},
        ReasonCase{"read only file system", SQLITE_IOERR_WRITE, EROFS, "読み取り専用の場所です"}),
    testsupport::kCaseName);

// ---- leftovers of a cut-off rollover ---------------------------------------------------

struct LeftoverCase {
    const char* name;
    const char* file;  // in the data folder
    bool held;         // by a process (this test's own open file)
    bool removed;
};
void PrintTo(const LeftoverCase& c, std::ostream* os)
{
    *os << c.name;
}

class LeftoverCopies : public SmallFileRollover, public ::testing::WithParamInterface<LeftoverCase> {};

TEST_P(LeftoverCopies, AreRemovedWhenTheyAreTheSameTargetsAndNothingHoldsThem)
{
    const LeftoverCase& c = GetParam();
    const std::string leftover = (file.dir() / c.file).string();
    std::filesystem::copy_file(file.path(), leftover);
    const int fd = ::open(leftover.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    if (c.held) {
        ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    }

    const RolloverOutcome outcome = RollOverPeriodFile(files);
    ::close(fd);
    ASSERT_TRUE(outcome.done) << outcome.failure;
    EXPECT_EQ(std::filesystem::exists(leftover), !c.removed);
    auto names = FilesIn(file.dir());
    EXPECT_EQ(names.size(), c.removed ? 2u : 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Rollover, LeftoverCopies,
    ::testing::Values(LeftoverCase{"unheld copy of the same target", "甲商事第27期.mdb.tmp-a1B2c3", false, true},
                      LeftoverCase{"held copy of the same target", "甲商事第27期.mdb.tmp-a1B2c3", true, false},
                      LeftoverCase{"copy of another target", "甲商事第28期.mdb.tmp-a1B2c3", false, false},
                      LeftoverCase{"name of another shape", "甲商事第27期.mdb.tmp-a1B2", false, false}),
    testsupport::kCaseName);

// ---- size --------------------------------------------------------------------------------

// A year of rows goes, and the new file keeps no free pages for them.
TEST_F(SmallFileRollover, CompactsTheNewFile)
{
    file.open()->Execute("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2999)"
                         " INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                         " SELECT date('2026-04-01', '+' || (i % 365) || ' days'), printf('%012d', i), 1,"
                         " printf('%0200d', i), '100', 1000, '111', 1000 FROM n");
    ASSERT_TRUE(RollOverPeriodFile(files).done);
    const auto sourceSize = std::filesystem::file_size(file.path());
    const auto targetSize = std::filesystem::file_size(target);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(target.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA freelist_count", -1, &statement, nullptr);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(statement, 0), 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    // 3,000 rows of more than 200 bytes each: at least 600 KB that the new file does not keep.
    EXPECT_LT(targetSize + 600'000, sourceSize);
}

}  // namespace
