// The fiscal-year rollover of the sample company, checked against figures
// worked out straight from the closed period's journal table.

#include "closing/NextPeriod.h"
#include "closing/Rollover.h"
#include "closing/RollForward.h"

#include "ClosingFixture.h"
#include "RolloverFixture.h"
#include "support/TempPeriodFile.h"
#include "periodfile/TempDir.h"

#include "platform/dao/Recordset.h"
#include "statements/PeriodFigures.h"
#include "support/AnotherProgram.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace closing;
using closing::testing::FilesIn;
using closing::testing::SampleRolloverTest;
using closing::testing::Sha256Of;

namespace {

std::int64_t field(dao::Database& db, const std::string& sql, const char* name)
{
    auto rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot);
    EXPECT_FALSE(rs->isEmpty()) << sql;
    if (rs->isEmpty())
        return 0;
    rs->MoveFirst();
    return rs->get(name).isNumeric() ? rs->get(name).toInt64() : -999'999'999;
}

RolloverFiles sampleFiles(const SampleRolloverTest&, const std::string& source, const std::string& target)
{
    return RolloverFiles{source, "サンプル商事第11期.mdb", target, 10};
}

class SampleRollover : public SampleRolloverTest {
protected:
    RolloverOutcome rollOver() { return RollOverPeriodFile(sampleFiles(*this, sourcePath, targetPath)); }
};

TEST_F(SampleRollover, MakesTheNextPeriodsFileAndLeavesTheClosedOneByteForByte)
{
    const RolloverOutcome outcome = rollOver();
    ASSERT_TRUE(outcome.done) << outcome.failure;
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
    EXPECT_EQ(FilesIn(dataDir),
              (std::vector<std::string>{"QVDBPATH.txt", "サンプル商事第10期.mdb", "サンプル商事第11期.mdb"}));
    auto db = openTarget();
    auto settings = db->OpenRecordset("会計設定", dao::RecordsetType::Snapshot);
    settings->MoveFirst();
    EXPECT_EQ(settings->get("会計年度").toInt32(), 11);
    EXPECT_EQ(settings->get("会計期間開始日").toText(), "2026/4/1");
    EXPECT_EQ(settings->get("会計期間終了日").toText(), "2027/3/31");
    EXPECT_EQ(settings->get("決算報告日").toText(), "2027/5/29");
    EXPECT_EQ(settings->get("事業所名").toText(), "サンプル商事");
}

// Every account in use: the five past balances shifted on, the closing
// balance worked out from the period's rows carried as the opening balance,
// every profit-and-loss account opened at 0 and the 決算２ account at the
// closed period's 当期未処分利益; the opening balances balance.
TEST_F(SampleRollover, OpensEveryAccountAtItsBalanceAndCarriesTheProfit)
{
    ASSERT_TRUE(rollOver().done);
    auto db = openTarget();
    auto used = db->OpenRecordset("SELECT * FROM 勘定科目コード表 WHERE 適用 <> 0", dao::RecordsetType::Snapshot);
    std::int64_t debitSide = 0, creditSide = 0;
    int profitAndLoss = 0;
    for (used->MoveFirst(); !used->EOF_(); used->MoveNext()) {
        const std::string code = used->get("勘定科目コード").toText();
        const auto& was = accounts.at(code);
        SCOPED_TRACE(code + " " + was.name);
        const std::int64_t opening = used->get("期首残高").toInt32();
        if (was.major == "経常損益" || was.major == "特別損益" || was.middle == "決算１") {
            EXPECT_EQ(opening, 0);
            ++profitAndLoss;
        } else if (code == "850") {
            EXPECT_EQ(opening, profit);
        } else {
            EXPECT_EQ(opening, was.closing);
        }
        EXPECT_EQ(used->get("前年決算残高").toInt32(), was.closing);
        EXPECT_EQ(used->get("前2決算残高").toInt32(), was.past[0]);
        EXPECT_EQ(used->get("前3決算残高").toInt32(), was.past[1]);
        EXPECT_EQ(used->get("前4決算残高").toInt32(), was.past[2]);
        EXPECT_EQ(used->get("前5決算残高").toInt32(), was.past[3]);
        EXPECT_EQ(used->get("期末残高").toInt32(), 0);
        EXPECT_EQ(used->get("借方合計").toInt32(), 0);
        EXPECT_EQ(used->get("貸方合計").toInt32(), 0);
        (was.side == 0 ? debitSide : creditSide) += opening;
    }
    EXPECT_GT(profitAndLoss, 40);
    EXPECT_NE(profit, 0);
    EXPECT_EQ(debitSide, creditSide);
}

