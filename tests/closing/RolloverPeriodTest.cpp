// The period number and the period a rollover starts from: a number whose
// next one 会計年度 holds, and a period that starts no later than it ends and
// lasts at most twelve months. A file that fails is refused by name, before
// any file is made.

#include "closing/Rollover.h"
#include "closing/RolloverPeriod.h"
#include "closing/RollForward.h"

#include "RolloverFixture.h"
#include "support/CaseName.h"
#include "support/TempPeriodFile.h"

#include <gtest/gtest.h>

using namespace closing;
using closing::testing::FilesIn;
using closing::testing::Sha256Of;

namespace {

struct PeriodCase {
    const char* name;
    dao::Value number;        // 会計年度 as stored
    dao::Value first;         // 会計期間開始日
    dao::Value last;          // 会計期間終了日
    long long rolled;         // the number taken; 0 when refused
    const char* refusalPart;  // a part of the refusal
};
void PrintTo(const PeriodCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<PeriodCase> periodCases()
{
    return {
        {"usual year", 10LL, "2025-04-01", "2026-03-31", 10, ""},
        {"dates stored with slashes and a time", "10", "2025/4/1", "2026/3/31 00:00:00", 10, ""},
        {"dates stored as dates", 10LL, dao::Date{2025, 4, 1}, dao::Date{2026, 3, 31}, 10, ""},
        {"one day", 3LL, "2026-01-01", "2026-01-01", 3, ""},
        {"short first period", 1LL, "2025-10-01", "2026-03-31", 1, ""},
        {"from the leap day to the end of February", 5LL, "2024-02-29", "2025-02-28", 5, ""},
        {"largest number whose next one fits", 2147483646LL, "2025-04-01", "2026-03-31", 2147483646, ""},
        {"start after end", 10LL, "2027-04-01", "2026-03-31", 0,
         "会計期間（2027/04/01～2026/03/31）は開始日が終了日より後"},
        {"start after end stored in two forms", 10LL, "2026/4/2", "2026-04-01", 0, "開始日が終了日より後"},
        {"twelve months and a day", 10LL, "2025-04-01", "2026-04-01", 0,
         "会計期間（2025/04/01～2026/04/01）が12か月を超えて"},
        {"two years", 10LL, "2025-04-01", "2027-03-31", 0, "12か月を超えて"},
        {"number empty", dao::Value(), "2025-04-01", "2026-03-31", 0, "会計年度が空欄"},
        {"number empty text", "", "2025-04-01", "2026-03-31", 0, "会計年度が空欄"},
        {"number zero", 0LL, "2025-04-01", "2026-03-31", 0, "会計年度が「0」"},
        {"number negative", -4LL, "2025-04-01", "2026-03-31", 0, "会計年度が「-4」"},
        {"number not whole", 7.5, "2025-04-01", "2026-03-31", 0, "会計年度が「7.5」"},
        {"number not a number", "十", "2025-04-01", "2026-03-31", 0, "会計年度が「十」"},
        {"number at the top of its range", 2147483647LL, "2025-04-01", "2026-03-31", 0, "会計年度が「2147483647」"},
        {"end missing", 10LL, "2025-04-01", dao::Value(), 0, kPeriodNotSetMessage},
        {"start not a date", 10LL, "2025-02-30", "2026-03-31", 0, kPeriodNotSetMessage},
    };
}

class RolloverPeriodCheck : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(RolloverPeriodCheck, TakesOnlyAPeriodThatCanBeRolledOn)
{
    const PeriodCase& c = GetParam();
    const RolloverPeriodOrRefusal checked = CheckRolloverPeriod(c.number, c.first, c.last);
    if (c.rolled == 0) {
        EXPECT_FALSE(checked.period);
        EXPECT_NE(checked.refusal.find(c.refusalPart), std::string::npos) << checked.refusal;
        return;
    }
    ASSERT_TRUE(checked.period) << checked.refusal;
    EXPECT_EQ(checked.period->number, c.rolled);
}

INSTANTIATE_TEST_SUITE_P(Rollover, RolloverPeriodCheck, ::testing::ValuesIn(periodCases()), testsupport::kCaseName);

// ---- the whole rollover of a small file -----------------------------------------------

struct FileCase {
    const char* name;
    const char* settings;  // SET clause of 会計設定
    const char* refusalPart;
};
void PrintTo(const FileCase& c, std::ostream* os)
{
    *os << c.name;
}

class RolloverOfImpossibleSettings : public ::testing::TestWithParam<FileCase> {};

// The file is refused with its period named; nothing is made, and the
// closed period's file stays byte for byte as it was.
TEST_P(RolloverOfImpossibleSettings, IsRefusedAndMakesNothing)
{
    const FileCase& c = GetParam();
    testsupport::TempPeriodFile file("甲商事", 26, "2026-04-01");
    file.open()->Execute(std::string("UPDATE 会計設定 SET ") + c.settings);
    const std::string digest = Sha256Of(file.path());
    const auto before = FilesIn(file.dir());

    const RolloverOutcome outcome =
        RollOverPeriodFile({file.path(), "甲商事第27期.mdb", (file.dir() / "甲商事第27期.mdb").string(), 26});
    EXPECT_FALSE(outcome.done);
    EXPECT_NE(outcome.failure.find(c.refusalPart), std::string::npos) << outcome.failure;
    EXPECT_EQ(FilesIn(file.dir()), before);
    EXPECT_EQ(Sha256Of(file.path()), digest);
}

INSTANTIATE_TEST_SUITE_P(
    Rollover, RolloverOfImpossibleSettings,
    ::testing::Values(FileCase{"start after end", "会計期間開始日 = '2027-04-01', 会計期間終了日 = '2027-03-31'",
                               "会計期間（2027/04/01～2027/03/31）は開始日が終了日より後"},
                      FileCase{"longer than twelve months", "会計期間終了日 = '2027-04-30'", "が12か月を超えて"},
                      FileCase{"number empty", "会計年度 = NULL", "会計年度が空欄"},
                      // Refused already when the settings row is read: the field is named with its value.
                      FileCase{"number zero", "会計年度 = 0", "フィールド「会計年度」の値「0」は使えません"},
                      FileCase{"number at the top of its range", "会計年度 = 2147483647",
                               "フィールド「会計年度」の値「2147483647」は使えません"}),
    testsupport::kCaseName);

// The next file's name was made from 会計年度 26; the file says 30 by the time
// it is copied: the copy is not rolled under a name that does not match it.
TEST(RolloverOfAChangedPeriodNumber, IsRefusedAndMakesNothing)
{
    testsupport::TempPeriodFile file("甲商事", 26, "2026-04-01");
    const RolloverFilesOrRefusal files = RolloverFilesFor(file.dir().string(), "甲商事第26期.mdb", 26);
    ASSERT_TRUE(files.files) << files.refusal;
    file.open()->Execute("UPDATE 会計設定 SET 会計年度 = 30");
    const std::string digest = Sha256Of(file.path());
    const auto before = FilesIn(file.dir());

    const RolloverOutcome outcome = RollOverPeriodFile(*files.files);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.failure, PeriodNumberChanged(26, 30));
    EXPECT_EQ(FilesIn(file.dir()), before);
    EXPECT_EQ(Sha256Of(file.path()), digest);
}

}  // namespace
