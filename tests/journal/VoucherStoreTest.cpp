#include "journal/VoucherStore.h"
#include "journal/VoucherNumber.h"

#include "support/TempPeriodFile.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

using namespace journal;
using testsupport::CountRows;
using testsupport::DumpRows;
using testsupport::TempPeriodFile;

namespace {

VoucherRow makeRow(int number, std::int32_t amount, std::string description, std::string debit = "111",
                   std::string credit = "511")
{
    VoucherRow r;
    r.date = dao::Date{2024, 5, 10};
    r.rowNumber = number;
    r.description = std::move(description);
    r.debitCode = std::move(debit);
    r.debit = amount;
    r.creditCode = std::move(credit);
    r.credit = amount;
    return r;
}

class VoucherStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        workspace = dao::DBEngine::instance().Workspaces(0);
        db = workspace->OpenDatabase(file.path());
        reopen();
    }
    void TearDown() override { dao::DBEngine::instance().clearFailurePlan(); }

    void reopen()
    {
        journalRs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset);
        historyRs = db->OpenRecordset("Q_仕訳変更履歴", dao::RecordsetType::Dynaset);
        store = std::make_unique<VoucherStore>(*workspace, *db, *journalRs, *historyRs);
    }

    // The rows of one voucher as (追番, 摘要, 入金, 決算仕訳) lines.
    std::vector<std::string> voucher(const std::string& number)
    {
        std::vector<std::string> rows;
        auto rs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Snapshot);
        if (rs->isEmpty())
            return rows;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext())
            if (rs->get("伝票番号").toText() == number)
                rows.push_back(rs->get("追番").toText() + ":" + rs->get("摘要").toText() + ":"
                               + rs->get("入金").toText() + ":" + (rs->get("決算仕訳").toBool() ? "決算" : ""));
        return rows;
    }

    // What a window would have loaded of a voucher: its rows as the file holds them now.
    LoadedVoucher loaded(const std::string& number)
    {
        return LoadedVoucherOf(number, ReadStoredRows(*db, RecordKind::Voucher, number));
    }

    std::string registerThree(const dao::Date& at)
    {
        const std::string number =
            store->Register({makeRow(1, 1000, "一"), makeRow(2, 200, "二"), makeRow(3, 30, "三")}, at);
        reopen();
        return number;
    }

    TempPeriodFile file;
    std::shared_ptr<dao::Workspace> workspace;
    std::shared_ptr<dao::Database> db;
    std::unique_ptr<dao::Recordset> journalRs;
    std::unique_ptr<dao::Recordset> historyRs;
    std::unique_ptr<VoucherStore> store;
    const dao::Date now{2024, 5, 10, 9, 30, 15};
};

TEST_F(VoucherStoreTest, RegisterWritesTheRowsUnderTheRegistrationTime)
{
    const std::string number = registerThree(now);
    EXPECT_EQ(number, "240510093015");
    EXPECT_EQ(voucher(number), (std::vector<std::string>{"1:一:1000:", "2:二:200:", "3:三:30:"}));
    EXPECT_EQ(CountRows(*db, "Q_仕訳変更履歴"), 0);
}

TEST_F(VoucherStoreTest, TwoVouchersInTheSameSecondGetTwoNumbers)
{
    const std::string first = registerThree(now);
    const std::string second = registerThree(now);
    EXPECT_NE(first, second);
    EXPECT_EQ(second, "240510093016");
    EXPECT_EQ(voucher(first).size(), 3u);
    EXPECT_EQ(voucher(second).size(), 3u);
}

TEST_F(VoucherStoreTest, ReplaceSwapsTheWholeVoucherKeepingNumberAndClosingMark)
{
    const std::string number = registerThree(now);
    const std::string other = registerThree(now);
    db->Execute("UPDATE 仕訳台帳 SET 決算仕訳 = 1 WHERE 伝票番号 = ?", {dao::Value(number)});
    reopen();

    const dao::Date later{2024, 5, 11, 8, 0, 0};
    ASSERT_EQ(store->Replace(loaded(number), {makeRow(1, 900, "新一"), makeRow(2, 100, "新二")}, later),
              StoreOutcome::Done);
    reopen();
    EXPECT_EQ(voucher(number), (std::vector<std::string>{"1:新一:900:決算", "2:新二:100:決算"}));
    EXPECT_EQ(voucher(other).size(), 3u) << "the neighbouring voucher stays";

    // One history row per replaced row, reason "1", copies of the rows as they were.
    auto history = db->OpenRecordset("Q_仕訳変更履歴", dao::RecordsetType::Snapshot);
    ASSERT_EQ(history->RecordCount(), 3);
    const char* descriptions[] = {"一", "二", "三"};
    int i = 0;
    for (history->MoveFirst(); !history->EOF_(); history->MoveNext(), ++i) {
        EXPECT_EQ(history->get("変更理由").toText(), "1");
        EXPECT_EQ(history->get("伝票番号").toText(), number);
        EXPECT_EQ(history->get("追番").toInt64(), i + 1);
        EXPECT_EQ(history->get("摘要").toText(), descriptions[i]);
        EXPECT_EQ(history->get("借方コード").toText(), "111");
        EXPECT_EQ(history->get("日付").toDate(), (dao::Date{2024, 5, 10}));
        EXPECT_EQ(history->get("変更日").toDate(), later);
    }

    // More rows than before are all stored.
    std::vector<VoucherRow> five;
    for (int r = 1; r <= 5; ++r)
        five.push_back(makeRow(r, r * 10, "行" + std::to_string(r)));
    ASSERT_EQ(store->Replace(loaded(number), five, later), StoreOutcome::Done);
    reopen();
    EXPECT_EQ(voucher(number).size(), 5u);
}