TEST_F(SampleRollover, OpensEveryBankAccountAtItsBalanceAtThePeriodsEnd)
{
    ASSERT_TRUE(rollOver().done);
    auto db = openTarget();
    ASSERT_EQ(bankBalances.size(), 3u);
    for (const auto& [rowid, balance] : bankBalances) {
        SCOPED_TRACE(rowid);
        const std::string row = "SELECT 期首残高, 現残高 FROM 取引銀行 WHERE rowid = " + std::to_string(rowid);
        EXPECT_EQ(field(*db, row, "期首残高"), balance);
        EXPECT_EQ(field(*db, row, "現残高"), balance);
    }
    // The settings' opening cash and deposits follow the new opening balances.
    EXPECT_EQ(field(*db, "SELECT 期首現金残高 FROM 会計設定", "期首現金残高"), accounts.at("100").closing);
    EXPECT_EQ(field(*db, "SELECT 期首預金残高 FROM 会計設定", "期首預金残高"),
              accounts.at("102").closing + accounts.at("103").closing + accounts.at("105").closing);
}

// The row of 3 April stays in the new file and is in none of its opening
// balances, so the new period counts it once.
TEST_F(SampleRollover, KeepsTheNextPeriodsRowsOutOfTheOpeningBalances)
{
    ASSERT_TRUE(rollOver().done);
    auto db = openTarget();
    EXPECT_EQ(testsupport::CountRows(*db, "SELECT * FROM 仕訳台帳"), 1);
    EXPECT_EQ(field(*db, "SELECT 入金 FROM 仕訳台帳 WHERE 日付 = '2026-04-03' AND 伝票番号 = '260403090000'", "入金"),
              50'000);
    EXPECT_EQ(testsupport::CountRows(*db, "SELECT * FROM 仕訳変更履歴"), 1);
    EXPECT_EQ(testsupport::CountRows(*db, "SELECT * FROM 仕訳変更履歴 WHERE 摘要 = '次期の削除'"), 1);
    // 普通預金 and 売掛金 open at their balances of 31 March, without it.
    auto opening = [&](const char* code) {
        return field(*db, std::string("SELECT 期首残高 FROM 勘定科目コード表 WHERE 勘定科目コード = '") + code + "'",
                     "期首残高");
    };
    EXPECT_EQ(opening("103"), accounts.at("103").closing);
    EXPECT_EQ(opening("111"), accounts.at("111").closing);
    // The new period's tally counts it once.
    statements::RecomputePeriodFigures(*dao::DBEngine::instance().Workspaces(0), *db);
    auto closing = [&](const char* code) {
        return field(*db, std::string("SELECT 期末残高 FROM 勘定科目コード表 WHERE 勘定科目コード = '") + code + "'",
                     "期末残高");
    };
    EXPECT_EQ(closing("103"), accounts.at("103").closing + 50'000);
    EXPECT_EQ(closing("111"), accounts.at("111").closing - 50'000);
}

// F-001 to F-006 lose the depreciation the journal posted for them; F-007,
// whose row was deleted before the rollover, keeps its figures.
TEST_F(SampleRollover, LowersEachAssetByTheDepreciationPostedForIt)
{
    auto before = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sourcePath);
    std::map<std::string, std::int64_t> bookValues;
    std::map<std::string, std::int64_t> charges;
    auto register_ = before->OpenRecordset("固定資産台帳", dao::RecordsetType::Snapshot);
    for (register_->MoveFirst(); !register_->EOF_(); register_->MoveNext()) {
        bookValues[register_->get("管理番号").toText()] = register_->get("残存価格").toInt32();
        charges[register_->get("管理番号").toText()] = register_->get("減価償却費").toInt32();
    }
    before.reset();
    ASSERT_EQ(postedDepreciation.size(), 6u);

    ASSERT_TRUE(rollOver().done);
    auto db = openTarget();
    auto after = db->OpenRecordset("固定資産台帳", dao::RecordsetType::Snapshot);
    int checked = 0;
    for (after->MoveFirst(); !after->EOF_(); after->MoveNext(), ++checked) {
        const std::string number = after->get("管理番号").toText();
        SCOPED_TRACE(number);
        if (number == "F-007") {
            EXPECT_EQ(after->get("残存価格").toInt32(), bookValues.at(number));
            EXPECT_EQ(after->get("減価償却費").toInt32(), charges.at(number));
            EXPECT_NE(charges.at(number), 0);
            continue;
        }
        EXPECT_EQ(after->get("残存価格").toInt32(), bookValues.at(number) - postedDepreciation.at(number));
        EXPECT_TRUE(after->get("減価償却費").isNull());
    }
    EXPECT_EQ(checked, 7);
}

// A failure at any write of the roll-forward, or at its commit, leaves no
// next period's file, no temporary file, and the closed period's file as it was.
TEST_F(SampleRollover, AFailureAtAnyWriteLeavesNoNewFile)
{
    const std::vector<std::string> filesBefore = FilesIn(dataDir);
    int failures = 0;
    for (const auto kind : {dao::FailurePlan::Kind::WriteFails, dao::FailurePlan::Kind::CommitFails}) {
        for (int write = 1;; ++write) {
            SCOPED_TRACE(write);
            dao::DBEngine::instance().setFailurePlan({kind, write, false});
            const RolloverOutcome outcome = rollOver();
            dao::DBEngine::instance().clearFailurePlan();
            if (outcome.done)
                break;
            ++failures;
            EXPECT_FALSE(outcome.failure.empty());
            EXPECT_EQ(FilesIn(dataDir), filesBefore);
            EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
            ASSERT_LT(write, 1000);
        }
        std::filesystem::remove(targetPath);
    }
    EXPECT_GT(failures, 10);
}

// Another program holds the closed period's file past the wait budget: the
// rollover gives up within the budget, says that the file is in use and makes
// no file.
TEST_F(SampleRollover, WhileAnotherProgramHoldsTheFileEndsWithinTheBudget)
{
    const std::vector<std::string> filesBefore = FilesIn(dataDir);
    dao::DBEngine::instance().setBusyWait(std::chrono::milliseconds(300));
    RolloverOutcome outcome;
    double waited = 0;
    {
        ::testsupport::AnotherProgram other(sourcePath);
        other.exec("BEGIN EXCLUSIVE");
        const auto start = std::chrono::steady_clock::now();
        outcome = rollOver();
        waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    dao::DBEngine::instance().setBusyWait(dao::DBEngine::kDefaultBusyWait);
    EXPECT_FALSE(outcome.done);
    EXPECT_LT(waited, 0.3 * 1.6);
    EXPECT_NE(outcome.failure.find("次期のファイルは作っていません"), std::string::npos) << outcome.failure;
    EXPECT_NE(outcome.failure.find("プログラムが使用中"), std::string::npos) << outcome.failure;
    EXPECT_EQ(FilesIn(dataDir), filesBefore);
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
}

TEST_F(SampleRollover, IsRefusedWhenNoAccountInUseCanCarryTheProfit)
{
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sourcePath);
    db->Execute("UPDATE 勘定科目コード表 SET 適用 = 0 WHERE 中分類 = '決算２'");
    db.reset();
    const std::string digest = Sha256Of(sourcePath);
    const std::vector<std::string> filesBefore = FilesIn(dataDir);
    const RolloverOutcome outcome = rollOver();
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.failure, kNoCarriedProfitAccount);
    EXPECT_EQ(FilesIn(dataDir), filesBefore);
    EXPECT_EQ(Sha256Of(sourcePath), digest);
}

// A closing entry that the closing window's list could not read (a text in
// its 追番, a field the journal's walk does not read itself) is refused by
// name, as the list refuses it: the walk finds the entry, the list's query reads it.
TEST_F(SampleRollover, IsRefusedNamingAClosingEntryTheClosingWindowCannotList)
{
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sourcePath);
    db->Execute("UPDATE 仕訳台帳 SET 追番 = '二' WHERE rowid = (SELECT max(rowid) FROM 仕訳台帳 WHERE 決算仕訳 <> 0)");
    db.reset();
    const std::string digest = Sha256Of(sourcePath);
    const std::vector<std::string> filesBefore = FilesIn(dataDir);
    const RolloverOutcome outcome = rollOver();
    EXPECT_FALSE(outcome.done);
    EXPECT_NE(outcome.failure.find("追番"), std::string::npos) << outcome.failure;
    EXPECT_NE(outcome.failure.find("二"), std::string::npos) << outcome.failure;
    EXPECT_EQ(FilesIn(dataDir), filesBefore);
    EXPECT_EQ(Sha256Of(sourcePath), digest);
}

