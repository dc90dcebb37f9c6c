// The depreciation journal: the register's figures posted as closing entries,
// ten assets to a voucher at most, under numbers the journal does not hold.

#include "closing/DepreciationJournal.h"

#include "ClosingFixture.h"
#include "OtherProgram.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

using namespace closing;
using closing::testing::ClosingFileTest;
using closing::testing::OtherProgram;

namespace {

const dao::Date kNow{2026, 5, 20, 10, 0, 0};
const ClosingDateBoxes kClosingDay{"2026年", "03月", "31日"};

class DepreciationJournalTest : public ClosingFileTest {
protected:
    // 管理番号, 名称, 勘定科目コード, 減価償却費 (nullptr: no figure).
    void addAsset(const std::string& number, const std::string& name, const std::string& account,
                  const dao::Value& figure)
    {
        db->Execute("INSERT INTO 固定資産台帳 (管理番号, 名称, 勘定科目コード, 取得価格, 残存価格, 減価償却費)"
                    " VALUES (?, ?, ?, 100000, 50000, ?)",
                    {number, name, account, figure});
    }

    ClosingRunResult run(const ClosingDateBoxes& boxes = kClosingDay)
    {
        return PostDepreciationJournal(*workspace, *db, boxes, kNow);
    }

    std::vector<std::string> closingLines() { return journalLines("決算仕訳 <> 0"); }
};

// Twelve assets make two vouchers, rows 1 to 10 and 1 to 2; the number of the
// run's second is already in the journal, so the vouchers take the next two
// free seconds. The assets without an account, with an account the chart
// lacks, or without a figure are left out and named.
TEST_F(DepreciationJournalTest, TwelveAssetsMakeTwoVouchersOfTenAndTwoRows)
{
    addRow("2026-01-10", "260520100000", "100", 1000, "400", 1000);
    for (int i = 1; i <= 12; ++i) {
        const std::string n = (i < 10 ? "A-0" : "A-") + std::to_string(i);
        addAsset(n, "車両", i % 2 ? "144" : "145", 1000 * i);
        if (i == 3)
            addAsset("B-01", "無勘定", "", 500);
        if (i == 7)
            addAsset("B-02", "未登録科目", "998", 600);
        if (i == 9)
            addAsset("B-03", "未計算", "145", dao::Value());
    }
    const ClosingRunResult result = run();

    ASSERT_EQ(result.postedVouchers, (std::vector<std::string>{"260520100001", "260520100002"}));
    EXPECT_EQ(result.postedRows, 12);
    std::vector<std::string> expected;
    for (int i = 1; i <= 12; ++i) {
        const std::string n = (i < 10 ? "A-0" : "A-") + std::to_string(i);
        const std::string amount = std::to_string(1000 * i);
        expected.push_back((i <= 10 ? "260520100001" : "260520100002") + std::string("|2026/3/31|")
                           + std::to_string(i <= 10 ? i : i - 10) + "|" + n + "車両|530|" + amount + "|"
                           + (i % 2 ? "144" : "145") + "|" + amount + "|決算");
    }
    EXPECT_EQ(closingLines(), expected);
    ASSERT_EQ(result.notices.size(), 1u);
    EXPECT_EQ(result.notices[0].text,
              "次の固定資産は仕訳を作成しませんでした\n"
              "B-01 無勘定（勘定科目がありません）\n"
              "B-02 未登録科目（勘定科目コードが登録されていません）\n"
              "B-03 未計算（減価償却費がありません）");
    EXPECT_FALSE(result.notices[0].beep);
}

TEST_F(DepreciationJournalTest, AFigureOfZeroIsPostedAsARowOfZero)
{
    addAsset("C-01", "土地造成", "147", 0);
    const ClosingRunResult result = run();
    EXPECT_TRUE(result.notices.empty());
    EXPECT_EQ(closingLines(), (std::vector<std::string>{"260520100000|2026/3/31|1|C-01土地造成|530|0|147|0|決算"}));
}

// While the period holds the vouchers of an earlier posting, a second run is
// refused naming them; once they are deleted, the register posts again.
TEST_F(DepreciationJournalTest, ASecondRunIsRefusedUntilTheEarlierVouchersAreDeleted)
{
    for (int i = 1; i <= 11; ++i)
        addAsset("A-" + std::to_string(i), "車両", "144", 100 * i);
    ASSERT_EQ(run().postedVouchers, (std::vector<std::string>{"260520100000", "260520100001"}));
    const std::string before = dump();

    const ClosingRunResult again = run();
    EXPECT_FALSE(again.posted());
    ASSERT_EQ(again.notices.size(), 1u);
    EXPECT_EQ(again.notices[0].text,
              "この会計期間の減価償却費仕訳（伝票番号 260520100000、260520100001）は既に登録されて"
              "います　作成し直すときは、先にその仕訳を削除してください");
    EXPECT_EQ(dump(), before);

    db->Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 IN ('260520100000', '260520100001')");
    EXPECT_EQ(run().postedRows, 11);
}

// Other closing entries on 減価償却費 are no earlier posting: one for an asset
// the register does not hold, one for a register asset credited to another
// account, and an asset's posting that is not a closing entry.
TEST_F(DepreciationJournalTest, OtherEntriesOnTheExpenseAccountDoNotBlockTheRun)
{
    addAsset("A-01", "車両", "144", 1000);
    addRow("2026-03-31", "260331090000", "530", 5000, "145", 5000, true, "Z-09備品");
    addRow("2026-03-31", "260331090001", "530", 1000, "145", 1000, true, "A-01車両");
    addRow("2026-03-31", "260331090002", "530", 1000, "144", 1000, false, "A-01車両");
    const ClosingRunResult result = run();
    EXPECT_TRUE(result.notices.empty());
    EXPECT_EQ(result.postedVouchers, (std::vector<std::string>{"260520100000"}));
}

// The other program posts the depreciation while this run waits for the lock:
// the run sees that posting and refuses, naming it.
TEST_F(DepreciationJournalTest, APostingMadeMeanwhileByAnotherProgramIsFoundUnderTheLock)
{
    addAsset("A-01", "車両", "144", 1000);
    OtherProgram other(file.path());
    other.writeAndCommitLater(
        "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
        " VALUES ('2026-03-31', '260519080000', 1, 'A-01車両', '530', 1000, '144', 1000, 1)");
    const ClosingRunResult result = run();
    EXPECT_FALSE(result.posted());
    ASSERT_EQ(result.notices.size(), 1u);
    EXPECT_EQ(result.notices[0].text,
              "この会計期間の減価償却費仕訳（伝票番号 260519080000）は既に登録されています"
              "　作成し直すときは、先にその仕訳を削除してください");
    EXPECT_EQ(closingLines().size(), 1u);
}

struct RefusedCase {
    const char* name;
    ClosingDateBoxes boxes;
    bool removeExpenseAccount;
    const char* message;
};
void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class DepreciationRefusalTest : public DepreciationJournalTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(DepreciationRefusalTest, WritesNothing)
{
    const RefusedCase& c = GetParam();
    addAsset("A-01", "車両", "144", 1000);
    if (c.removeExpenseAccount)
        db->Execute("UPDATE 勘定科目コード表 SET 勘定科目名 = '償却費' WHERE 勘定科目名 = '減価償却費'");
    const std::string before = dump();
    const ClosingRunResult result = run(c.boxes);
    ASSERT_EQ(result.notices.size(), 1u);
    EXPECT_EQ(result.notices[0].text, c.message);
    EXPECT_TRUE(result.notices[0].beep);
    EXPECT_FALSE(result.notices[0].title);
    EXPECT_FALSE(result.posted());
    EXPECT_EQ(dump(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Depreciation, DepreciationRefusalTest,
    ::testing::Values(RefusedCase{"DayTheMonthLacks", {"2026年", "02月", "30日"}, false, "日付が正しくありません"},
                      RefusedCase{"EmptyDayBox", {"2026年", "03月", ""}, false, "日付が正しくありません"},
                      RefusedCase{"TwoDigitYear", {"26年", "03月", "31日"}, false, "日付が正しくありません"},
                      RefusedCase{"DateAfterThePeriod",
                                  {"2026年", "04月", "01日"},
                                  false,
                                  "決算日（2026/04/01）が会計期間（2025/04/01～2026/03/31）の外にあります"},
                      RefusedCase{"NoExpenseAccount", kClosingDay, true,
                                  "勘定科目に「減価償却費」が登録されていません"}),
    testsupport::kCaseName);

TEST_F(DepreciationJournalTest, AnEmptyRegisterPostsNothingAndSaysNothing)
{
    const ClosingRunResult result = run();
    EXPECT_TRUE(result.notices.empty());
    EXPECT_FALSE(result.posted());
    EXPECT_TRUE(closingLines().empty());
}

// A write that fails in the second voucher takes the first one back with it.
TEST_F(DepreciationJournalTest, AFailedWritePostsNoneOfTheVouchers)
{
    for (int i = 1; i <= 12; ++i)
        addAsset("A-" + std::to_string(i), "車両", "144", 100 * i);
    const std::string before = dump();
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, 11, false});
    const ClosingRunResult failed = run();
    dao::DBEngine::instance().clearFailurePlan();
    ASSERT_EQ(failed.notices.size(), 1u);
    EXPECT_EQ(failed.notices[0].text.rfind("仕訳を登録できませんでした", 0), 0u);
    EXPECT_FALSE(failed.posted());
    EXPECT_TRUE(failed.postedVouchers.empty());
    EXPECT_FALSE(workspace->inTransaction());
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(run().postedRows, 12);
}

}  // namespace
