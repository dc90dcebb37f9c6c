// Salary and bonus runs on the sample company with the sample payroll file, and
// with small payroll files of their own where a case needs one.

#include "journal/PayrollRun.h"

#include "support/TempPeriodFile.h"
#include "periodfile/PayrollSample.h"
#include "periodfile/SampleCompany.h"
#include "periodfile/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace journal;
using periodfile::Payslip;
using testsupport::DumpRows;

namespace {

// One stored journal row: 追番|摘要|借方コード|入金|貸方コード|出金|銀行コード|支店コード
using RowText = std::string;

class PayrollRunTest : public ::testing::Test {
public:
    void SetUp() override { prepareFolder("main"); }
    void TearDown() override { dao::DBEngine::instance().clearFailurePlan(); }

    // The sample company and the sample payroll file in a folder of their own.
    void prepareFolder(const std::string& name)
    {
        folder = dir.path() / name;
        const std::string periodFile = periodfile::createSampleCompany(folder.string());
        periodfile::createPayrollSample(folder.string());
        workspace = dao::DBEngine::instance().Workspaces(0);
        db = workspace->OpenDatabase(periodFile);
        reopen();
    }
    std::string file(const std::string& name) const { return (folder / name).string(); }

    void reopen()
    {
        templates = db->OpenRecordset("Q_仕訳定型台帳", dao::RecordsetType::Dynaset);
        usedAccounts = db->OpenRecordset("Q_使用勘定科目表", dao::RecordsetType::Snapshot);
        journalRs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
    }

    PayrollOutcome run(PayrollKind kind)
    {
        PayrollSources sources{
            *workspace,     *db, *templates, *usedAccounts, *journalRs, dao::Date{2025, 4, 1}, dao::Date{2026, 3, 31},
            folder.string()};
        PayrollOutcome outcome = runner.Run(kind, sources);
        reopen();
        return outcome;
    }

    // Points wjDBPath.txt at a payroll file of the test's own.
    std::string usePayrollFile(const std::vector<Payslip>& salaries, const std::vector<Payslip>& bonuses)
    {
        const std::string path = file("test-payroll-" + std::to_string(++payrollFiles) + ".mdb");
        periodfile::writePayrollFile(path, salaries, bonuses);
        writePathFile(path + "\r\n");
        return path;
    }
    void writePathFile(const std::string& content)
    {
        std::ofstream(file("wjDBPath.txt"), std::ios::binary | std::ios::trunc) << content;
    }

    std::vector<RowText> voucher(const std::string& number)
    {
        std::vector<RowText> rows;
        auto rs = db->OpenRecordset("SELECT * FROM 仕訳台帳 WHERE 伝票番号 = '" + number + "' ORDER BY 追番",
                                    dao::RecordsetType::Snapshot);
        if (rs->isEmpty())
            return rows;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            std::string line;
            for (const char* f :
                 {"追番", "摘要", "借方コード", "入金", "貸方コード", "出金", "銀行コード", "支店コード"})
                line += (line.empty() ? "" : "|") + rs->get(f).toText();
            rows.push_back(line + "|" + rs->get("日付").toText());
        }
        return rows;
    }

    long long sum(const std::string& where)
    {
        auto rs = db->OpenRecordset("SELECT SUM(入金) AS s, SUM(出金) AS c FROM 仕訳台帳 WHERE " + where,
                                    dao::RecordsetType::Snapshot);
        EXPECT_EQ(rs->get("s").toInt64(), rs->get("c").toInt64()) << where;
        return rs->get("s").toInt64();
    }
    long long count(const std::string& where)
    {
        auto rs = db->OpenRecordset("SELECT COUNT(*) AS n FROM 仕訳台帳 WHERE " + where, dao::RecordsetType::Snapshot);
        return rs->get("n").toInt64();
    }

    std::string journalDump() { return DumpRows(*db, "Q_仕訳台帳"); }