// Two deposit accounts that each open the next period within the amount range
// but together lie beyond it: the opening cash and deposits of the settings
// could not hold them, so no file is made.
TEST_F(SampleRollover, IsRefusedWhenTheOpeningCashAndDepositsLieBeyondTheAmountRange)
{
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sourcePath);
    auto deposits = db->OpenRecordset(
        "SELECT COUNT(*) AS n FROM 勘定科目コード表 WHERE 小分類 = '現金預金' AND 勘定科目名 <> '現金'",
        dao::RecordsetType::Snapshot);
    ASSERT_GE(deposits->get("n").toInt64(), 2);
    db->Execute("UPDATE 勘定科目コード表 SET 期首残高 = 1500000000 WHERE rowid IN (SELECT rowid FROM 勘定科目コード表"
                " WHERE 小分類 = '現金預金' AND 勘定科目名 <> '現金' ORDER BY 勘定科目コード LIMIT 2)");
    db.reset();
    const std::string digest = Sha256Of(sourcePath);
    const std::vector<std::string> filesBefore = FilesIn(dataDir);
    const RolloverOutcome outcome = rollOver();
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.failure, CarriedAmountOutOfRange("期首現金預金"));
    EXPECT_EQ(FilesIn(dataDir), filesBefore);
    EXPECT_EQ(Sha256Of(sourcePath), digest);
}

