// The command-line tool's exit codes and messages on the main paths.

#include "TempDir.h"

#include <cstdlib>
#include <sys/wait.h>

#ifndef VELMORA_PERIODFILE_TOOL
#error "VELMORA_PERIODFILE_TOOL must name the tool's path"
#endif

namespace periodfile::testing {
namespace {

struct ToolRun {
    int exitCode;
    std::string output;  // stdout and stderr together
};

ToolRun run(const TempDir& dir, const std::string& arguments)
{
    const std::string out = dir.file("tool-output.txt");
    const std::string command = std::string("'") + VELMORA_PERIODFILE_TOOL + "' " + arguments + " > '" + out + "' 2>&1";
    const int status = std::system(command.c_str());
    ToolRun result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(out)};
    std::filesystem::remove(out);
    return result;
}

TEST(PeriodFileTool, CreateThenCheckPassesAndSecondCreateIsRefused)
{
    TempDir dir;
    const std::string file = "'" + dir.file("見本商店第2期.mdb") + "'";
    EXPECT_EQ(run(dir, "create " + file + " --company 見本商店 --period 2 --from 2024-04-01").exitCode, 0);
    const ToolRun check = run(dir, "check " + file);
    EXPECT_EQ(check.exitCode, 0) << check.output;
    const ToolRun again = run(dir, "create " + file + " --company 別 --period 2 --from 2024-04-01");
    EXPECT_NE(again.exitCode, 0);
    EXPECT_NE(again.output.find("既にあります"), std::string::npos) << again.output;
}

TEST(PeriodFileTool, CheckFailsOnAFileThatIsNotSqliteAndLeavesItAlone)
{
    TempDir dir;
    const std::string path = dir.file("古い第1期.mdb");
    writeAll(path, "not a database, just text\n");
    const ToolRun check = run(dir, "check '" + path + "'");
    EXPECT_NE(check.exitCode, 0);
    EXPECT_NE(check.output.find("SQLite"), std::string::npos) << check.output;
    EXPECT_EQ(readAll(path), "not a database, just text\n");
}

TEST(PeriodFileTool, CheckListsWhatAFileLacksAndFails)
{
    TempDir dir;
    const std::string path = dir.file("空第1期.mdb");
    const std::string command = "sqlite3 '" + path + "' 'create table 会計設定 (事業所名 TEXT)'";
    if (std::system(command.c_str()) != 0)
        GTEST_SKIP() << "sqlite3 shell not installed";
    const ToolRun check = run(dir, "check '" + path + "'");
    EXPECT_NE(check.exitCode, 0);
    EXPECT_NE(check.output.find("「会計設定」にフィールド「会計年度」がありません"), std::string::npos) << check.output;
    EXPECT_NE(check.output.find("クエリ「Q_仕訳台帳」がありません"), std::string::npos) << check.output;
}

TEST(PeriodFileTool, WrongArgumentsShowUsage)
{
    TempDir dir;
    const ToolRun bad = run(dir, "create '" + dir.file("x第1期.mdb") + "' --company A --period two --from 2024-04-01");
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x第1期.mdb")));
    EXPECT_NE(run(dir, "frobnicate").exitCode, 0);
}

}  // namespace
}  // namespace periodfile::testing
