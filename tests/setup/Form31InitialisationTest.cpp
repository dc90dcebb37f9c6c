// "会計システム初期化": both questions first, then one transaction; a failure in
// the middle leaves the period file exactly as it was.
#include "setup/WindowFixture.h"
#include "support/CaseName.h"

namespace setuptest {
namespace {

constexpr const char* kFirstQuestion = "会計システムの初期化を行いますが、よろしいですか？";
constexpr const char* kTemplateQuestion = "定型仕訳を削除しますか？";

class InitialisationTest : public SetupWindowTest {
protected:
    void prepare(dao::Database& d) override
    {
        SetFields(d, "Q_勘定科目コード表", "勘定科目コード", "100", {{"期首残高", 200}, {"現在残高", 150}});
        SetFields(d, "Q_勘定科目コード表", "勘定科目コード", "500",
                  {{"予算管理", 1000}, {"前年決算残高", 900}, {"借方合計", 70}, {"期末残高", 70}});
        AddRow(d, "Q_取引銀行",
               {{"no", 1},
                {"銀行コード", "0009"},
                {"支店コード", "0009221"},
                {"種別", "当座預金"},
                {"期首残高", 5000},
                {"現残高", 4000}});
        AddRow(d, "Q_取引先管理", {{"取引先名", "山田商店"}});
        AddRow(d, "Q_固定資産台帳", {{"管理番号", "A1"}, {"名称", "旋盤"}, {"勘定科目コード", "143"}});
        AddRow(d, "Q_リース資産管理", {{"契約番号", "L1"}, {"勘定科目コード", "144"}});
        AddRow(d, "Q_仕訳台帳",
               {{"日付", dao::Date{2024, 5, 1}},
                {"伝票番号", "240501100000"},
                {"追番", 1},
                {"借方コード", "100"},
                {"入金", 1000},
                {"貸方コード", "400"},
                {"出金", 1000}});
        AddRow(d, "Q_仕訳変更履歴", {{"伝票番号", "240501100000"}, {"変更理由", "1"}});
        AddRow(
            d, "Q_仕訳定型台帳",
            {{"仕訳ID", "240501100000"}, {"追番", 1}, {"摘要", "売上"}, {"借方コード", "100"}, {"貸方コード", "400"}});
    }
};

TEST_F(InitialisationTest, NoToTheFirstQuestionChangesNothing)
{
    const std::string before = DumpWrittenTables(db());
    dialogs->expectMessage(kFirstQuestion, ui::Answer::No).withTitle("システム初期化");
    form->Command5[setup::Form31::InitialiseButton]->click();
    EXPECT_EQ(DumpWrittenTables(db()), before);
}

TEST_F(InitialisationTest, ResetsTheFileAndKeepsTheTemplatesWhenAsked)
{
    const long long branches = CountRows(db(), "Q_使用銀行支店");
    ASSERT_GT(branches, 0);
    dialogs->expectMessage(kFirstQuestion, ui::Answer::Yes).withTitle("システム初期化");
    dialogs->expectMessage(kTemplateQuestion, ui::Answer::No).withTitle("システム初期化");
    dialogs->expectMessage("システムの初期化は終了しました", ui::Answer::Ok).withoutTitle();
    form->Command5[setup::Form31::InitialiseButton]->click();  // edit mode is off: the initialisation does not need it

    auto& d = db();
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "100", "期首残高").toInt32(), 0);
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "100", "現在残高").toInt32(), 0);
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "500", "前年決算残高").toInt32(), 0);
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "500", "借方合計").toInt32(), 0);
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "500", "予算管理").toInt32(), 1000);

    auto accounts = d.OpenRecordset("Q_取引銀行", dao::RecordsetType::Snapshot);
    auto inUse = d.OpenRecordset("Q_使用銀行支店", dao::RecordsetType::Snapshot);
    ASSERT_EQ(accounts->RecordCount(), branches);
    int no = 0;
    for (accounts->MoveFirst(), inUse->MoveFirst(); !accounts->EOF_(); accounts->MoveNext(), inUse->MoveNext()) {
        EXPECT_EQ(accounts->get("no").toInt32(), ++no);
        EXPECT_EQ(accounts->get("支店コード").toText(), inUse->get("支店コード").toText());
        EXPECT_EQ(accounts->get("種別").toText(), "普通預金");
        EXPECT_EQ(accounts->get("期首残高").toInt32(), 0);
        EXPECT_EQ(accounts->get("現残高").toInt32(), 0);
    }
    for (const char* emptied : {"Q_取引先管理", "Q_固定資産台帳", "Q_リース資産管理", "Q_仕訳台帳", "Q_仕訳変更履歴"})
        EXPECT_EQ(CountRows(d, emptied), 0) << emptied;
    EXPECT_EQ(CountRows(d, "Q_仕訳定型台帳"), 1);
    EXPECT_EQ(form->templates().List1->count(), 1);
    EXPECT_EQ(form->partners().List4->count(), 0);
    EXPECT_EQ(form->assets().List5->count(), 0);
    EXPECT_EQ(form->balance().List7->count(), branches);
    EXPECT_EQ(s(form->balance().Text3[0]->text()), "0");
}