// A year of a busy deposit account generated into the sample company: 50
// transfers of 43,939,217 from the current account (2,196,960,850 yen in all)
// and 50 of 43,000,000 back. The period totals of both accounts pass the
// 32-bit range; their closing balances do not, and the next period opens
// with them (46,960,850 above and below the balances without the transfers).
TEST_F(SampleRollover, CarriesDepositAccountsWhosePeriodTotalsPassThirtyTwoBits)
{
    std::string ordinary, current;
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sourcePath);
        const auto codeOf = [&](const char* name) {
            auto rs = db->OpenRecordset(
                std::string("SELECT 勘定科目コード FROM 勘定科目コード表 WHERE 適用 <> 0 AND 勘定科目名 = '") + name
                    + "'",
                dao::RecordsetType::Snapshot);
            return rs->isEmpty() ? std::string() : rs->get("勘定科目コード").toText();
        };
        ordinary = codeOf("普通預金");
        current = codeOf("当座預金");
        ASSERT_FALSE(ordinary.empty());
        ASSERT_FALSE(current.empty());
        for (int i = 0; i < 50; ++i) {
            const std::string day = "date('2025-04-01', '+" + std::to_string(i * 7) + " days')";
            db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金) VALUES (" + day
                            + ", 'B" + std::to_string(i) + "', 1, ?, 43939217, ?, 43939217)",
                        {ordinary, current});
            db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金) VALUES (" + day
                            + ", 'P" + std::to_string(i) + "', 1, ?, 43000000, ?, 43000000)",
                        {current, ordinary});
        }
    }
    const std::int64_t ordinaryWithout = accounts.at(ordinary).closing;
    const std::int64_t currentWithout = accounts.at(current).closing;
    workOutExpectations();
    ASSERT_EQ(accounts.at(ordinary).closing, ordinaryWithout + 46960850);
    ASSERT_EQ(accounts.at(current).closing, currentWithout - 46960850);

    const RolloverOutcome outcome = rollOver();
    ASSERT_TRUE(outcome.done) << outcome.failure;
    auto db = openTarget();
    for (const auto& [code, expected] :
         {std::pair{ordinary, ordinaryWithout + 46960850}, std::pair{current, currentWithout - 46960850}}) {
        SCOPED_TRACE(code);
        const std::string row = "SELECT * FROM 勘定科目コード表 WHERE 勘定科目コード = '" + code + "'";
        EXPECT_EQ(field(*db, row, "期首残高"), expected);
        EXPECT_EQ(field(*db, row, "前年決算残高"), expected);
        EXPECT_EQ(field(*db, row, "借方合計"), 0);
        EXPECT_EQ(field(*db, row, "貸方合計"), 0);
    }
    EXPECT_EQ(field(*db, "SELECT 期首残高 FROM 勘定科目コード表 WHERE 勘定科目コード = '850'", "期首残高"), profit);
}

