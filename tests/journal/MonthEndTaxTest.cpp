// The month-end tax-inclusive entries over a period from 1 April 2019, which
// sees the rate rise from 8 % to 10 % on 1 October 2019 and a leap February.

#include "journal/MonthEndTax.h"

#include "support/TempPeriodFile.h"

#include <gtest/gtest.h>

using namespace journal;
using testsupport::DumpRows;
using testsupport::TempPeriodFile;

namespace {

// Codes of the standard chart.
const MonthEndAccounts kAccounts{"136", "201", "100", "214", "111"};  // 仮払消費税 買掛金 現金 未払消費税 売掛金

class MonthEndTaxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        workspace = dao::DBEngine::instance().Workspaces(0);
        db = workspace->OpenDatabase(file.path());
        // 仕入高 411 and 仕入値引戻し高 412 are taxable cost of sales, 期首商品棚卸高 410
        // is not; 売上高 400 is taxable sales.
        struct Row {
            const char* date;
            const char* debit;
            const char* credit;
            int amount;
        };
        const Row rows[] = {
            {"2019-03-31", "411", "201", 1'080},   // before the period
            {"2019-09-05", "410", "201", 50'000},  // not taxable
            {"2019-09-30", "411", "201", 10'800},  // 8 %: 800
            {"2019-10-01", "411", "201", 11'000},  // 10 % from its first day: 1,000
            {"2019-10-15", "412", "100", 2'200},   // in cash: 200
            {"2020-02-10", "100", "400", 1'100},   // a sale in cash: 100
            {"2020-02-29", "111", "400", 22'000},  // a sale on credit: 2,000
            {"2020-03-31", "411", "100", 5'500},   // the period's last day: 500
            {"2020-04-01", "411", "201", 1'100},   // after the period
        };
        int n = 0;
        for (const Row& r : rows)
            db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                        " VALUES (?, ?, 1, '取引', ?, ?, ?, ?)",
                        {r.date, "1900010000" + std::to_string(++n), r.debit, r.amount, r.credit, r.amount});
        journalRs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
        auto rates = db->OpenRecordset("Q_消費税率", dao::RecordsetType::Snapshot);
        rateTable = ReadTaxRateTable(*rates);
    }
    void TearDown() override { dao::DBEngine::instance().clearFailurePlan(); }

    RunOutcome run()
    {
        MonthEndSources sources{*workspace,
                                *db,
                                *journalRs,
                                dao::Date{2019, 4, 1},
                                dao::Date{2020, 3, 31},
                                kAccounts,
                                rateTable,
                                FractionRule::Truncate};
        RunOutcome outcome = PostMonthEndTaxEntries(sources);
        journalRs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
        return outcome;
    }

    // The month-end vouchers: 伝票番号|日付|追番|摘要|借方コード|入金|貸方コード|出金
    std::vector<std::string> monthEndRows()
    {
        std::vector<std::string> rows;
        auto rs = db->OpenRecordset("SELECT * FROM 仕訳台帳 WHERE 伝票番号 NOT LIKE '19000100%' ORDER BY rowid",
                                    dao::RecordsetType::Snapshot);
        if (rs->isEmpty())
            return rows;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            std::string line;
            for (const char* f : {"伝票番号", "日付", "追番", "摘要", "借方コード", "入金", "貸方コード", "出金"})
                line += (line.empty() ? "" : "|") + rs->get(f).toText();
            rows.push_back(line);
        }
        return rows;
    }

    TempPeriodFile file{"テスト商事", 12, "2019-04-01"};
    std::shared_ptr<dao::Workspace> workspace;
    std::shared_ptr<dao::Database> db;
    std::unique_ptr<dao::Recordset> journalRs;
    TaxRateTable rateTable;
};

// Each row is taxed at the rate of its own date; both vouchers of October credit
// the account of the purchase counted last; the period's last day is counted and
// February closes on the 29th.
TEST_F(MonthEndTaxTest, PostsEachMonthsTaxAtTheRateOfEachRowsDate)
{
    const RunOutcome outcome = run();
    EXPECT_TRUE(outcome.notices.empty());
    EXPECT_EQ(outcome.count.postedVouchers, 6);
    EXPECT_EQ(monthEndRows(),
              (std::vector<std::string>{
                  "2019/09/300001|2019/9/30|1|9月分仮払消費税（買掛金）|136|800|411|800",
                  "2019/10/310001|2019/10/31|1|10月分仮払消費税（買掛金）|136|1000|412|1000",
                  "2019/10/310002|2019/10/31|1|10月分仮払消費税（現金)|136|200|412|200",
                  "2002290003|2020/2/29|1|2月分未払消費税（売掛金）|400|2000|214|2000",
                  "2002290004|2020/2/29|1|2月分未払消費税（現金）|400|100|214|100",
                  "2020/03/310002|2020/3/31|1|3月分仮払消費税（現金)|136|500|411|500",
              }));
}

// The same journal with some dates stored as another tool writes them: the
// journal lists "2019/10/15" after "2020-04-01" (its order is the text's), yet
// every row counts in its own month and the vouchers are the same.
TEST_F(MonthEndTaxTest, RowsDatedInOtherFormsCountInTheirOwnMonths)
{
    const std::pair<const char*, const char*> forms[] = {
        {"2019-09-30", "2019/9/30"},
        {"2019-10-15", "2019/10/15"},
        {"2020-02-29", "2020/2/29"},
        {"2020-03-31", "2020/3/31 17:00"},
    };
    for (const auto& [iso, other] : forms)
        db->Execute("UPDATE 仕訳台帳 SET 日付 = ? WHERE 日付 = ?", {other, iso});
    journalRs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
    const RunOutcome outcome = run();
    EXPECT_TRUE(outcome.notices.empty());
    EXPECT_EQ(outcome.count.postedVouchers, 6);
    EXPECT_EQ(monthEndRows(),
              (std::vector<std::string>{
                  "2019/09/300001|2019/9/30|1|9月分仮払消費税（買掛金）|136|800|411|800",
                  "2019/10/310001|2019/10/31|1|10月分仮払消費税（買掛金）|136|1000|412|1000",
                  "2019/10/310002|2019/10/31|1|10月分仮払消費税（現金)|136|200|412|200",
                  "2002290003|2020/2/29|1|2月分未払消費税（売掛金）|400|2000|214|2000",
                  "2002290004|2020/2/29|1|2月分未払消費税（現金）|400|100|214|100",
                  "2020/03/310002|2020/3/31|1|3月分仮払消費税（現金)|136|500|411|500",
              }));
}

TEST_F(MonthEndTaxTest, ASecondRunPostsNothingAgain)
{
    ASSERT_EQ(run().count.postedVouchers, 6);
    const std::string before = DumpRows(*db, "Q_仕訳台帳");
    const RunOutcome again = run();
    EXPECT_EQ(again.count.postedVouchers, 0);
    EXPECT_EQ(again.count.skippedVouchers, 6);
    ASSERT_EQ(again.notices.size(), 1u);
    EXPECT_EQ(again.notices[0].text, kMonthEndAlreadyPosted);
    EXPECT_EQ(DumpRows(*db, "Q_仕訳台帳"), before);
}

// A month added to the journal after a run is posted by the next run.
TEST_F(MonthEndTaxTest, ALaterRunPostsOnlyTheNewMonths)
{
    ASSERT_EQ(run().count.postedVouchers, 6);
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金)"
                " VALUES ('2019-11-11', '191111000001', 1, '411', 3300, '201', 3300)");
    journalRs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
    const RunOutcome again = run();
    EXPECT_TRUE(again.notices.empty());
    EXPECT_EQ(again.count.postedVouchers, 1);
    EXPECT_EQ(monthEndRows().back(), "2019/11/300001|2019/11/30|1|11月分仮払消費税（買掛金）|136|300|411|300");
}

// A voucher of another kind holds the number of October's purchases on credit:
// the run posts nothing and names both vouchers; it is never left out silently.
TEST_F(MonthEndTaxTest, AVoucherHoldingAMonthEndNumberStopsTheRunAndIsNamed)
{
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                " VALUES ('2019-10-31', '2019/10/310001', 1, '前期からの振替', '136', 5, '100', 5)");
    journalRs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
    const std::string before = DumpRows(*db, "Q_仕訳台帳");
    const RunOutcome refused = run();
    ASSERT_EQ(refused.notices.size(), 1u);
    const std::string& text = refused.notices[0].text;
    EXPECT_TRUE(refused.notices[0].beep);
    EXPECT_NE(text.find("2019/10/310001「10月分仮払消費税（買掛金）」"), std::string::npos) << text;
    EXPECT_NE(text.find("2019/10/31「前期からの振替」"), std::string::npos) << text;
    EXPECT_EQ(refused.count.postedVouchers, 0);
    EXPECT_EQ(DumpRows(*db, "Q_仕訳台帳"), before);
}

// Purchases and sales corrected after a run: the stored vouchers stay, and the
// run names each month whose stored tax differs from the journal's, with both
// figures (October's credit purchases 1,000 where 3,000 is due; February's cash
// sale deleted, so its 100 is now due as 0).
TEST_F(MonthEndTaxTest, AStoredTaxThatDiffersFromTheJournalIsNamedWithBothFigures)
{
    ASSERT_EQ(run().count.postedVouchers, 6);
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                " VALUES ('2019-10-20', '191020000001', 1, '追加仕入', '411', 22000, '201', 22000)");
    db->Execute("DELETE FROM 仕訳台帳 WHERE 日付 = '2020-02-10'");
    journalRs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
    const std::string before = DumpRows(*db, "Q_仕訳台帳");

    const RunOutcome again = run();
    EXPECT_EQ(again.count.postedVouchers, 0);
    ASSERT_EQ(again.notices.size(), 2u);
    EXPECT_EQ(again.notices[0].text, kMonthEndAlreadyPosted);
    const std::string& text = again.notices[1].text;
    EXPECT_TRUE(again.notices[1].beep);
    EXPECT_NE(text.find("2019年10月分仮払消費税（買掛金）：登録済み 1,000円、集計 3,000円"), std::string::npos) << text;
    EXPECT_NE(text.find("2020年2月分未払消費税（現金）：登録済み 100円、集計 0円"), std::string::npos) << text;
    EXPECT_EQ(text.find("9月分"), std::string::npos) << "months that agree are not named: " << text;
    EXPECT_EQ(DumpRows(*db, "Q_仕訳台帳"), before);
}

TEST_F(MonthEndTaxTest, AMissingAccountIsNamedAndNothingIsPosted)
{
    const std::vector<JournalRecord> rows = ReadJournalRecords(*journalRs, RecordKind::Voucher, TaxColumns::Read);
    const std::pair<std::string MonthEndAccounts::*, const char*> accounts[] = {
        {&MonthEndAccounts::inputTax, "仮払消費税"}, {&MonthEndAccounts::payables, "買掛金"},
        {&MonthEndAccounts::cash, "現金"},           {&MonthEndAccounts::unpaidTax, "未払消費税"},
        {&MonthEndAccounts::receivables, "売掛金"},
    };
    for (const auto& [member, name] : accounts) {
        MonthEndAccounts missing = kAccounts;
        missing.*member = "";
        const MonthEndVoucherList list = MonthEndVouchers(rows, dao::Date{2019, 4, 1}, dao::Date{2020, 3, 31}, missing,
                                                          rateTable, FractionRule::Truncate);
        EXPECT_EQ(list.error.value_or(""), std::string("勘定科目に「") + name + "」が登録されていません");
        EXPECT_TRUE(list.rows.empty());
        // An empty journal still does nothing, and says nothing.
        const MonthEndVoucherList none = MonthEndVouchers({}, dao::Date{2019, 4, 1}, dao::Date{2020, 3, 31}, missing,
                                                          rateTable, FractionRule::Truncate);
        EXPECT_FALSE(none.error);
        EXPECT_TRUE(none.rows.empty());
    }
}

TEST_F(MonthEndTaxTest, AFailedWritePostsNoneOfTheRunsVouchers)
{
    const std::string before = DumpRows(*db, "Q_仕訳台帳");
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::DiskFull, 4, false});
    const RunOutcome failed = run();
    dao::DBEngine::instance().clearFailurePlan();
    ASSERT_EQ(failed.notices.size(), 1u);
    EXPECT_TRUE(failed.notices[0].beep);
    EXPECT_EQ(failed.notices[0].text.rfind("仕訳を登録できませんでした", 0), 0u);
    EXPECT_EQ(DumpRows(*db, "Q_仕訳台帳"), before);
    EXPECT_EQ(run().count.postedVouchers, 6);
}

TEST_F(MonthEndTaxTest, AFailedCommitPostsNothingAndLeavesNoTransactionOpen)
{
    const std::string before = DumpRows(*db, "Q_仕訳台帳");
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::CommitFails, 1, false});
    const RunOutcome failed = run();
    dao::DBEngine::instance().clearFailurePlan();
    ASSERT_EQ(failed.notices.size(), 1u);
    EXPECT_EQ(failed.notices[0].text.rfind("仕訳を登録できませんでした", 0), 0u);
    EXPECT_FALSE(dao::DBEngine::instance().Workspaces(0)->inTransaction());
    EXPECT_EQ(DumpRows(*db, "Q_仕訳台帳"), before);
    EXPECT_EQ(run().count.postedVouchers, 6);
}

TEST_F(MonthEndTaxTest, AJournalWithoutCountedRowsPostsNothingAndSaysNothing)
{
    db->Execute("DELETE FROM 仕訳台帳 WHERE 借方コード <> '410'");
    journalRs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
    const RunOutcome outcome = run();
    EXPECT_TRUE(outcome.notices.empty());
    EXPECT_EQ(outcome.count.postedRows, 0);
}

}  // namespace
