// What the setup window computes and writes, without the window: the date boxes'
// exits, the corporate-number rule, and the chart writes that are all or nothing.
#include "setup/SetupFixture.h"

#include "books/BankBooks.h"
#include "setup/AccountLists.h"
#include "setup/AccountRegister.h"
#include "setup/RegisterFixture.h"
#include "setup/CompanySettings.h"
#include "setup/IndustrySets.h"
#include "setup/OpeningCash.h"
#include "setup/SettingsDates.h"
#include "setup/FindRow.h"
#include "setup/ShownRecords.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace setuptest {
namespace {

struct DateExitCase {
    const char* name;
    int index;
    setup::DateBoxTexts boxes;
    bool acts;
    bool dayReset;
    std::optional<dao::Date> stored;  // what is stored; nullopt: nothing (a beep)
};

void PrintTo(const DateExitCase& c, std::ostream* os)
{
    *os << c.name;
}

class DateExitTest : public ::testing::TestWithParam<DateExitCase> {};

const dao::Date kStoredEnd{2025, 3, 31};

TEST_P(DateExitTest, ActsOnAChangedBoxOnlyAndStoresOnlyRealDates)
{
    const DateExitCase& c = GetParam();
    const setup::DateBoxExit exit = setup::LeaveDateBox(c.index, c.boxes, kStoredEnd);
    EXPECT_EQ(exit.acts, c.acts);
    EXPECT_EQ(exit.dayReset, c.dayReset);
    EXPECT_EQ(exit.date, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Exits, DateExitTest,
    ::testing::Values(
        DateExitCase{"UnchangedMonthDoesNothing", 1, {"2025年", "03月", "31日"}, false, false, std::nullopt},
        DateExitCase{"MonthWithoutLeadingZero", 1, {"2025年", "3月", "31日"}, false, false, std::nullopt},
        DateExitCase{"YearLeftUnchanged", 0, {"2025年", "03月", "31日"}, false, false, std::nullopt},
        DateExitCase{"DayLeftUnchanged", 2, {"2025年", "03月", "31日"}, false, false, std::nullopt},
        DateExitCase{"UnchangedBoxBesideAChangedOne", 0, {"2025年", "04月", "30日"}, false, false, std::nullopt},
        DateExitCase{"ChangedMonthGoesToTheFirst", 1, {"2025年", "4月", "31日"}, true, true, dao::Date{2025, 4, 1}},
        DateExitCase{"DayChanged", 2, {"2025年", "03月", "15日"}, true, false, dao::Date{2025, 3, 15}},
        DateExitCase{"DayTheMonthLacks", 2, {"2025年", "02月", "30日"}, true, false, std::nullopt},
        DateExitCase{"LeapDayInACommonYear", 0, {"2023年", "02月", "29日"}, true, false, std::nullopt},
        DateExitCase{"LeapDayInALeapYear", 2, {"2024年", "02月", "29日"}, true, false, dao::Date{2024, 2, 29}},
        DateExitCase{"NotANumber", 0, {"令和年", "03月", "31日"}, true, false, std::nullopt},
        DateExitCase{"EmptyBoxLeft", 2, {"2025年", "03月", ""}, false, false, std::nullopt}),
    testsupport::kCaseName);

TEST(CorporateNumber, EmptyOrThirteenCharacters)
{
    EXPECT_TRUE(setup::IsCorporateNumberText(""));
    EXPECT_TRUE(setup::IsCorporateNumberText("1234567890123"));
    EXPECT_TRUE(setup::IsCorporateNumberText("ＡＢＣＤＥＦＧＨＩＪＫＬＭ"));
    EXPECT_FALSE(setup::IsCorporateNumberText("123456789012"));
    EXPECT_FALSE(setup::IsCorporateNumberText(" 1234567890123"));
}

// ---- chart writes are all or nothing ---------------------------------------------------

// An account as the chart's list shows it with the opening balances.
setup::ShownLine ShownAccount(dao::Database& db, const std::string& code)
{
    auto chart = db.OpenRecordset("Q_勘定科目コード表");
    EXPECT_TRUE(setup::FindRow(*chart, "勘定科目コード", code)) << code;
    setup::ShownLine shown;
    shown.key = code;
    shown.fields = setup::AccountComparedFields(0);
    shown.fingerprint = setup::RecordFingerprint(*chart, shown.fields);
    return shown;
}

class ChartWriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ws = dao::DBEngine::instance().Workspaces(0);
        db = ws->OpenDatabase(file.path());
        AddRow(*db, "Q_仕訳台帳",
               {{"日付", dao::Date{2024, 5, 1}},
                {"伝票番号", "240501100000"},
                {"追番", 1},
                {"借方コード", "100"},
                {"入金", 1000},
                {"貸方コード", "400"},
                {"出金", 1000}});
    }
    void TearDown() override { dao::DBEngine::instance().clearFailurePlan(); }
    void failAtWrite(int n)
    {
        dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, n, false});
    }
    std::string chart() { return DumpRows(*db, "Q_勘定科目コード表") + DumpRows(*db, "Q_勘定科目コード表2"); }
    std::string creditName() { return FieldOf(*db, "Q_仕訳台帳", "伝票番号", "240501100000", "勘定科目名2").toText(); }

    TempPeriodFile file;
    std::shared_ptr<dao::Workspace> ws;
    std::shared_ptr<dao::Database> db;
};