// A closing balance beyond the amount range cannot open the next period: the
// rollover names the account and makes no file.
TEST_F(SampleRollover, IsRefusedNamingTheAccountWhoseClosingBalanceCannotOpenTheNextPeriod)
{
    std::string deposit;
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sourcePath);
        auto rs =
            db->OpenRecordset("SELECT 勘定科目コード FROM 勘定科目コード表 WHERE 適用 <> 0 AND 勘定科目名 = '普通預金'",
                              dao::RecordsetType::Snapshot);
        deposit = rs->get("勘定科目コード").toText();
        db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金)"
                    " VALUES ('2025-12-01', 'BIG', 1, ?, 2147483647, '400', 2147483647)",
                    {deposit});
    }
    const std::string digest = Sha256Of(sourcePath);
    const std::vector<std::string> filesBefore = FilesIn(dataDir);
    const RolloverOutcome outcome = rollOver();
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.failure, CarriedAmountOutOfRange("勘定科目 " + deposit + " 普通預金 期末残高"));
    EXPECT_EQ(FilesIn(dataDir), filesBefore);
    EXPECT_EQ(Sha256Of(sourcePath), digest);
}

// An existing file of the next name is replaced whole (the window asks first).
TEST_F(SampleRollover, ReplacesAnExistingNextFile)
{
    periodfile::testing::writeAll(targetPath, "old contents");
    ASSERT_TRUE(rollOver().done);
    auto db = openTarget();
    EXPECT_EQ(field(*db, "SELECT 会計年度 FROM 会計設定", "会計年度"), 11);
}

// A period that ends on 29 February, and bank accounts of which the second
// names a bank the bank master does not hold: every account is carried.
TEST(SmallRollover, MovesTheDatesOnAYearAndCarriesEveryBankAccount)
{
    testsupport::TempPeriodFile file("甲商事", 7, "2023-03-01");
    const std::string target = (file.dir() / "甲商事第8期.mdb").string();
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        db->Execute("UPDATE 会計設定 SET 決算報告日 = '2024-02-29'");
        db->Execute("INSERT INTO 取引銀行 (no, 銀行コード, 支店コード, 種別, 期首残高, 現残高) VALUES"
                    " (1, '0001', '0001001', '普通預金', 1000, 0),"
                    " (2, '7777', '7777001', '普通預金', 2000, 0),"
                    " (3, '0009', '0009001', '当座預金', 3000, 0)");
        db->Execute(
            "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金, 銀行コード, 支店コード)"
            " VALUES ('2024-02-29', '240229090000', 1, '103', 500, '111', 500, '7777', '7777001'),"
            " ('2023-03-01', '230301090000', 1, '511', 300, '102', 300, '0009', '0009001'),"
            " ('2024-03-01', '240301090000', 1, '103', 900, '111', 900, '0001', '0001001'),"
            " (NULL, '000000000000', 1, '511', 1, '100', 1, '', '')");
        // The history mostly of the next period: its one row of the closed period goes.
        db->Execute(
            "INSERT INTO 仕訳変更履歴 (変更日, 変更理由, 日付, 摘要) VALUES"
            " ('2023-06-01 09:00:00', '1', '2023-05-31', '今期'), ('2024-03-02 09:00:00', '1', '2024-03-01', '次期1'),"
            " ('2024-03-03 09:00:00', '2', '2024-03-02', '次期2'), ('2024-03-04 09:00:00', '1', NULL, '日付なし')");
    }
    // The rows have no credit side, so the openings do not balance: go on all the same.
    const RolloverOutcome outcome =
        RollOverPeriodFile({file.path(), "甲商事第8期.mdb", target, 7}, [](const std::string&) { return true; });
    ASSERT_TRUE(outcome.done) << outcome.failure;
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(target);
    auto settings = db->OpenRecordset("会計設定", dao::RecordsetType::Snapshot);
    settings->MoveFirst();
    EXPECT_EQ(settings->get("会計年度").toInt32(), 8);
    EXPECT_EQ(settings->get("会計期間開始日").toText(), "2024/3/1");
    EXPECT_EQ(settings->get("会計期間終了日").toText(), "2025/2/28");
    EXPECT_EQ(settings->get("決算報告日").toText(), "2025/2/28");
    EXPECT_EQ(testsupport::DumpRows(*db, "SELECT 期首残高, 現残高 FROM 取引銀行 ORDER BY no"),
              "期首残高=1000|現残高=1000|\n期首残高=2500|現残高=2500|\n期首残高=2700|現残高=2700|\n");
    // The rows dated after the period, and those without a date, stay.
    EXPECT_EQ(testsupport::DumpRows(*db, "SELECT 伝票番号 FROM 仕訳台帳 ORDER BY rowid"),
              "伝票番号=240301090000|\n伝票番号=000000000000|\n");
    EXPECT_EQ(testsupport::DumpRows(*db, "SELECT 摘要 FROM 仕訳変更履歴 ORDER BY rowid"),
              "摘要=次期1|\n摘要=次期2|\n摘要=日付なし|\n");
}

