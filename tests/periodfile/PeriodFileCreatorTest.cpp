// Making a new period file: its dates, its settings row, its journal mode,
// refusing to overwrite, and a file the sqlite3 shell can read.

#include "SchemaFixture.h"
#include "TempDir.h"
#include "support/CaseName.h"

#include "periodfile/PeriodFileCreator.h"

#include <cstdlib>
#include <cstdio>

namespace periodfile::testing {
namespace {

struct LastDayCase {
    const char* name;
    const char* firstDay;
    const char* lastDay;  // "" when the first day is refused
};

void PrintTo(const LastDayCase& c, std::ostream* os)
{
    *os << c.name;
}

class PeriodLastDay : public ::testing::TestWithParam<LastDayCase> {};

TEST_P(PeriodLastDay, IsOneYearLaterLessADay)
{
    const std::optional<std::string> last = periodLastDay(GetParam().firstDay);
    EXPECT_EQ(last.value_or(""), GetParam().lastDay) << GetParam().firstDay;
}

INSTANTIATE_TEST_SUITE_P(Dates, PeriodLastDay,
                         ::testing::Values(LastDayCase{"April", "2024-04-01", "2025-03-31"},
                                           LastDayCase{"January", "2024-01-01", "2024-12-31"},
                                           LastDayCase{"MarchBeforeALeapFebruary", "2023-03-01", "2024-02-29"},
                                           LastDayCase{"LeapDay", "2024-02-29", "2025-02-28"},
                                           LastDayCase{"MidOctober", "2024-10-16", "2025-10-15"},
                                           LastDayCase{"February30", "2024-02-30", ""},
                                           LastDayCase{"Month13", "2024-13-01", ""},
                                           LastDayCase{"Slashes", "2024/04/01", ""},
                                           LastDayCase{"OneDigitMonthAndDay", "2024-4-1", ""},
                                           LastDayCase{"Empty", "", ""}),
                         testsupport::kCaseName);

class PeriodFileCreatorTest : public ::testing::Test {
protected:
    std::string query(const std::string& path, const std::string& sql)
    {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        sqlite3_stmt* st = nullptr;
        std::string value = "<no row>";
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(st, 0);
            value = text ? reinterpret_cast<const char*>(text) : "<NULL>";
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
        return value;
    }
    TempDir dir;
};

TEST_F(PeriodFileCreatorTest, SettingsRowHoldsCompanyPeriodAndDates)
{
    const std::string path = dir.file("テスト商事第12期.mdb");
    createPeriodFile(path, {"テスト商事", 12, "2024-10-01"});
    EXPECT_EQ(query(path, "SELECT count(*) FROM 会計設定"), "1");
    EXPECT_EQ(query(path,
                    "SELECT 事業所名 || '/' || 会計年度 || '/' || 会計期間開始日 || '/' || 会計期間終了日"
                    " FROM 会計設定"),
              "テスト商事/12/2024-10-01/2025-09-30");
}

TEST_F(PeriodFileCreatorTest, FileUsesRollbackJournalNotWal)
{
    const std::string path = dir.file("テスト第1期.mdb");
    createPeriodFile(path, {"テスト", 1, "2024-04-01"});
    EXPECT_EQ(query(path, "PRAGMA journal_mode"), "delete");
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
}

TEST_F(PeriodFileCreatorTest, RefusesToOverwriteAnExistingFile)
{
    const std::string path = dir.file("テスト第1期.mdb");
    writeAll(path, "keep me");
    try {
        createPeriodFile(path, {"テスト", 1, "2024-04-01"});
        FAIL() << "overwrote an existing file";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("既にあります"), std::string::npos) << e.what();
    }
    EXPECT_EQ(readAll(path), "keep me");
}

TEST_F(PeriodFileCreatorTest, BadInputLeavesNoFile)
{
    const std::string path = dir.file("テスト第1期.mdb");
    EXPECT_THROW(createPeriodFile(path, {"テスト", 1, "2024-02-30"}), std::runtime_error);
    EXPECT_THROW(createPeriodFile(path, {"テスト", 0, "2024-04-01"}), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(PeriodFileCreatorTest, SqliteShellReadsTheFile)
{
    if (std::system("command -v sqlite3 >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "sqlite3 shell not installed";
    const std::string path = dir.file("テスト第1期.mdb");
    createPeriodFile(path, {"テスト", 1, "2024-04-01"});
    const std::string out = dir.file("out.txt");
    const std::string command = "sqlite3 '" + path
        + "' \"select count(*) from Q_年号コード; select 会計年度 from 会計設定\" > '" + out + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << readAll(out);
    const std::string text = readAll(out);
    EXPECT_NE(text.find("\n1\n"), std::string::npos) << text;  // the second line: the period
}

}  // namespace
}  // namespace periodfile::testing