TEST_F(ChartWriteTest, FailedCopyRebuildKeepsTheCreditSideNames)
{
    const std::string before = chart();
    failAtWrite(60);  // in the middle of refilling the copy
    EXPECT_THROW(setup::CopyAccountMaster(*ws, *db), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(chart(), before);
    EXPECT_EQ(creditName(), "売上高");
}

TEST_F(ChartWriteTest, FailedUpdateLeavesAccountAndCopyAsTheyWere)
{
    const std::string before = chart();
    setup::AccountEdit edit;
    edit.code = "400";
    edit.name = "商品売上高";
    edit.side = 1;
    edit.inUse = true;
    edit.taxable = true;
    const setup::ShownLine shown = ShownAccount(*db, "400");
    failAtWrite(30);
    EXPECT_THROW(setup::UpdateAccount(*ws, *db, shown, edit), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(chart(), before);

    EXPECT_EQ(setup::UpdateAccount(*ws, *db, shown, edit), std::nullopt);
    EXPECT_EQ(creditName(), "商品売上高");
}

// A bank account names its deposit kind by the deposit account's name, and its
// bank book finds its rows by that name: renaming 普通預金 keeps the book whole
// (opening 100, 5,000 in: 5,100), and the deposit-kind list follows the name.
TEST_F(ChartWriteTest, RenamingADepositAccountKeepsItsBankBook)
{
    AddTwoMainOffices(*db, true);
    db->Execute("UPDATE 取引銀行 SET 期首残高 = 100 WHERE no = 1");
    AddRow(*db, "Q_仕訳台帳",
           {{"日付", dao::Date{2024, 5, 2}},
            {"伝票番号", "240502100000"},
            {"追番", 1},
            {"借方コード", "103"},
            {"入金", 5000},
            {"貸方コード", "400"},
            {"出金", 5000},
            {"銀行コード", "0005"},
            {"支店コード", "0005001"}});
    auto firstBook = [&] {
        auto accounts = db->OpenRecordset("Q_取引銀行", dao::RecordsetType::Snapshot);
        auto journal = db->OpenRecordset("Q_取引銀行仕訳", dao::RecordsetType::Snapshot);
        const auto books = books::bankBooksOf(*accounts, *journal);
        return books.empty() ? std::pair{std::string(), std::int64_t{-1}}
                             : std::pair{books[0].account.kind, books[0].balance};
    };
    ASSERT_EQ(firstBook(), (std::pair{std::string("普通預金"), std::int64_t{5100}}));

    setup::AccountEdit edit;
    edit.code = "103";
    edit.name = "普通預金口座";
    edit.inUse = true;
    edit.taxable = true;
    edit.simplified = true;
    ASSERT_EQ(setup::UpdateAccount(*ws, *db, ShownAccount(*db, "103"), edit), std::nullopt);
    EXPECT_EQ(firstBook(), (std::pair{std::string("普通預金口座"), std::int64_t{5100}}));
    EXPECT_EQ(Rows(*db, "取引銀行", {"no", "種別"}), (std::vector<std::string>{"1|普通預金口座", "2|普通預金口座"}));
    const std::vector<std::string> kinds = Rows(*db, "預金種別", {"種別"});
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "普通預金口座"), 1) << ::testing::PrintToString(kinds);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "普通預金"), 0) << ::testing::PrintToString(kinds);

    // A rename whose write fails carries nothing either.
    edit.name = "普通";
    failAtWrite(1);
    EXPECT_THROW(setup::UpdateAccount(*ws, *db, ShownAccount(*db, "103"), edit), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(firstBook(), (std::pair{std::string("普通預金口座"), std::int64_t{5100}}));
}