// Rows another tool dated "Y/M/D": those of the closed period (2023-03-01 ..
// 2024-02-29) go and count in the balances the next period opens with; those
// before or after it stay and count in none.
TEST(SmallRollover, RowsOfTheClosedPeriodGoWhateverFormTheirDateIsStoredIn)
{
    testsupport::TempPeriodFile file("甲商事", 7, "2023-03-01");
    const std::string target = (file.dir() / "甲商事第8期.mdb").string();
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        db->Execute("UPDATE 勘定科目コード表 SET 期首残高 = 0 WHERE 勘定科目コード = '103'");
        db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金) VALUES"
                    " ('2023/3/1', '初日', 1, '103', 500, '', 0),"
                    " ('2024/2/29 10:00', '末日', 1, '103', 700, '', 0),"
                    " ('2023/10/5', '期中', 1, '103', 40, '', 0),"
                    " ('2023/2/28', '前期', 1, '103', 300, '', 0),"
                    " ('2024/3/1', '翌期', 1, '103', 900, '', 0)");
    }
    // The rows have no credit side, so the openings do not balance: go on all the same.
    const RolloverOutcome outcome =
        RollOverPeriodFile({file.path(), "甲商事第8期.mdb", target, 7}, [](const std::string&) { return true; });
    ASSERT_TRUE(outcome.done) << outcome.failure;
    auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(target);
    EXPECT_EQ(testsupport::DumpRows(*db, "SELECT 伝票番号 FROM 仕訳台帳 ORDER BY rowid"),
              "伝票番号=前期|\n伝票番号=翌期|\n");
    // 500 + 700 + 40, by hand.
    EXPECT_EQ(field(*db, "SELECT 期首残高 FROM 勘定科目コード表 WHERE 勘定科目コード = '103'", "期首残高"), 1240);
}

// ---- names and dates -----------------------------------------------------------------

struct NameCase {
    const char* name;
    const char* current;
    long long period;  // 会計年度 of the current file
    const char* next;  // "" when refused
};
void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.name;
}

class NextPeriodName : public ::testing::TestWithParam<NameCase> {};

TEST_P(NextPeriodName, ComesFromTheTextBeforeTheFirstMarkAndThePeriodNumber)
{
    const NameCase& c = GetParam();
    const RolloverFilesOrRefusal files = RolloverFilesFor("/会計", c.current, c.period);
    if (*c.next == '\0') {
        EXPECT_FALSE(files.files);
        EXPECT_FALSE(files.refusal.empty());
        return;
    }
    ASSERT_TRUE(files.files) << files.refusal;
    EXPECT_EQ(files.files->targetName, c.next);
    EXPECT_EQ(files.files->targetPath, std::string("/会計/") + c.next);
    EXPECT_EQ(files.files->sourcePath, std::string("/会計/") + c.current);
}

INSTANTIATE_TEST_SUITE_P(Rollover, NextPeriodName,
                         ::testing::Values(NameCase{"Usual", "甲商事第7期.mdb", 7, "甲商事第8期.mdb"},
                                           NameCase{"NumberFromTheSettings", "甲商事第7期.mdb", 12, "甲商事第13期.mdb"},
                                           NameCase{"CutAtTheFirstMark", "第一商事第3期.mdb", 3, "第4期.mdb"},
                                           NameCase{"NoMark", "甲商事7期.mdb", 7, ""},
                                           NameCase{"TargetIsTheSource", "甲商事第8期.mdb", 7, ""}),
                         testsupport::kCaseName);

struct DateCase {
    const char* name;
    dao::Date date;
    dao::Date later;
};
void PrintTo(const DateCase& c, std::ostream* os)
{
    *os << c.name;
}

class OneYearOn : public ::testing::TestWithParam<DateCase> {};

TEST_P(OneYearOn, KeepsMonthAndDay)
{
    EXPECT_EQ(OneYearLater(GetParam().date), GetParam().later);
}

INSTANTIATE_TEST_SUITE_P(Rollover, OneYearOn,
                         ::testing::Values(DateCase{"LeapDay", {2024, 2, 29}, {2025, 2, 28}},
                                           DateCase{"EndOfFebruaryIntoALeapYear", {2023, 2, 28}, {2024, 2, 28}},
                                           DateCase{"EndOfMarch", {2026, 3, 31}, {2027, 3, 31}}),
                         testsupport::kCaseName);

}  // namespace