    periodfile::testing::TempDir dir;
    std::filesystem::path folder;
    std::shared_ptr<dao::Workspace> workspace;
    std::shared_ptr<dao::Database> db;
    std::unique_ptr<dao::Recordset> templates, usedAccounts, journalRs;
    PayrollRun runner;
    int payrollFiles = 0;
};

Payslip slip(const std::string& date, int employment, long long gross, long long d8 = 0, long long d6 = 0,
             long long d10 = 0, long long child = 0)
{
    return {date, "X", "テスト", employment, gross, d8, d6, d10, child};
}

// The sample's monthly salaries: officers 600,000 + 400,000 less 142,000,
// 55,000 and 57,000; employees 300,000 + 250,000 + 220,000 less 110,000,
// 16,000 and 27,000; part-timers 90,000 (60,000 in August) + 70,000 less 1,000
// income tax; child-rearing contributions 2,100 + 1,400 + 1,080 + 900 + 790.
TEST_F(PayrollRunTest, SalaryRunPostsEveryPayDateOfThePeriodFromTheTemplates)
{
    const PayrollOutcome outcome = run(PayrollKind::Salary);
    EXPECT_TRUE(outcome.notices.empty()) << outcome.notices.front().text;
    EXPECT_EQ(outcome.count.postedVouchers, 12 * 4);
    EXPECT_EQ(outcome.count.postedRows, 12 * (4 + 4 + 2 + 1));

    // April: the officers' voucher takes the template's accounts, bank and descriptions.
    EXPECT_EQ(voucher("250425045000"),
              (std::vector<RowText>{"1|4月分役員報酬|500|746000|103|746000|0001|0001203|2025/4/25",
                                    "2|4月分社会保険料|500|142000|216|142000|||2025/4/25",
                                    "3|4月分源泉所得税|500|55000|216|55000|||2025/4/25",
                                    "4|4月分住民税|500|57000|216|57000|||2025/4/25"}));
    // The part-timers pay no insurance or resident tax: the income tax row is row 2.
    EXPECT_EQ(voucher("250825085020"),
              (std::vector<RowText>{"1|8月分パート、アルバイト給与|502|129000|103|129000|0001|0001203|2025/8/25",
                                    "2|8月分源泉所得税|502|1000|216|1000|||2025/8/25"}));
    // The child-rearing contribution debits 法定福利費 and credits the part-timers' deposit.
    EXPECT_EQ(voucher("260325035061"),
              (std::vector<RowText>{"1|3月分子供・子育て拠出金|506|6270|103|6270|0001|0001203|2026/3/25"}));

    // A year's sums; the March salary of the period before is not posted.
    EXPECT_EQ(sum("摘要 LIKE '%月分役員報酬'"), 12 * 746'000);
    EXPECT_EQ(sum("摘要 LIKE '%月分給与'"), 12 * 617'000);
    EXPECT_EQ(sum("摘要 LIKE '%月分パート、アルバイト給与'"), 11 * 159'000 + 129'000);
    EXPECT_EQ(sum("借方コード = '500' AND 摘要 LIKE '%月分社会保険料'"), 12 * 142'000);
    EXPECT_EQ(sum("借方コード = '501' AND 摘要 LIKE '%月分住民税'"), 12 * 27'000);
    EXPECT_EQ(sum("摘要 LIKE '%月分子供・子育て拠出金'"), 12 * 6'270);
    EXPECT_EQ(count("伝票番号 LIKE '250325%'"), 0);
    EXPECT_EQ(count("摘要 LIKE '%月分住民税' AND 借方コード = '502'"), 0);
}

// Bonuses on 10 July and 10 December: officers 1,600,000 less 240,000 and
// 160,000; employees 1,200,000 less 180,000 and 62,000; the part-timer 30,000
// and 50,000; no resident tax (the payroll file leaves it empty).
TEST_F(PayrollRunTest, BonusRunPostsBothBonusesApartFromTheSalaries)
{
    ASSERT_TRUE(run(PayrollKind::Salary).notices.empty());
    const PayrollOutcome outcome = run(PayrollKind::Bonus);
    EXPECT_TRUE(outcome.notices.empty()) << outcome.notices.front().text;
    EXPECT_EQ(outcome.count.postedVouchers, 2 * 4);

    EXPECT_EQ(voucher("250710075042"),
              (std::vector<RowText>{"1|7月分役員賞与|504|1200000|103|1200000|0001|0001203|2025/7/10",
                                    "2|7月分社会保険料|504|240000|216|240000|||2025/7/10",
                                    "3|7月分源泉所得税|504|160000|216|160000|||2025/7/10"}));
    EXPECT_EQ(voucher("251210125032").front(), "1|12月分賞与|503|958000|103|958000|0001|0001203|2025/12/10");
    EXPECT_EQ(voucher("251210125022"),
              (std::vector<RowText>{"1|12月分パート、アルバイト賞与|502|50000|103|50000|0001|0001203|2025/12/10"}));
    EXPECT_EQ(voucher("250710075063"),
              (std::vector<RowText>{"1|7月分子供・子育て拠出金|506|10080|103|10080|0001|0001203|2025/7/10"}));
    EXPECT_EQ(sum("伝票番号 LIKE '%2' AND 摘要 LIKE '%賞与'"), 2 * (1'200'000 + 958'000) + 30'000 + 50'000);
}

TEST_F(PayrollRunTest, ASecondRunPostsNothingAndSaysSo)
{
    for (PayrollKind kind : {PayrollKind::Salary, PayrollKind::Bonus}) {
        ASSERT_TRUE(run(kind).notices.empty());
        const std::string before = journalDump();
        const PayrollOutcome again = run(kind);
        ASSERT_EQ(again.notices.size(), 1u);
        EXPECT_EQ(again.notices[0].text, TextsOf(kind).alreadyPosted);
        EXPECT_TRUE(again.notices[0].beep);
        EXPECT_EQ(again.count.postedRows, 0);
        EXPECT_EQ(journalDump(), before);
    }
}

// Each voucher is checked on its own: a pay date added to the payroll file after
// a run is posted by the next one, also when the part-timers had nothing on the
// first pay date (whose voucher the journal then never holds).
TEST_F(PayrollRunTest, ALaterRunPostsOnlyThePayDatesNotYetPosted)
{
    const std::vector<Payslip> first = {slip("2025-04-25", 1, 500'000, 70'000), slip("2025-05-25", 1, 500'000, 70'000),
                                        slip("2025-05-25", 4, 80'000)};
    usePayrollFile(first, {});
    ASSERT_TRUE(run(PayrollKind::Salary).notices.empty());
    EXPECT_EQ(voucher("250425045000").size(), 2u);

    std::vector<Payslip> later = first;
    later.push_back(slip("2025-06-25", 1, 510'000, 71'000));
    usePayrollFile(later, {});
    const std::string before = journalDump();
    const PayrollOutcome outcome = run(PayrollKind::Salary);
    EXPECT_TRUE(outcome.notices.empty());
    EXPECT_EQ(outcome.count.postedVouchers, 1);
    EXPECT_EQ(outcome.count.skippedVouchers, 3);
    EXPECT_EQ(voucher("250625065000"),
              (std::vector<RowText>{"1|6月分役員報酬|500|439000|103|439000|0001|0001203|2025/6/25",
                                    "2|6月分社会保険料|500|71000|216|71000|||2025/6/25"}));
}

// A bonus paid on a salary pay date: both runs post, under numbers of their own,
// each voucher numbered from 1.
TEST_F(PayrollRunTest, SalaryAndBonusOnOnePayDateKeepTheirOwnVouchers)
{
    usePayrollFile({slip("2025-07-25", 4, 90'000, 0, 500, 0, 100)}, {slip("2025-07-25", 4, 40'000, 0, 800, 0, 50)});
    ASSERT_TRUE(run(PayrollKind::Salary).notices.empty());
    const PayrollOutcome bonus = run(PayrollKind::Bonus);
    EXPECT_TRUE(bonus.notices.empty());
    EXPECT_EQ(bonus.count.postedVouchers, 2);
    EXPECT_EQ(voucher("250725075020"),
              (std::vector<RowText>{"1|7月分パート、アルバイト給与|502|89500|103|89500|0001|0001203|2025/7/25",
                                    "2|7月分源泉所得税|502|500|216|500|||2025/7/25"}));
    EXPECT_EQ(voucher("250725075022"),
              (std::vector<RowText>{"1|7月分パート、アルバイト賞与|502|39200|103|39200|0001|0001203|2025/7/25",
                                    "2|7月分源泉所得税|502|800|216|800|||2025/7/25"}));
    EXPECT_EQ(voucher("250725075061").size(), 1u);
    EXPECT_EQ(voucher("250725075063").size(), 1u);
}

TEST_F(PayrollRunTest, PayslipsOutsideThePeriodAreLeftOutAndOtherGroupsOnlyAddTheirContribution)
{
    usePayrollFile({slip("2025-03-31", 1, 100'000), slip("2025-04-01", 1, 200'000, 0, 0, 0, 10),
                    slip("2025-04-01", 6, 999'000, 0, 0, 0, 5), slip("2026-03-31", 2, 300'000),
                    slip("2026-04-01", 2, 400'000)},
                   {});
    ASSERT_TRUE(run(PayrollKind::Salary).notices.empty());
    EXPECT_EQ(voucher("250401045000"),
              (std::vector<RowText>{"1|4月分役員報酬|500|200000|103|200000|0001|0001203|2025/4/1"}));
    EXPECT_EQ(voucher("250401045061").front(), "1|4月分子供・子育て拠出金|506|15|103|15|0001|0001203|2025/4/1");
    EXPECT_EQ(voucher("260331035010").size(), 1u);
    EXPECT_EQ(count("伝票番号 LIKE '250331%' OR 伝票番号 LIKE '260401%'"), 0);
}

// A voucher entered by hand at 09:50:00 on 25 September 2025 holds the number
// of that month's officers' salary voucher ("25092509", 役員報酬 500, "0"). The
// run is refused, naming both vouchers, and posts nothing; once the hand-entered
// voucher has another number, the run posts everything and a rerun still knows
// its own vouchers.
TEST_F(PayrollRunTest, AVoucherHoldingAPayrollNumberStopsTheRunAndIsNamed)
{
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                " VALUES ('2025-09-25', '250925095000', 1, '事務用品', '517', 3300, '100', 3300)");
    reopen();
    const std::string before = journalDump();
    const PayrollOutcome refused = run(PayrollKind::Salary);
    ASSERT_EQ(refused.notices.size(), 1u);
    const std::string& text = refused.notices[0].text;
    EXPECT_TRUE(refused.notices[0].beep);
    EXPECT_NE(text.find("250925095000「9月分役員報酬」"), std::string::npos) << text;
    EXPECT_NE(text.find("2025/09/25「事務用品」"), std::string::npos) << text;
    EXPECT_NE(text.find("何も登録していません"), std::string::npos) << text;
    EXPECT_EQ(refused.count.postedRows, 0);
    EXPECT_EQ(journalDump(), before);

    db->Execute("UPDATE 仕訳台帳 SET 伝票番号 = '250925095001' WHERE 伝票番号 = '250925095000'");
    reopen();
    const PayrollOutcome posted = run(PayrollKind::Salary);
    EXPECT_TRUE(posted.notices.empty());
    EXPECT_EQ(posted.count.postedVouchers, 48);
    EXPECT_EQ(voucher("250925095000").front(), "1|9月分役員報酬|500|746000|103|746000|0001|0001203|2025/9/25");
    const PayrollOutcome again = run(PayrollKind::Salary);
    ASSERT_EQ(again.notices.size(), 1u);
    EXPECT_EQ(again.notices[0].text, TextsOf(PayrollKind::Salary).alreadyPosted);
}

// Every refusal says why in a message and posts nothing.
TEST_F(PayrollRunTest, ARunThatCannotReadItsPayslipsPostsNothingAndSaysWhy)
{
    struct Case {
        const char* name;
        std::function<void(PayrollRunTest&)> prepare;
        std::string expected;  // the start of the message
        bool beep;
        std::size_t messages = 1;  // how many times it is shown
    };
    const std::vector<Case> cases = {
        {"no path file", [](PayrollRunTest& t) { std::filesystem::remove(t.file("wjDBPath.txt")); },
         "給与データベースの場所を記したファイル", true},
        {"empty path file", [](PayrollRunTest& t) { t.writePathFile("\r\n"); }, "「", true},
        {"payroll file missing", [](PayrollRunTest& t) { t.writePathFile(t.file("none.mdb") + "\r\n"); },
         "給与データベースを読めません", true},
        {"query missing",
         [](PayrollRunTest& t) {
             auto payroll = t.workspace->OpenDatabase(t.usePayrollFile({}, {}));
             payroll->Execute("DROP VIEW Q_給与明細書");
         },
         "給与データベース「", true},
        {"field missing",
         [](PayrollRunTest& t) {
             auto payroll = t.workspace->OpenDatabase(t.usePayrollFile({}, {}));
             payroll->Execute("DROP VIEW Q_給与明細書");
             payroll->Execute("CREATE VIEW Q_給与明細書 AS SELECT 給与支給年月日, 雇用形態, 明細支給27, 明細控除8,"
                              " 明細控除6, 児童手当拠出金 FROM 給与明細");
         },
         "給与データベースの「Q_給与明細書」に「明細控除10」の項目がありません", true},
        {"no payslips", [](PayrollRunTest& t) { t.usePayrollFile({}, {}); }, "該当する給与明細書がありません", false},
        {"none in the period", [](PayrollRunTest& t) { t.usePayrollFile({slip("2025-03-25", 1, 100)}, {}); },
         "該当する給与明細書がありません", false},
        {"法定福利費 not in use",
         [](PayrollRunTest& t) {
             t.db->Execute("UPDATE 勘定科目コード表 SET 適用 = 0 WHERE 勘定科目名 = '法定福利費'");
         },
         "勘定科目に「法定福利費」が登録されていません", true, 12},  // once for each pay date
        {"a template missing",
         [](PayrollRunTest& t) { t.db->Execute("DELETE FROM 仕訳定型台帳 WHERE 借方コード = '501'"); },
         "定型仕訳に給与手当の仕訳が登録されていません", true},
        {"a template too short",
         [](PayrollRunTest& t) {
             t.db->Execute("DELETE FROM 仕訳定型台帳 WHERE 仕訳ID = '250325111000' AND 追番 = 4");
         },
         "定型仕訳の雑給（アルバイト、パート）の仕訳は4行", true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prepareFolder("case" + std::to_string(++n));
        c.prepare(*this);
        reopen();
        const std::string before = journalDump();
        const PayrollOutcome outcome = run(PayrollKind::Salary);
        ASSERT_EQ(outcome.notices.size(), c.messages);
        for (const RunNotice& notice : outcome.notices) {
            EXPECT_EQ(notice.text.rfind(c.expected, 0), 0u) << notice.text;
            EXPECT_EQ(notice.beep, c.beep);
        }
        EXPECT_EQ(outcome.count.postedRows, 0);
        EXPECT_EQ(journalDump(), before);
    }
}

// Without 法定福利費 among the accounts in use no pay date is posted, and the
// message comes once for each pay date of the period.
TEST_F(PayrollRunTest, WithoutTheWelfareAccountEachPayDateIsReportedAndNothingIsPosted)
{
    usePayrollFile({slip("2025-03-25", 1, 100'000), slip("2025-04-25", 1, 100'000), slip("2025-04-25", 4, 50'000),
                    slip("2025-05-25", 1, 100'000), slip("2025-06-25", 2, 200'000)},
                   {});
    db->Execute("UPDATE 勘定科目コード表 SET 適用 = 0 WHERE 勘定科目名 = '法定福利費'");
    reopen();
    const std::string before = journalDump();
    const PayrollOutcome outcome = run(PayrollKind::Salary);
    ASSERT_EQ(outcome.notices.size(), 3u);
    for (const RunNotice& notice : outcome.notices) {
        EXPECT_EQ(notice.text, "勘定科目に「法定福利費」が登録されていません");
        EXPECT_TRUE(notice.beep);
    }
    EXPECT_TRUE(outcome.reloadJournal);
    EXPECT_EQ(journalDump(), before);
}

// The child-rearing contribution row is numbered with the debit account of the
// row that follows the part-timers' fourth row in their own template; without
// such a row, with 法定福利費.
TEST_F(PayrollRunTest, TheChildContributionIsNumberedByThePartTimersFifthRow)
{
    db->Execute("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 表示順位)"
                " SELECT 仕訳ID, 5, '拠出金', '216', 0, '103', 0, 表示順位 FROM 仕訳定型台帳"
                " WHERE 仕訳ID = '250325111000' AND 追番 = 1");
    reopen();
    ASSERT_TRUE(run(PayrollKind::Salary).notices.empty());
    EXPECT_EQ(voucher("250425042161"),
              (std::vector<RowText>{"1|4月分子供・子育て拠出金|506|6270|103|6270|0001|0001203|2025/4/25"}));
    EXPECT_EQ(count("伝票番号 LIKE '%5061'"), 0);
    // The bonus part-timers' template has four rows: 法定福利費 numbers its row.
    ASSERT_TRUE(run(PayrollKind::Bonus).notices.empty());
    EXPECT_EQ(voucher("250710075063").size(), 1u);
}

// A missing template ends the run before the payroll database is opened, and
// the journal list is then left as it is.
TEST_F(PayrollRunTest, AMissingTemplateLeavesTheJournalListAlone)
{
    db->Execute("DELETE FROM 仕訳定型台帳 WHERE 借方コード = '504'");
    reopen();
    const PayrollOutcome outcome = run(PayrollKind::Bonus);
    ASSERT_EQ(outcome.notices.size(), 1u);
    EXPECT_EQ(outcome.notices[0].text, "定型仕訳に役員賞与の仕訳が登録されていません");
    EXPECT_FALSE(outcome.reloadJournal);
    EXPECT_EQ(runner.PayrollDb, nullptr);
}

// A write that fails part way leaves the journal as it was; the run can then be
// made again and posts everything.
TEST_F(PayrollRunTest, AFailedWritePostsNothingOfTheRun)
{
    const std::string before = journalDump();
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, 60, false});
    const PayrollOutcome failed = run(PayrollKind::Salary);
    dao::DBEngine::instance().clearFailurePlan();
    ASSERT_EQ(failed.notices.size(), 1u);
    EXPECT_EQ(failed.notices[0].text.rfind("仕訳を登録できませんでした", 0), 0u);
    EXPECT_EQ(journalDump(), before);

    const PayrollOutcome again = run(PayrollKind::Salary);
    EXPECT_TRUE(again.notices.empty());
    EXPECT_EQ(again.count.postedVouchers, 48);
}

TEST_F(PayrollRunTest, ThePayrollDatabaseIsOpenedReadOnly)
{
    ASSERT_TRUE(run(PayrollKind::Salary).notices.empty());
    ASSERT_NE(runner.PayrollDb, nullptr);
    EXPECT_THROW(runner.PayrollDb->Execute("DELETE FROM 給与明細"), dao::DaoError);
}

}  // namespace