// The industry set's names renamed the master's accounts in one go: each bank
// account follows its own account's rename, also where one account takes the
// name another one leaves (普通預金 -> 普通預金口座, 当座預金 -> 普通預金).
TEST_F(ChartWriteTest, IndustryNamesCarryToTheBankAccountsThatNamedTheOldNames)
{
    AddTwoMainOffices(*db, true);
    db->Execute("UPDATE 取引銀行 SET 種別 = '当座預金' WHERE no = 2");
    db->Execute("UPDATE 勘定科目コード表 SET 建設業勘定科目名 = 勘定科目名, 建設使用 = 1");
    SetFields(*db, "Q_勘定科目コード表", "勘定科目コード", "103", {{"建設業勘定科目名", "普通預金口座"}});
    SetFields(*db, "Q_勘定科目コード表", "勘定科目コード", "102", {{"建設業勘定科目名", "普通預金"}});
    ASSERT_EQ(setup::CopyIndustryToMaster(*ws, *db, 3), std::nullopt);
    EXPECT_EQ(Rows(*db, "取引銀行", {"no", "種別"}), (std::vector<std::string>{"1|普通預金口座", "2|普通預金"}));
}

TEST_F(ChartWriteTest, FailedIndustryCopyLeavesTheChart)
{
    const std::string before = chart();
    failAtWrite(100);
    EXPECT_THROW(setup::CopyIndustryToMaster(*ws, *db, 3), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(chart(), before);
}

TEST_F(ChartWriteTest, DeleteRefusalIsCheckedAgainInsideTheWrite)
{
    const long long accounts = CountRows(*db, "Q_勘定科目コード表");
    EXPECT_EQ(setup::DeleteAccount(*ws, *db, "400", ShownAccount(*db, "400")),
              std::optional<std::string>("勘定科目「売上高」は仕訳で使われているため削除できません"));
    EXPECT_EQ(CountRows(*db, "Q_勘定科目コード表"), accounts);
    EXPECT_EQ(setup::DeleteAccount(*ws, *db, "115", ShownAccount(*db, "115")), std::nullopt);
    EXPECT_EQ(CountRows(*db, "Q_勘定科目コード表"), accounts - 1);
    EXPECT_EQ(CountRows(*db, "Q_勘定科目コード表2"), accounts - 1);
}

// Opening balances of the cash and deposit accounts whose sum leaves the amount
// range cannot go into the settings' opening cash and deposits: the update is
// refused with its message and the chart stays as it was.
TEST_F(ChartWriteTest, OpeningCashAndDepositsBeyondTheRangeRefuseTheUpdate)
{
    db->Execute("UPDATE 勘定科目コード表 SET 期首残高 = 2000000000 WHERE 勘定科目コード = '102'");
    const std::string before = chart();
    setup::AccountEdit edit;
    edit.code = "103";
    edit.name = "普通預金";
    edit.amount = 2000000000;  // 期首残高
    edit.inUse = true;
    try {
        setup::UpdateAccount(*ws, *db, ShownAccount(*db, "103"), edit);
        ADD_FAILURE() << "the update went through";
    } catch (const dao::DaoError& e) {
        EXPECT_NE(std::string(e.what()).find(setup::kOpeningCashOutOfRange), std::string::npos) << e.what();
    }
    EXPECT_EQ(chart(), before);
}

// Registering, deleting and copying the master into an industry set: a write
// that fails after the first has gone in leaves the chart, its industry
// columns and its copy as they were.
struct ChartWriteCase {
    const char* name;
    std::function<void(dao::Workspace&, dao::Database&)> write;
};

void PrintTo(const ChartWriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChartWriteFailureTest : public ChartWriteTest, public ::testing::WithParamInterface<ChartWriteCase> {};

TEST_P(ChartWriteFailureTest, AWriteFailingAfterTheFirstLeavesTheChartAsItWas)
{
    const std::string before = chart();
    failAtWrite(2);
    EXPECT_THROW(GetParam().write(*ws, *db), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(chart(), before);
    EXPECT_EQ(creditName(), "売上高");
}

setup::AccountEdit newAccount()
{
    setup::AccountEdit edit;
    edit.code = "998";  // a code the standard chart leaves free
    edit.name = "試験勘定";
    edit.inUse = true;
    return edit;
}

INSTANTIATE_TEST_SUITE_P(Writes, ChartWriteFailureTest,
                         ::testing::Values(ChartWriteCase{"Register",
                                                          [](dao::Workspace& w, dao::Database& d) {
                                                              setup::RegisterAccount(w, d, newAccount(), "400");
                                                          }},
                                           ChartWriteCase{"Delete",
                                                          [](dao::Workspace& w, dao::Database& d) {
                                                              setup::DeleteAccount(w, d, "115", ShownAccount(d, "115"));
                                                          }},
                                           ChartWriteCase{"MasterToIndustry",
                                                          [](dao::Workspace& w, dao::Database& d) {
                                                              setup::CopyMasterToIndustry(w, d, 3);
                                                          }}),
                         testsupport::kCaseName);

}  // namespace
}  // namespace setuptest
