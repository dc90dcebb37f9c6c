// Openings that do not balance are not carried without a word: before the
// new file is put in place the rollover shows both sides, the difference and
// its causes, and asks whether to go on. Figures worked out by hand on a
// small file of the standard chart, every opening balance 0 unless a case
// sets one; the sides include 諸口 (debit-natured), whose balance is carried
// like any other.

#include "closing/Rollover.h"

#include "RolloverFixture.h"
#include "support/CaseName.h"
#include "support/TempPeriodFile.h"

#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "support/AnotherProgram.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace closing;
using closing::testing::FilesIn;
using closing::testing::Sha256Of;

namespace {

struct OpeningsCase {
    const char* name;
    const char* change;  // SQL run on the closed period's file
    long long debit;     // the next period's openings, debit side
    long long credit;    // credit side
    const char* cause;   // a part of the question ("" when none is asked)
};
void PrintTo(const OpeningsCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnbalancedOpenings : public ::testing::TestWithParam<OpeningsCase> {
protected:
    void SetUp() override
    {
        if (*GetParam().change)
            testsupport::AnotherProgram(file.path()).exec(GetParam().change);
        digest = Sha256Of(file.path());
        before = FilesIn(file.dir());
    }
    RolloverOutcome rollOver(bool goOn)
    {
        return RollOverPeriodFile({file.path(), "甲商事第27期.mdb", target, 26}, [&](const std::string& q) {
            questions.push_back(q);
            return goOn;
        });
    }

    testsupport::TempPeriodFile file{"甲商事", 26, "2026-04-01"};
    std::string target = (file.dir() / "甲商事第27期.mdb").string();
    std::string digest;
    std::vector<std::string> before;
    std::vector<std::string> questions;
};

// Answered "いいえ": no file is made, nothing is left, the source is as it was.
TEST_P(UnbalancedOpenings, AreShownAndStopTheRolloverOnNo)
{
    const OpeningsCase& c = GetParam();
    const RolloverOutcome outcome = rollOver(false);
    if (!*c.cause) {
        EXPECT_TRUE(outcome.done) << outcome.failure;
        EXPECT_TRUE(questions.empty());
        return;
    }
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.declined);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(c.cause), std::string::npos) << questions[0];
    EXPECT_NE(questions[0].find("このまま年次更新を続けますか？"), std::string::npos);
    EXPECT_EQ(FilesIn(file.dir()), before);
    EXPECT_EQ(Sha256Of(file.path()), digest);
}

// The opening balances of the accounts in use of the file at `path`, summed
// by side, read straight from the file.
std::pair<long long, long long> writtenOpenings(const std::string& path)
{
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* sums = nullptr;
    EXPECT_EQ(
        sqlite3_prepare_v2(db,
                           "SELECT TOTAL(CASE WHEN 借貸区分 = 0 THEN 期首残高 END),"
                           " TOTAL(CASE WHEN 借貸区分 = 1 THEN 期首残高 END) FROM 勘定科目コード表 WHERE 適用 <> 0",
                           -1, &sums, nullptr),
        SQLITE_OK);
    EXPECT_EQ(sqlite3_step(sums), SQLITE_ROW);
    const std::pair<long long, long long> sides{sqlite3_column_int64(sums, 0), sqlite3_column_int64(sums, 1)};
    sqlite3_finalize(sums);
    sqlite3_close(db);
    return sides;
}

std::string yen(long long amount)
{
    return o::FormatNumber(amount, o::kAmount12Mask) + "円";
}

// Answered "はい": the new file opens with the totals and the difference the
// question stated.
TEST_P(UnbalancedOpenings, AreCarriedAsShownOnYes)
{
    const OpeningsCase& c = GetParam();
    ASSERT_TRUE(rollOver(true).done);
    ASSERT_EQ(questions.size(), *c.cause ? 1u : 0u);
    const auto [debit, credit] = writtenOpenings(target);
    EXPECT_EQ(debit, c.debit);
    EXPECT_EQ(credit, c.credit);
    if (questions.empty())
        return;
    EXPECT_NE(questions[0].find("借方合計 " + yen(debit) + "　貸方合計 " + yen(credit) + "　差額 " + yen(debit - credit)
                                + "\n"),
              std::string::npos)
        << questions[0];
}

INSTANTIATE_TEST_SUITE_P(
    Rollover, UnbalancedOpenings,
    ::testing::Values(
        // 現金 5,000 against 受取利息: the profit 5,000 opens 前期繰越利益.
        OpeningsCase{"balanced",
                     "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金)"
                     " VALUES ('2026-05-01', '260501090000', 1, '100', 5000, '600', 5000)",
                     5000, 5000, ""},
        // 現金 5,000 against 諸口: 諸口 is left at -5,000 on its debit side,
        // where it meets the cash.
        OpeningsCase{"suspense balance",
                     "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金)"
                     " VALUES ('2026-05-01', '260501090000', 1, '100', 5000, '999', 5000)",
                     0, 0,
                     "次期の期首残高に諸口の残高が残ります。\n借方合計 0円　貸方合計 0円　差額 0円\n原因：\n"
                     "・諸口に残高 -5,000円 があり、そのまま繰り越されます\n"},
        // 諸口 5,000 against 受取利息 (the profit opens 前期繰越利益 at
        // 5,000), and 現金 opened at 3,000 with nothing against it: 8,000
        // against 5,000 carried.
        OpeningsCase{"suspense balance beside openings that did not balance",
                     "UPDATE 勘定科目コード表 SET 期首残高 = 3000 WHERE 勘定科目コード = '100';"
                     " INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金)"
                     " VALUES ('2026-05-01', '260501090000', 1, '999', 5000, '600', 5000)",
                     8000, 5000,
                     "借方合計 8,000円　貸方合計 5,000円　差額 3,000円\n原因：\n"
                     "・諸口に残高 5,000円 があり、そのまま繰り越されます\n"
                     "・今期の期首残高の貸借がすでに 3,000円 合っていません\n"},
        // 現金 1,200 paid against code 777, which names no account: only the
        // cash side is counted, twice in two rows.
        OpeningsCase{"rows whose code names no account",
                     "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金) VALUES"
                     " ('2026-05-01', '260501090000', 1, '777', 1200, '100', 1200),"
                     " ('2026-06-01', '260601090000', 1, '777', 800, '100', 800)",
                     -2000, 0, "・使用している勘定科目にないコード（777）の仕訳が 2行あり"},
        // The closed period opened with 現金 3,000 and nothing against it.
        OpeningsCase{"closed period opened unbalanced",
                     "UPDATE 勘定科目コード表 SET 期首残高 = 3000 WHERE 勘定科目コード = '100'", 3000, 0,
                     "・今期の期首残高の貸借がすでに 3,000円 合っていません"}),
    testsupport::kCaseName);

}  // namespace