TEST_F(VoucherStoreTest, ReplaceKeepsTheRowsBeyondTheTenthThatTheGridNeverShows)
{
    std::vector<VoucherRow> twelve;
    for (int r = 1; r <= 12; ++r)
        twelve.push_back(makeRow(r, r, "行" + std::to_string(r)));
    const std::string number = store->Register(twelve, now);
    reopen();
    VoucherRow first = makeRow(1, 100, "新");
    first.date = dao::Date{2024, 6, 1};
    ASSERT_EQ(store->Replace(loaded(number), {first}, now), StoreOutcome::Done);
    reopen();
    EXPECT_EQ(voucher(number), (std::vector<std::string>{"1:新:100:", "2:行11:11:", "3:行12:12:"}));
    auto rs = db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Snapshot);
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext())
        EXPECT_EQ(rs->get("日付").toDate(), (dao::Date{2024, 6, 1})) << "the voucher stays together";
    EXPECT_EQ(CountRows(*db, "Q_仕訳変更履歴"), 12);
}

TEST_F(VoucherStoreTest, RemoveDeletesOnlyThatVoucherAndLogsEachRow)
{
    const std::string first = registerThree(now);
    const std::string second = registerThree(now);
    ASSERT_EQ(store->Remove(loaded(first), now), StoreOutcome::Done);
    reopen();
    EXPECT_TRUE(voucher(first).empty());
    EXPECT_EQ(voucher(second).size(), 3u);
    auto history = db->OpenRecordset("Q_仕訳変更履歴", dao::RecordsetType::Snapshot);
    ASSERT_EQ(history->RecordCount(), 3);
    for (history->MoveFirst(); !history->EOF_(); history->MoveNext()) {
        EXPECT_EQ(history->get("変更理由").toText(), "2");
        EXPECT_EQ(history->get("伝票番号").toText(), first);
    }
    EXPECT_EQ(store->Remove(loaded("999999999999"), now), StoreOutcome::Vanished);
}

// A write that fails part-way leaves the journal and its history as they were.
enum class Action { Register, Replace, Remove };

struct FailureCase {
    const char* name;
    Action action;
    int failOn;  // the write that fails
};
void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class VoucherStoreFailureTest : public VoucherStoreTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(VoucherStoreFailureTest, FailedWriteLeavesNothingHalfWritten)
{
    const FailureCase& c = GetParam();
    const std::string number = registerThree(now);
    registerThree(now);
    const std::string journalBefore = DumpRows(*db, "仕訳台帳");
    const std::string historyBefore = DumpRows(*db, "仕訳変更履歴");

    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, c.failOn, false});
    const std::vector<VoucherRow> rows = {makeRow(1, 5, "a"), makeRow(2, 6, "b"), makeRow(3, 7, "c"),
                                          makeRow(4, 8, "d")};
    EXPECT_THROW(
        {
            switch (c.action) {
            case Action::Register: store->Register(rows, now); break;
            case Action::Replace: store->Replace(loaded(number), rows, now); break;
            case Action::Remove: store->Remove(loaded(number), now); break;
            }
        },
        dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();

    EXPECT_EQ(DumpRows(*db, "仕訳台帳"), journalBefore);
    EXPECT_EQ(DumpRows(*db, "仕訳変更履歴"), historyBefore);
    EXPECT_FALSE(workspace->inTransaction());

    // And the store works again afterwards.
    reopen();
    EXPECT_EQ(store->Remove(loaded(number), now), StoreOutcome::Done);
}

// Register writes 4 rows; replace 3 history rows, one delete and 4 rows; remove 3 and one delete.
INSTANTIATE_TEST_SUITE_P(EveryWriteOfEachAction, VoucherStoreFailureTest,
                         ::testing::Values(FailureCase{"RegisterFirstRow", Action::Register, 1},
                                           FailureCase{"RegisterThirdRow", Action::Register, 3},
                                           FailureCase{"RegisterLastRow", Action::Register, 4},
                                           FailureCase{"ReplaceFirstHistoryRow", Action::Replace, 1},
                                           FailureCase{"ReplaceLastHistoryRow", Action::Replace, 3},
                                           FailureCase{"ReplaceDelete", Action::Replace, 4},
                                           FailureCase{"ReplaceFirstNewRow", Action::Replace, 5},
                                           FailureCase{"ReplaceLastNewRow", Action::Replace, 8},
                                           FailureCase{"RemoveFirstHistoryRow", Action::Remove, 1},
                                           FailureCase{"RemoveLastHistoryRow", Action::Remove, 3},
                                           FailureCase{"RemoveDelete", Action::Remove, 4}),
                         testsupport::kCaseName);