// The opening cash and deposits that the books read from the settings row
// follow the zeroed chart at once, not only when the window is loaded again.
TEST_F(InitialisationTest, StoresAndShowsTheOpeningCashOfTheZeroedChart)
{
    SetFields(db(), "Q_勘定科目コード表", "勘定科目名", "普通預金", {{"期首残高", 300}});
    form->balance().UpdateOpeningCash();
    ASSERT_EQ(Setting(db(), "期首現金残高").toInt32(), 200);
    ASSERT_EQ(Setting(db(), "期首預金残高").toInt32(), 300);
    dialogs->expectMessage(kFirstQuestion, ui::Answer::Yes);
    dialogs->expectMessage(kTemplateQuestion, ui::Answer::No);
    dialogs->expectMessage("システムの初期化は終了しました", ui::Answer::Ok);
    form->Command5[setup::Form31::InitialiseButton]->click();

    EXPECT_EQ(Setting(db(), "期首現金残高").toInt32(), 0);
    EXPECT_EQ(Setting(db(), "期首預金残高").toInt32(), 0);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(s(form->balance().Text7[i]->text()), "0") << i;
}

TEST_F(InitialisationTest, YesToTheSecondQuestionDeletesTheTemplates)
{
    dialogs->expectMessage(kFirstQuestion, ui::Answer::Yes);
    dialogs->expectMessage(kTemplateQuestion, ui::Answer::Yes);
    dialogs->expectMessage("システムの初期化は終了しました", ui::Answer::Ok);
    form->Command5[setup::Form31::InitialiseButton]->click();
    EXPECT_EQ(CountRows(db(), "Q_仕訳定型台帳"), 0);
    EXPECT_EQ(form->templates().List1->count(), 0);
}

// A branch in use whose bank was deleted from the bank master gets no bank
// account (it would have no bank name): the initialisation names it and makes
// the others.
class OrphanBranchTest : public InitialisationTest {
protected:
    void prepare(dao::Database& d) override
    {
        InitialisationTest::prepare(d);
        d.Execute("UPDATE 支店コードﾏｽﾀｰ SET 使用支店 = 1 WHERE 支店コード = '0010100'");
        d.Execute("DELETE FROM 銀行コードﾏｽﾀｰ WHERE 銀行コード = '0010'");
    }
};

TEST_F(OrphanBranchTest, ABranchWithoutItsBankGetsNoBankAccountAndIsNamed)
{
    const long long branches = CountRows(db(), "Q_使用銀行支店");
    dialogs->expectMessage(kFirstQuestion, ui::Answer::Yes);
    dialogs->expectMessage(kTemplateQuestion, ui::Answer::No);
    dialogs
        ->expectMessage("次の支店は取引銀行を作成しませんでした。金融機関台帳を確かめてください\n"
                        "支店「東京営業部」（支店コード 0010100）の銀行（銀行コード 0010）が銀行マスターにありません",
                        ui::Answer::Ok)
        .withoutTitle();
    dialogs->expectMessage("システムの初期化は終了しました", ui::Answer::Ok);
    form->Command5[setup::Form31::InitialiseButton]->click();

    EXPECT_EQ(CountRows(db(), "Q_取引銀行"), branches - 1);
    EXPECT_EQ(CountRows(db(), "SELECT * FROM 取引銀行 WHERE 支店コード = '0010100'"), 0);
    auto accounts = db().OpenRecordset("Q_取引銀行", dao::RecordsetType::Snapshot);
    for (accounts->MoveFirst(); !accounts->EOF_(); accounts->MoveNext())
        EXPECT_FALSE(accounts->get("銀行名").toText().empty()) << accounts->get("支店コード").toText();
    EXPECT_EQ(dialogs->beepCount(), 1);
}

// Where the failing write falls: the chart is zeroed first (one write an
// account), then the opening cash is stored, then the one old bank account is
// deleted and one is added per branch in use, then the partner, asset, lease,
// journal row, history row and template are deleted.
struct FailureCase {
    const char* name;
    int chartShare;   // which part of the chart's writes: 0 none, 1 half, 2 all
    int branchShare;  // 0 none, 1 all the branches' writes
    int further;      // and this many more
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class InitialisationFailureTest : public InitialisationTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(InitialisationFailureTest, FailedWriteLeavesEveryTableAsItWas)
{
    const std::string before = DumpWrittenTables(db());
    const FailureCase& c = GetParam();
    const long long chartRows = CountRows(db(), "Q_勘定科目コード表");
    const long long branches = CountRows(db(), "Q_使用銀行支店");
    const long long failOn = chartRows * c.chartShare / 2 + branches * c.branchShare + c.further;
    dialogs->expectMessage(kFirstQuestion, ui::Answer::Yes);
    dialogs->expectMessage(kTemplateQuestion, ui::Answer::Yes);
    dialogs->expectAnyMessage(ui::Answer::Ok);
    dao::DBEngine::instance().setFailurePlan({dao::FailurePlan::Kind::WriteFails, static_cast<int>(failOn), false});
    form->Command5[setup::Form31::InitialiseButton]->click();
    dao::DBEngine::instance().clearFailurePlan();

    ASSERT_FALSE(dialogs->messageTexts().empty());
    EXPECT_EQ(dialogs->messageTexts().back().rfind("システムの初期化ができませんでした", 0), 0u);
    EXPECT_EQ(DumpWrittenTables(db()), before);
    EXPECT_EQ(form->partners().List4->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Writes, InitialisationFailureTest,
                         ::testing::Values(FailureCase{"InTheChart", 1, 0, 0}, FailureCase{"AtTheOpeningCash", 2, 0, 1},
                                           FailureCase{"AtTheFirstNewBankAccount", 2, 0, 3},
                                           FailureCase{"AtTheJournal", 2, 1, 6},
                                           FailureCase{"AtTheTemplates", 2, 1, 8}),
                         testsupport::kCaseName);

}  // namespace
}  // namespace setuptest
