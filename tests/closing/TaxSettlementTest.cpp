// The consumption-tax settlement, against figures worked out by hand.

#include "closing/TaxSettlement.h"

#include "ClosingFixture.h"
#include "support/CaseName.h"

#include "OtherProgram.h"
#include "periodfile/SampleCompany.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace closing;
using closing::testing::ClosingFileTest;
using closing::testing::OtherProgram;

namespace {

const dao::Date kNow{2026, 5, 20, 10, 0, 0};
const ClosingDateBoxes kClosingDay{"2026年", "03月", "31日"};

// ---- the arithmetic ------------------------------------------------------------

struct InclusiveCase {
    const char* name;
    std::int64_t sales;      // at 8 %
    std::int64_t purchases;  // at 8 %
    journal::FractionRule rule;
    std::int64_t salesTax;
    std::int64_t purchaseTax;
};
void PrintTo(const InclusiveCase& c, std::ostream* os)
{
    *os << c.name;
}

class TaxInclusiveArithmeticTest : public ::testing::TestWithParam<InclusiveCase> {};

// The tax contained in a tax-inclusive sum is S × r / (100 + r): 12,345 × 8 /
// 108 = 914.44, 12,301 × 8 / 108 = 911.19. Purchases are always truncated.
TEST_P(TaxInclusiveArithmeticTest, TakesTheTaxContainedInTheSum)
{
    const InclusiveCase& c = GetParam();
    TaxInclusiveSums sums;
    sums.sales[8] = c.sales;
    sums.purchases[8] = c.purchases;
    const TaxInclusiveSettlement s = SettleTaxInclusive(sums, c.rule);
    EXPECT_EQ(s.salesTax, c.salesTax);
    EXPECT_EQ(s.purchaseTax, c.purchaseTax);
}

using journal::FractionRule;
INSTANTIATE_TEST_SUITE_P(
    Settlement, TaxInclusiveArithmeticTest,
    ::testing::Values(InclusiveCase{"Sales12345Truncated", 12'345, 0, FractionRule::Truncate, 914, 0},
                      InclusiveCase{"Sales12345HalfUp", 12'345, 0, FractionRule::HalfUp, 914, 0},
                      InclusiveCase{"Sales12345RoundedUp", 12'345, 0, FractionRule::RoundUp, 915, 0},
                      InclusiveCase{"Sales12301Truncated", 12'301, 0, FractionRule::Truncate, 911, 0},
                      InclusiveCase{"Sales12301HalfUp", 12'301, 0, FractionRule::HalfUp, 911, 0},
                      InclusiveCase{"Sales12301RoundedUp", 12'301, 0, FractionRule::RoundUp, 912, 0},
                      InclusiveCase{"PurchasesAlwaysTruncated", 0, 12'345, FractionRule::RoundUp, 0, 914},
                      // Beyond 32 bits: 30,000,000,000 × 8 / 108.
                      InclusiveCase{"SumsBeyond32Bits", 30'000'000'000LL, 0, FractionRule::Truncate, 2'222'222'222, 0}),
    testsupport::kCaseName);

struct ExclusiveCase {
    const char* name;
    std::int64_t outputTax, inputTax, interim;
    std::int64_t payable, remainder;
};
void PrintTo(const ExclusiveCase& c, std::ostream* os)
{
    *os << c.name;
}

class TaxExclusiveArithmeticTest : public ::testing::TestWithParam<ExclusiveCase> {};

TEST_P(TaxExclusiveArithmeticTest, TruncatesThePayableToWholeThousands)
{
    const ExclusiveCase& c = GetParam();
    const TaxExclusiveAccounts accounts{"218", "136", "134", "214", "602"};
    std::vector<PeriodJournalRow> rows(3);
    rows[0].creditCode = "218";
    rows[0].credit = c.outputTax;
    rows[1].debitCode = "136";
    rows[1].debit = c.inputTax;
    rows[2].debitCode = "134";
    rows[2].debit = c.interim;
    const TaxExclusiveSettlement s = SettleTaxExclusive(rows, accounts);
    EXPECT_EQ(s.payable, c.payable);
    EXPECT_EQ(s.remainder, c.remainder);
    EXPECT_EQ(s.outputTax, s.inputTax + s.interim + s.payable + s.remainder);  // the voucher balances
}

INSTANTIATE_TEST_SUITE_P(Settlement, TaxExclusiveArithmeticTest,
                         ::testing::Values(ExclusiveCase{"Payable", 1'234'567, 800'000, 300'000, 134'000, 567},
                                           ExclusiveCase{"Refund", 500'000, 450'000, 62'345, -12'000, -345},
                                           ExclusiveCase{"WholeThousands", 9'000, 4'000, 0, 5'000, 0}),
                         testsupport::kCaseName);

// ---- tax-exclusive runs on a period file -----------------------------------------

class TaxExclusiveRunTest : public ClosingFileTest {
protected:
    void SetUp() override
    {
        // 仮受消費税 218, 仮払消費税 136, 仮払金 134, 未払消費税 214, 雑収入 602.
        addRow("2025-03-31", "250331090000", "111", 999'999, "218", 999'999);  // before the period
        addRow("2025-05-10", "250510090000", "111", 1'250'000, "218", 1'250'000);
        addRow("2025-08-18", "250818090000", "218", 15'433, "111", 15'433);  // a return: debits 仮受消費税
        addRow("2025-06-01", "250601090000", "136", 790'000, "201", 790'000);
        addRow("2025-09-01", "250901090000", "201", 5'000, "136", 5'000);
        addRow("2026-03-31", "260331090000", "136", 15'000, "211", 15'000, true);  // a closing entry's tax row
        addRow("2025-11-28", "251128090000", "134", 300'000, "103", 300'000);
        addRow("2026-04-02", "260402090000", "111", 50'000, "218", 50'000);  // after the period
    }

    ClosingRunResult run() { return PostTaxSettlementEntries(*workspace, *db, kClosingDay, kNow); }
    std::vector<std::string> settlement(const std::string& number)
    {
        return journalLines("伝票番号 = '" + number + "'");
    }
};

// A = 1,250,000 − 15,433 = 1,234,567; B = 790,000 − 5,000 + 15,000 = 800,000;
// M = 300,000; P = 134,567, posted as 134,000 with 567 to miscellaneous income.
TEST_F(TaxExclusiveRunTest, ClearsThePeriodsTaxBalancesIntoThePayable)
{
    const ClosingRunResult result = run();
    EXPECT_TRUE(result.notices.empty());
    ASSERT_EQ(result.postedVouchers, (std::vector<std::string>{"260520100000"}));
    EXPECT_EQ(settlement("260520100000"),
              (std::vector<std::string>{
                  "260520100000|2026/3/31|1|消費税精算|218|1234567|136|800000|決算",
                  "260520100000|2026/3/31|2|（中間消費税支払）|218|0|134|300000|決算",
                  "260520100000|2026/3/31|3|（確定納付額）|218|0|214|134000|決算",
                  "260520100000|2026/3/31|4|（消費税雑収入）|218|0|602|567|決算",
              }));
}

TEST_F(TaxExclusiveRunTest, ASecondRunPostsNothingWhenNothingIsLeft)
{
    ASSERT_TRUE(run().posted());
    const std::string before = dump();
    const ClosingRunResult again = run();
    EXPECT_FALSE(again.posted());
    ASSERT_EQ(again.notices.size(), 1u);
    EXPECT_EQ(again.notices[0].text, kNothingToSettle);
    EXPECT_EQ(dump(), before);
}

TEST_F(TaxExclusiveRunTest, ASecondRunPostsOnlyWhatIsLeft)
{
    ASSERT_TRUE(run().posted());
    addRow("2026-03-20", "260320090000", "111", 2'480, "218", 2'480);
    const ClosingRunResult again = run();
    ASSERT_EQ(again.postedVouchers, (std::vector<std::string>{"260520100001"}));
    EXPECT_EQ(settlement("260520100001"),
              (std::vector<std::string>{
                  "260520100001|2026/3/31|1|消費税精算|218|2480|136|0|決算",
                  "260520100001|2026/3/31|2|（中間消費税支払）|218|0|134|0|決算",
                  "260520100001|2026/3/31|3|（確定納付額）|218|0|214|2000|決算",
                  "260520100001|2026/3/31|4|（消費税雑収入）|218|0|602|480|決算",
              }));
}

TEST_F(TaxExclusiveRunTest, AFailedWritePostsNothing)
{
    const std::string before = dump();
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, 3, false});
    const ClosingRunResult failed = run();
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_FALSE(failed.posted());
    ASSERT_EQ(failed.notices.size(), 1u);
    EXPECT_EQ(failed.notices[0].text.rfind("仕訳を登録できませんでした", 0), 0u);
    EXPECT_EQ(dump(), before);
}

// ---- tax-inclusive runs on a period file -----------------------------------------

// A period from 1 April 2019, in which the rate rises from 8 % to 10 % on
// 1 October 2019.
class TaxInclusiveRunTest : public ClosingFileTest {
protected:
    TaxInclusiveRunTest() : ClosingFileTest("2019-04-01") {}

    void SetUp() override
    {
        setSetting("処理方法", "2");
        // 売上高 400 and 売上値引戻り高 401 are taxable sales, 仕入高 411 a
        // taxable cost of sales, 期首商品棚卸高 410 is not taxable.
        addRow("2019-03-31", "190331090000", "100", 11'000, "400", 11'000);      // before the period
        addRow("2019-04-01", "190401090000", "410", 50'000, "120", 50'000);      // not taxable
        addRow("2019-06-01", "190601090000", "411", 5'400, "201", 5'400);        // 8 %: 400
        addRow("2019-09-10", "190910090000", "100", 10'800, "400", 10'800);      // 8 %: 800
        addRow("2019-10-05", "191005090000", "111", 22'000, "400", 22'000);      // 10 %
        addRow("2019-12-01", "191201090000", "401", 1'100, "111", 1'100);        // a return, 10 %
        addRow("2020-02-29", "200229090000", "411", 3'300, "100", 3'300);        // 10 %: 300
        addRow("2020-03-31", "200331090000", "100", 1'100, "400", 1'100, true);  // a closing entry, 10 %
        addRow("2020-04-01", "200401090000", "100", 11'000, "400", 11'000);      // after the period
    }

    ClosingRunResult run()
    {
        return PostTaxSettlementEntries(*workspace, *db, {"2020年", "03月", "31日"}, dao::Date{2020, 5, 20, 10, 0, 0});
    }
};

// Sales: 10,800 at 8 % contain 800; 22,000 − 1,100 + 1,100 at 10 % contain
// 2,000. Purchases: 5,400 at 8 % contain 400; 3,300 at 10 % contain 300.
// 2,800 − 700 = 2,100 (one rate for the whole period would give other figures).
TEST_F(TaxInclusiveRunTest, SumsEachRateApartAndAddsTheirTaxes)
{
    const ClosingRunResult result = run();
    EXPECT_TRUE(result.notices.empty());
    ASSERT_EQ(result.postedVouchers, (std::vector<std::string>{"200520100000"}));
    EXPECT_EQ(journalLines("伝票番号 = '200520100000'"),
              (std::vector<std::string>{"200520100000|2020/3/31|1|消費税精算|529|2100|214|2100|決算"}));
}

TEST_F(TaxInclusiveRunTest, ASecondRunIsRefusedNamingTheVoucher)
{
    ASSERT_TRUE(run().posted());
    const std::string before = dump();
    const ClosingRunResult again = run();
    EXPECT_FALSE(again.posted());
    ASSERT_EQ(again.notices.size(), 1u);
    EXPECT_EQ(again.notices[0].text, "この会計期間の消費税精算仕訳（伝票番号 200520100000）は既に登録されています");
    EXPECT_EQ(dump(), before);
}

// The purchases are every taxable debit-normal account of the profit and loss,
// not the costs of sales alone: expenses (旅費交通費 514, 通信費 515) reduce
// the tax too, a return of purchases (仕入値引戻し高 412, credited) is taken
// off them, a taxable credit-normal special gain (固定資産売却益 700) counts
// as sales, and the untaxed expense 保険料 528 and the balance-sheet account
// 仮払消費税 136 count nowhere.
class TaxInclusiveExpensesTest : public TaxInclusiveRunTest {
protected:
    void SetUp() override
    {
        TaxInclusiveRunTest::SetUp();
        addRow("2019-07-01", "190701090000", "514", 2'160, "100", 2'160);    // 8 %
        addRow("2019-07-20", "190720090000", "201", 1'080, "412", 1'080);    // 8 %, a return
        addRow("2019-11-01", "191101090000", "515", 5'500, "100", 5'500);    // 10 %
        addRow("2019-12-10", "191210090000", "528", 30'000, "100", 30'000);  // not taxable
        addRow("2020-01-15", "200115090000", "136", 4'000, "100", 4'000);    // not profit and loss
        addRow("2020-02-01", "200201090000", "111", 11'000, "700", 11'000);  // 10 %
    }
};

// Sales: 10,800 at 8 % contain 800; 22,000 − 1,100 + 1,100 + 11,000 at 10 %
// contain 3,000: 3,800. Purchases: 5,400 + 2,160 − 1,080 = 6,480 at 8 % contain
// 480; 3,300 + 5,500 = 8,800 at 10 % contain 800: 1,280. 3,800 − 1,280 = 2,520.
TEST_F(TaxInclusiveExpensesTest, ExpensesAndSpecialItemsCountWithTheirOwnRates)
{
    const ClosingRunResult result = run();
    EXPECT_TRUE(result.notices.empty());
    ASSERT_EQ(result.postedVouchers, (std::vector<std::string>{"200520100000"}));
    EXPECT_EQ(journalLines("伝票番号 = '200520100000'"),
              (std::vector<std::string>{"200520100000|2020/3/31|1|消費税精算|529|2520|214|2520|決算"}));
}

// The sample company kept tax-inclusive: one rate (10 %) for the whole
// period, fractions truncated. Worked by hand from the sample's journal:
//   sales (売上高 400, credits)                      22,198,230 → × 10/110 = 2,018,020.90 → 2,018,020
//   costs of sales (仕入高 411)                        9,982,300
//   taxable expenses 510–527                           4,124,537
//   purchases                                        14,106,837 → × 10/110 = 1,282,439.72 → 1,282,439
//   payable                                                                               735,581
// With the costs of sales alone the payable was 1,110,539: 374,958 too much.
class SampleCompanyTaxInclusiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::remove_all(dir);
        path = periodfile::createSampleCompany(dir.string());
        workspace = dao::DBEngine::instance().Workspaces(0);
        db = workspace->OpenDatabase(path);
        db->Execute("UPDATE 会計設定 SET 処理方法 = '2'");
    }
    void TearDown() override
    {
        db.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("velmora-settlement-sample-" + std::to_string(::getpid()));
    std::string path;
    std::shared_ptr<dao::Workspace> workspace;
    std::shared_ptr<dao::Database> db;
};

TEST_F(SampleCompanyTaxInclusiveTest, TheTaxableExpensesReduceThePayable)
{
    // The expenses the issue names, summed straight from the journal table.
    auto expenses = db->OpenRecordset(
        "SELECT SUM(入金) AS s FROM 仕訳台帳 WHERE 借方コード BETWEEN '510' AND '527' AND 借方コード IN"
        " (SELECT 勘定科目コード FROM 勘定科目コード表 WHERE 消費税 <> 0)",
        dao::RecordsetType::Snapshot);
    ASSERT_EQ(expenses->get("s").toInt64(), 4'124'537);

    const ClosingRunResult result =
        PostTaxSettlementEntries(*workspace, *db, kClosingDay, dao::Date{2026, 5, 20, 10, 0, 0});
    EXPECT_TRUE(result.notices.empty());
    ASSERT_EQ(result.postedVouchers, (std::vector<std::string>{"260520100000"}));
    auto voucher =
        db->OpenRecordset("SELECT 借方コード, 入金, 貸方コード, 出金 FROM 仕訳台帳 WHERE 伝票番号 = '260520100000'",
                          dao::RecordsetType::Snapshot);
    ASSERT_EQ(voucher->RecordCount(), 1);
    EXPECT_EQ(voucher->get("入金").toInt64(), 735'581);
    EXPECT_EQ(voucher->get("出金").toInt64(), 735'581);
    EXPECT_EQ(voucher->get("借方コード").toText(), "529");
    EXPECT_EQ(voucher->get("貸方コード").toText(), "214");
}

// ---- another program settles meanwhile -----------------------------------------------

int settlementVouchers(dao::Database& db, const std::string& debit, const std::string& credit)
{
    auto rs = db.OpenRecordset("SELECT COUNT(DISTINCT 伝票番号) AS n FROM 仕訳台帳 WHERE 決算仕訳 <> 0 AND 摘要 = "
                               "'消費税精算' AND 借方コード = '"
                                   + debit + "' AND 貸方コード = '" + credit + "'",
                               dao::RecordsetType::Snapshot);
    return static_cast<int>(rs->get("n").toInt64());
}

// The other program posts its settlement while this run is under way: the run
// waits for it, then finds it, and posts no second one.
TEST_F(TaxInclusiveRunTest, ASettlementPostedMeanwhileByAnotherProgramIsFoundUnderTheLock)
{
    OtherProgram other(file.path());
    other.writeAndCommitLater(
        "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
        " VALUES ('2020-03-31', '200519090000', 1, '消費税精算', '529', 2100, '214', 2100, 1)");
    const ClosingRunResult result = run();
    EXPECT_FALSE(result.posted());
    ASSERT_EQ(result.notices.size(), 1u);
    EXPECT_EQ(result.notices[0].text, "この会計期間の消費税精算仕訳（伝票番号 200519090000）は既に登録されています");
    EXPECT_EQ(settlementVouchers(*db, "529", "214"), 1);
}

// The same for the tax-exclusive settlement: the balances it clears are read
// after the other program's settlement, which left nothing to settle.
TEST_F(TaxExclusiveRunTest, BalancesClearedMeanwhileByAnotherProgramAreReadUnderTheLock)
{
    OtherProgram other(file.path());
    std::string rows;
    for (const char* row :
         {"1, '消費税精算', '218', 1234567, '136', 800000", "2, '（中間消費税支払）', '218', 0, '134', 300000",
          "3, '（確定納付額）', '218', 0, '214', 134000", "4, '（消費税雑収入）', '218', 0, '602', 567"})
        rows += "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金, 決算仕訳)"
                " VALUES ('2026-03-31', '260519090000', "
            + std::string(row) + ", 1); ";
    other.writeAndCommitLater(rows);
    const ClosingRunResult result = run();
    EXPECT_FALSE(result.posted());
    ASSERT_EQ(result.notices.size(), 1u);
    EXPECT_EQ(result.notices[0].text, kNothingToSettle);
    EXPECT_EQ(settlementVouchers(*db, "218", "136"), 1);
}

// ---- what posts nothing ------------------------------------------------------------

struct NothingCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> settings;  // settings changed: field, value
    const char* renamed;                                        // an account renamed away, or nullptr
    ClosingDateBoxes boxes;
    const char* message;  // nullptr: silence
    bool okCancelTitled;
};
void PrintTo(const NothingCase& c, std::ostream* os)
{
    *os << c.name;
}

class SettlementNothingTest : public TaxExclusiveRunTest, public ::testing::WithParamInterface<NothingCase> {};

TEST_P(SettlementNothingTest, WritesNothing)
{
    const NothingCase& c = GetParam();
    for (const auto& [field, value] : c.settings)
        setSetting(field, value);
    if (c.renamed)
        db->Execute("UPDATE 勘定科目コード表 SET 勘定科目名 = 勘定科目名 || '旧' WHERE 勘定科目名 = ?", {c.renamed});
    const std::string before = dump();
    const ClosingRunResult result = PostTaxSettlementEntries(*workspace, *db, c.boxes, kNow);
    EXPECT_FALSE(result.posted());
    EXPECT_EQ(dump(), before);
    if (!c.message) {
        EXPECT_TRUE(result.notices.empty());
        return;
    }
    ASSERT_EQ(result.notices.size(), 1u);
    EXPECT_EQ(result.notices[0].text, c.message);
    EXPECT_EQ(result.notices[0].okCancel, c.okCancelTitled);
    EXPECT_EQ(result.notices[0].title.value_or(""), c.okCancelTitled ? "精算仕訳自動作成" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Settlement, SettlementNothingTest,
    ::testing::Values(NothingCase{"TaxExempt", {{"申告区分", "1"}}, nullptr, kClosingDay, nullptr, false},
                      NothingCase{"EnteredSeparately", {{"処理方法", "3"}}, nullptr, kClosingDay, nullptr, false},
                      NothingCase{"NoTaxCalculation", {{"処理方法", "4"}}, nullptr, kClosingDay, nullptr, false},
                      NothingCase{"ExclusiveWithoutInterimAccount",
                                  {},
                                  "仮払金",
                                  kClosingDay,
                                  "勘定科目が登録されていません　仮受消費税、仮払消費税、仮払金、未払消費税、雑収入",
                                  true},
                      NothingCase{"InclusiveWithoutTaxesAccount",
                                  {{"処理方法", "2"}},
                                  "租税公課",
                                  kClosingDay,
                                  "租税公課、未払消費税の勘定科目が登録されていません",
                                  true},
                      NothingCase{"InclusiveWithoutFractionRule",
                                  {{"処理方法", "2"}, {"端数処理", ""}},
                                  nullptr,
                                  kClosingDay,
                                  "消費税の端数処理が設定されていません",
                                  false},
                      NothingCase{
                          "DayTheMonthLacks", {}, nullptr, {"2026年", "02月", "29日"}, "日付が正しくありません", false},
                      NothingCase{"DateBeforeThePeriod",
                                  {},
                                  nullptr,
                                  {"2025年", "03月", "31日"},
                                  "決算日（2025/03/31）が会計期間（2025/04/01～2026/03/31）の外にあります",
                                  false}),
    testsupport::kCaseName);

}  // namespace
