// A scratch copy: a period file copied into memory, worked on, and written
// whole and compacted to a file of its own; the source is never written and
// nothing reaches the disk before the copy is written.
#include "platform/dao/DaoError.h"
#include "platform/dao/Database.h"
#include "platform/dao/DatabaseCopy.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Fixture.h"
#include "platform/dao/RowView.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

using namespace dao;
using namespace daotest;

namespace {

// The names in the folder of `file`.
std::set<std::string> filesBeside(const std::string& file)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(file).parent_path()))
        names.insert(entry.path().filename().string());
    return names;
}

void makeEmptyFile(const std::string& path)
{
    std::ofstream(path, std::ios::binary).flush();
}

class ScratchCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        rawExec(source,
                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2999)"
                " INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                " SELECT '2026/4/' || (1 + i % 30), printf('%012d', i), 1, printf('%0200d', i), '100', 1000,"
                " '111', 1000 FROM n");
        // Brought to the current form once, as the program opens a file before its rollover.
        DBEngine::instance().Workspaces(0)->OpenDatabase(source)->Close();
        staying = rawCount(source, "SELECT count(*) FROM 仕訳台帳 WHERE NOT (" + std::string(kGoing) + ")");
    }

    TempDir dir;
    std::string source = makePeriodFile(dir, "元第1期.mdb");
    std::string target = dir.file("次第2期.mdb.tmp-abcdef");
    std::shared_ptr<Workspace> workspace = std::make_shared<Workspace>();
    static constexpr const char* kGoing = "追番 = 1 AND 伝票番号 > '000000000009'";
    long long staying = 0;  // the rows the copy keeps
};

}  // namespace

TEST_F(ScratchCopy, IsWorkedOnInMemoryAndWrittenCompactedLeavingTheSourceAsItWas)
{
    const std::string sourceBytes = fileBytes(source);
    const auto before = filesBeside(source);
    auto copy = workspace->OpenScratchCopy(source, target);
    // Opening the copy made no file.
    EXPECT_EQ(filesBeside(source), before);

    // The copy reads dates by their value, as every connection does, and takes writes.
    long long inApril = -1;
    copy->ForEachRow(
        "SELECT count(*) FROM 仕訳台帳 WHERE dao_day(日付) BETWEEN dao_day('2026-04-01') AND dao_day('2026-04-30')", {},
        "仕訳台帳", [&](const RowView& row) { inApril = row.integer(0); });
    EXPECT_EQ(inApril, 3000);
    copy->Execute("DELETE FROM 仕訳台帳 WHERE " + std::string(kGoing));
    copy->Execute("UPDATE 会計設定 SET 会計年度 = 2");
    EXPECT_EQ(fileBytes(source), sourceBytes);

    makeEmptyFile(target);
    copy->WriteCompactedTo(target);
    copy->Close();
    EXPECT_EQ(fileBytes(source), sourceBytes);
    EXPECT_EQ(rawCount(target, "SELECT count(*) FROM 仕訳台帳"), staying);
    EXPECT_EQ(rawCount(target, "SELECT 会計年度 FROM 会計設定"), 2);
    EXPECT_EQ(rawCount(target, "PRAGMA freelist_count"), 0);
    EXPECT_EQ(rawCount(target, "PRAGMA user_version"), rawCount(source, "PRAGMA user_version"));
    EXPECT_EQ(rawCount(target, "SELECT count(*) FROM sqlite_master"),
              rawCount(source, "SELECT count(*) FROM sqlite_master"));
    // 2,990 rows of more than 200 bytes each are not in the written file.
    ASSERT_LE(staying, 20);
    EXPECT_LT(std::filesystem::file_size(target) + 590'000, std::filesystem::file_size(source));
    // The written file opens as a period file.
    auto reopened = DBEngine::instance().Workspaces(0)->OpenDatabase(target);
    EXPECT_TRUE(reopened->hasObject("仕訳台帳"));
    reopened->Close();
}

// What the copy says of a stored value names the file it was made of; what it
// says of a failed write names the copy.
TEST_F(ScratchCopy, NamesTheSourceForAStoredValueAndItselfForAWrite)
{
    rawExec(source, "UPDATE 仕訳台帳 SET 入金 = 'abc' WHERE rowid = (SELECT min(rowid) FROM 仕訳台帳)");
    auto copy = workspace->OpenScratchCopy(source, target);
    auto journal = copy->OpenRecordset("仕訳台帳", RecordsetType::Table);
    try {
        journal->get("入金");
        ADD_FAILURE() << "the damaged amount was read";
    } catch (const DaoError& e) {
        EXPECT_NE(std::string(e.what()).find("ファイル「" + source + "」"), std::string::npos) << e.what();
    }
    DBEngine::instance().setFailurePlan({FailurePlan::Kind::DiskFull, 1, false});
    try {
        copy->Execute("UPDATE 会計設定 SET 会計年度 = 2");
        ADD_FAILURE() << "the write went through";
    } catch (const DaoError& e) {
        EXPECT_NE(std::string(e.what()).find(target), std::string::npos) << e.what();
        EXPECT_EQ(std::string(e.what()).find(source), std::string::npos) << e.what();
    }
    DBEngine::instance().clearFailurePlan();
    copy->Close();
}

// A file that already holds something is not written over: the engine refuses
// and the file stays as it was.
TEST_F(ScratchCopy, IsNotWrittenOverAFileThatHoldsSomething)
{
    auto copy = workspace->OpenScratchCopy(source, target);
    {
        std::ofstream(target, std::ios::binary) << "前の中身";
    }
    EXPECT_THROW(copy->WriteCompactedTo(target), DaoError);
    EXPECT_EQ(fileBytes(target), "前の中身");
}

// A source that cannot be read is named as the file that was being read.
TEST_F(ScratchCopy, SaysWhichSourceCouldNotBeRead)
{
    const std::string missing = dir.file("無い第1期.mdb");
    try {
        workspace->OpenScratchCopy(missing, target);
        FAIL() << "copied";
    } catch (const CopyFailure& failure) {
        EXPECT_TRUE(failure.reading());
        EXPECT_EQ(failure.path(), missing);
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_FALSE(std::filesystem::exists(target));
}

// A file of the older form (tables without the key column) is brought to the
// current form in the copy, as opening it for writing would; the file itself
// stays as it was.
TEST(ScratchCopyOfAnOlderFile, IsBroughtToTheCurrentFormInTheCopyOnly)
{
    TempDir dir;
    const std::string source = makePeriodFile(dir, "旧第1期.mdb");
    const std::string keyColumns = "SELECT count(*) FROM pragma_table_info('仕訳台帳') WHERE name = 'dao_rowid'";
    ASSERT_EQ(rawCount(source, keyColumns), 0);
    const std::string sourceBytes = fileBytes(source);
    auto workspace = std::make_shared<Workspace>();
    auto copy = workspace->OpenScratchCopy(source, dir.file("新第2期.mdb.tmp-abcdef"));
    long long inCopy = -1;
    copy->ForEachRow(keyColumns, {}, "仕訳台帳", [&](const RowView& row) { inCopy = row.integer(0); });
    EXPECT_EQ(inCopy, 1);
    copy->Close();
    EXPECT_EQ(fileBytes(source), sourceBytes);
}