// Another window or program on the same file (a second handle) deletes or
// changes the voucher after it was loaded: the store refuses and writes nothing.
TEST_F(VoucherStoreTest, AVoucherDeletedOrChangedSinceItWasLoadedIsNeitherReplacedNorRemoved)
{
    const std::string first = registerThree(now);
    const std::string second = registerThree(now);
    const LoadedVoucher firstLoaded = loaded(first);
    const LoadedVoucher secondLoaded = loaded(second);

    auto other = workspace->OpenDatabase(file.path());
    other->Execute("DELETE FROM 仕訳台帳 WHERE 伝票番号 = ?", {dao::Value(first)});
    other->Execute("UPDATE 仕訳台帳 SET 入金 = 999 WHERE 伝票番号 = ? AND 追番 = 2", {dao::Value(second)});
    const std::string journalBefore = DumpRows(*db, "仕訳台帳");

    EXPECT_EQ(store->Replace(firstLoaded, {makeRow(1, 5, "a")}, now), StoreOutcome::Vanished);
    EXPECT_EQ(store->Remove(firstLoaded, now), StoreOutcome::Vanished);
    EXPECT_EQ(store->Replace(secondLoaded, {makeRow(1, 5, "a")}, now), StoreOutcome::Changed);
    EXPECT_EQ(store->Remove(secondLoaded, now), StoreOutcome::Changed);
    EXPECT_EQ(DumpRows(*db, "仕訳台帳"), journalBefore);
    EXPECT_EQ(CountRows(*db, "仕訳変更履歴"), 0);

    // A row added to the voucher elsewhere changes it too.
    const std::string third = registerThree(now);
    const LoadedVoucher thirdLoaded = loaded(third);
    other->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 入金, 出金) VALUES ('2024-05-10', ?, 4, 1, 1)",
                   {dao::Value(third)});
    EXPECT_EQ(store->Remove(thirdLoaded, now), StoreOutcome::Changed);
    EXPECT_EQ(voucher(third).size(), 4u);
}

TEST_F(VoucherStoreTest, FullDiskOnRegisterStoresNothing)
{
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::DiskFull, 2, true});
    EXPECT_THROW(store->Register({makeRow(1, 5, "a"), makeRow(2, 6, "b")}, now), dao::DaoError);
    dao::DBEngine::instance().clearFailurePlan();
    EXPECT_EQ(CountRows(*db, "仕訳台帳"), 0);
}

}  // namespace

namespace {

class NumberTakenTest : public VoucherStoreTest {};

TEST_F(NumberTakenTest, ANumberIsLookedUpInItsOwnQueryAndOnlyDigitsReachTheQuery)
{
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番) VALUES ('2024-05-10', '240510000001', 1)");
    db->Execute("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番) VALUES ('240510000002', 1)");
    struct Case {
        const char* query;
        const char* field;
        const char* number;
        bool taken;
    };
    for (const Case& c :
         {Case{"Q_仕訳台帳", "伝票番号", "240510000001", true}, Case{"Q_仕訳台帳", "伝票番号", "240510000002", false},
          Case{"Q_仕訳定型台帳", "仕訳ID", "240510000002", true},
          Case{"Q_仕訳定型台帳", "仕訳ID", "240510000001", false}, Case{"Q_仕訳台帳", "伝票番号", "1' OR '1'='1", true},
          Case{"Q_仕訳台帳", "伝票番号", "", true}}) {
        SCOPED_TRACE(std::string(c.query) + " " + c.number);
        EXPECT_EQ(IsNumberTaken(*db, c.query, c.field, c.number), c.taken);
    }
}

// Numbers issued together in one run (several vouchers of one posting) differ
// from each other and from those the file holds, each in its own query.
TEST_F(NumberTakenTest, AnIssuerNeverRepeatsANumberItGaveOrTheFileHolds)
{
    db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番) VALUES ('2024-05-10', '240510093016', 1)");
    NumberIssuer vouchers = VoucherNumbers(*db);
    EXPECT_EQ(vouchers.next(now), "240510093015");
    EXPECT_EQ(vouchers.next(now), "240510093017");
    EXPECT_EQ(vouchers.next(now), "240510093018");
    NumberIssuer templates = TemplateIds(*db);
    EXPECT_EQ(templates.next(now), "240510093015");
    EXPECT_EQ(templates.next(now), "240510093016");
}

}  // namespace
