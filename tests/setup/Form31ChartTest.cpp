// The chart of accounts on the tab "期首残高設定": registering, updating and
// deleting an account with its credit-side copy rebuilt, the deletes that are
// refused, the code rule, and the industry account sets.
#include "setup/WindowFixture.h"
#include "setup/RegisterFixture.h"

#include "common/EditMode.h"
#include "support/AnotherProgram.h"
#include "support/CaseName.h"

#include <chrono>
#include <functional>

namespace setuptest {
namespace {

using setup::BalanceTab;

using ChartTest = SetupWindowTest;

void AddJournalRow(dao::Database& db, const char* debit, const char* credit)
{
    AddRow(db, "Q_仕訳台帳",
           {{"日付", dao::Date{2024, 5, 1}},
            {"伝票番号", "240501100000"},
            {"追番", 1},
            {"借方コード", debit},
            {"入金", 1000},
            {"貸方コード", credit},
            {"出金", 1000}});
}

std::string creditNameOfJournal(dao::Database& db)
{
    return FieldOf(db, "Q_仕訳台帳", "伝票番号", "240501100000", "勘定科目名2").toText();
}

// Q_勘定科目コード表2 holds exactly the master's seven columns, row for row.
void ExpectCopyMatchesMaster(dao::Database& db)
{
    auto master = db.OpenRecordset("Q_勘定科目コード表", dao::RecordsetType::Snapshot);
    auto copy = db.OpenRecordset("Q_勘定科目コード表2", dao::RecordsetType::Snapshot);
    ASSERT_EQ(master->RecordCount(), copy->RecordCount());
    for (master->MoveFirst(), copy->MoveFirst(); !master->EOF_(); master->MoveNext(), copy->MoveNext())
        for (const char* field : {"勘定科目コード", "勘定科目名", "消費税", "簡易課税", "大分類", "中分類", "小分類"})
            EXPECT_EQ(master->get(field).toText(), copy->get(std::string(field) + "2").toText())
                << master->get("勘定科目コード").toText() << " " << field;
}

TEST_F(ChartTest, ListLineShowsCodeNameBalanceAndInUseMark)
{
    SetFields(db(), "Q_勘定科目コード表", "勘定科目コード", "111", {{"期首残高", 1234567}});
    form->balance().Option7[1]->click();
    form->balance().Option7[0]->click();
    // The name takes 20 bytes (売掛金 6 and 14 blanks), a blank, the amount 12 characters.
    const std::string shown = "111 売掛金" + std::string(14 + 1 + 3, ' ') + "1,234,567";
    EXPECT_EQ(s(form->balance().List2->item(lineOf(form->balance().List2, "111"))->text()), shown + " ○");
    EXPECT_EQ(s(form->balance().List3->item(lineOf(form->balance().List3, "111"))->text()), shown);
}

TEST_F(ChartTest, RegisteredAccountTakesTheModelsClassesAndTheChosenColumn)
{
    editModeOn();
    form->balance().Option7[1]->click();  // 前期
    EXPECT_EQ(s(form->balance().Label15->text()), "＜過去の期末残高登録＞　前期");
    chooseAccount("111");
    form->balance().Text5[0]->setText("112");
    form->balance().Text5[1]->setText(q("未収売掛金"));
    form->balance().Text5[2]->setText("500");
    form->balance().Check2[2]->setChecked(false);  // 相方 is the model's whatever the box shows
    dialogs->expectMessage("指定した勘定科目を登録します　よろしいですか？", ui::Answer::Yes).withTitle("勘定科目登録");
    form->balance().Command2[BalanceTab::RegisterAccountButton]->click();

    auto& d = db();
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "112", "勘定科目名").toText(), "未収売掛金");
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "112", "前年決算残高").toInt32(), 500);
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "112", "期首残高").toInt32(), 0);
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "112", "小分類").toText(), "売上債権");
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "112", "大分類").toText(), "資産の部");
    EXPECT_TRUE(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "112", "相方有無").toBool());
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "112", "標準勘定科目名").toText(), "未収売掛金");
    ExpectCopyMatchesMaster(d);

    AddJournalRow(d, "100", "112");
    EXPECT_EQ(creditNameOfJournal(d), "未収売掛金");
    EXPECT_GE(lineOf(form->balance().List2, "112"), 0);
}

TEST_F(ChartTest, UpdatedNameReachesTheJournalsCreditSide)
{
    AddJournalRow(db(), "100", "400");
    editModeOn();
    chooseAccount("400");
    form->balance().Text5[1]->setText(q("商品売上高"));
    form->balance().Text5[2]->setText("0");
    form->balance().Command2[BalanceTab::UpdateAccountButton]->click();
    EXPECT_EQ(creditNameOfJournal(db()), "商品売上高");
    ExpectCopyMatchesMaster(db());
    EXPECT_EQ(s(form->balance().Text5[1]->text()), "商品売上高");  // the line chosen again reloads the row
}

// Lines that show an account by name: a fixed asset of 工具器具備品, a template
// paid from 普通預金, the company's ordinary accounts.
class OwnRenameTest : public SetupWindowTest {
protected:
    void prepare(dao::Database& d) override
    {
        AddTwoMainOffices(d, true);
        AddInspectionDevice(d);
        AddRentTemplateRow(d, "250401090000");
        AddRow(d, "Q_リース資産管理",
               {{"契約番号", "L-1"},
                {"資産名称", "複合機"},
                {"勘定科目コード", "145"},
                {"取得年月日", dao::Date{2024, 6, 1}},
                {"購入金額", 500000}});
    }
    void rename(const std::string& code, const char* name)
    {
        chooseAccount(code);
        form->balance().Text5[1]->setText(q(name));
        form->balance().Text5[2]->setText("0");
        form->balance().Command2[BalanceTab::UpdateAccountButton]->click();
    }
};

// The window's own renames are not taken for another program's change: the
// lines that name the accounts are shown anew, and choosing one loads it.
TEST_F(OwnRenameTest, LinesNamingARenamedAccountAreChosenWithoutComplaint)
{
    editModeOn();
    rename("145", "工具器具備品等");
    rename("103", "普通預金口座");

    form->assets().List5->setCurrentRow(0);  // a message here would fail the scripted dialogs
    EXPECT_EQ(s(form->assets().Text4[1]->text()), "検査装置");
    EXPECT_EQ(s(form->assets().Combo6[1]->currentText()), "工具器具備品等");

    form->templates().List1->setCurrentRow(0);
    EXPECT_NE(s(form->templates().List1->item(0)->text()).find("普通預金口座"), std::string::npos);

    ASSERT_EQ(form->balance().List7->count(), 2);
    EXPECT_NE(s(form->balance().List7->item(0)->text()).find("普通預金口座"), std::string::npos);
    form->balance().List7->setCurrentRow(0);
    EXPECT_EQ(s(form->balance().Combo2[2]->currentText()), "普通預金口座");
}

// Every list of the window that shows an account by name, each as one text.
struct NamingListCase {
    const char* name;
    std::function<QStringList(setup::Form31&)> texts;
};

void PrintTo(const NamingListCase& c, std::ostream* os)
{
    *os << c.name;
}

QStringList lines(const QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

QStringList choices(const QComboBox* box)
{
    QStringList all;
    for (int i = 0; i < box->count(); ++i)
        all << box->itemText(i);
    return all;
}

class RenamedAccountListTest : public OwnRenameTest, public ::testing::WithParamInterface<NamingListCase> {};

// 工具器具備品 (145) and 普通預金 (103) renamed in the window: no list of the
// window shows an old name any more, and each shows the new one.
TEST_P(RenamedAccountListTest, ShowsTheNewNameOnly)
{
    const auto joined = [this] { return s(GetParam().texts(*form).join('\n')); };
    ASSERT_TRUE(joined().find("工具器具備品") != std::string::npos || joined().find("普通預金") != std::string::npos);
    editModeOn();
    rename("145", "器具");
    rename("103", "普通口座");
    const std::string shown = joined();
    EXPECT_EQ(shown.find("工具器具備品"), std::string::npos) << shown;
    EXPECT_EQ(shown.find("普通預金"), std::string::npos) << shown;
    EXPECT_TRUE(shown.find("器具") != std::string::npos || shown.find("普通口座") != std::string::npos) << shown;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RenamedAccountListTest,
    ::testing::Values(
        NamingListCase{"MasterChart", [](setup::Form31& f) { return lines(f.balance().List2); }},
        NamingListCase{"AccountsInUse", [](setup::Form31& f) { return lines(f.balance().List3); }},
        NamingListCase{"Templates", [](setup::Form31& f) { return lines(f.templates().List1); }},
        NamingListCase{"TemplateDebitCells", [](setup::Form31& f) { return choices(f.templates().grid().Combo1[0]); }},
        NamingListCase{"TemplateCreditCells", [](setup::Form31& f) { return choices(f.templates().grid().Combo7[0]); }},
        NamingListCase{"BankAccounts", [](setup::Form31& f) { return lines(f.balance().List7); }},
        NamingListCase{"DepositKinds", [](setup::Form31& f) { return choices(f.balance().Combo2[2]); }},
        NamingListCase{"FixedAssets", [](setup::Form31& f) { return lines(f.assets().List5); }},
        NamingListCase{"FixedAssetAccounts", [](setup::Form31& f) { return choices(f.assets().Combo6[1]); }},
        NamingListCase{"Leases", [](setup::Form31& f) { return lines(f.assets().List6); }},
        NamingListCase{"LeaseAccounts", [](setup::Form31& f) { return choices(f.assets().Combo17[0]); }}),
    testsupport::kCaseName);

TEST_F(ChartTest, UpdateRefusesAChangedCode)
{
    editModeOn();
    chooseAccount("400");
    form->balance().Text5[0]->setText("401");
    dialogs->expectMessage("勘定科目コードは変更できません", ui::Answer::Ok).withoutTitle();
    form->balance().Command2[BalanceTab::UpdateAccountButton]->click();
    EXPECT_EQ(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "401", "勘定科目名").toText(), "売上値引戻り高");
}

TEST_F(ChartTest, DeletedAccountLeavesMasterAndCopyAndTheNextLineIsChosen)
{
    editModeOn();
    chooseAccount("115");
    const int line = form->balance().List2->currentRow();
    const std::string next = form->lineKeys(form->balance().List2)[line + 1];
    dialogs->expectMessage("選択した勘定科目を削除します　よろしいですか？", ui::Answer::Yes).withTitle("勘定科目削除");
    form->balance().Command2[BalanceTab::DeleteAccountButton]->click();
    EXPECT_TRUE(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "115", "勘定科目名").isNull());
    ExpectCopyMatchesMaster(db());
    EXPECT_EQ(s(form->balance().Text5[0]->text()), next);
}

TEST_F(ChartTest, AccountChangedElsewhereIsRefusedUntilChosenAgain)
{
    editModeOn();
    chooseAccount("115");
    SetFields(db(), "Q_勘定科目コード表", "勘定科目コード", "115", {{"勘定科目名", "売買目的有価証券"}});
    dialogs->expectAnyMessage(ui::Answer::Ok);
    form->balance().Command2[BalanceTab::UpdateAccountButton]->click();
    EXPECT_EQ(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "115", "勘定科目名").toText(), "売買目的有価証券");
    EXPECT_NE(dialogs->messageTexts().back().find("他で変更されています"), std::string::npos);
}

TEST_F(ChartTest, AccountDeletedElsewhereIsRefusedAndTheListReadAgain)
{
    editModeOn();
    chooseAccount("115");
    const int lines = form->balance().List2->count();
    {
        auto chart = db().OpenRecordset("Q_勘定科目コード表", dao::RecordsetType::Dynaset);
        chart->FindFirst("勘定科目コード", dao::Value("115"));
        chart->Delete();
    }
    dialogs
        ->expectMessage("選択された勘定科目が見つかりません。他で変更された可能性があります。もう一度選択してください",
                        ui::Answer::Ok)
        .withoutTitle();
    form->balance().Command2[BalanceTab::UpdateAccountButton]->click();
    EXPECT_EQ(form->balance().List2->count(), lines - 1);
    EXPECT_EQ(lineOf(form->balance().List2, "115"), -1);
}

// ---- another program on the same file -----------------------------------------------------

const char* const kAccountChangedElsewhere =
    "選択された勘定科目は他で変更されています。一覧を読み直しましたので、もう一度選択してください";

// The account is compared with what its line and the edit row showed, not only
// with what its list line shows: a flag another program changed is not
// written back.
struct UnshownFieldCase {
    const char* name;
    const char* field;
    const char* otherValue;  // as SQL, and as the field reads back
    const char* readBack;
};

void PrintTo(const UnshownFieldCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnshownFieldTest : public SetupWindowTest, public ::testing::WithParamInterface<UnshownFieldCase> {};

TEST_P(UnshownFieldTest, UpdateRefusesAnAccountChangedInAFieldItsLineDoesNotShow)
{
    const UnshownFieldCase& c = GetParam();
    editModeOn();
    chooseAccount("517");
    ASSERT_NE(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "517", c.field).toText(), c.readBack);
    const std::string line = s(form->balance().List2->currentItem()->text());
    testsupport::AnotherProgram(file.path())
        .exec(std::string("UPDATE 勘定科目コード表 SET ") + c.field + " = " + c.otherValue
              + " WHERE 勘定科目コード = '517'");
    ASSERT_EQ(s(form->balance().List2->item(lineOf(form->balance().List2, "517"))->text()), line);
    dialogs->expectMessage(kAccountChangedElsewhere, ui::Answer::Ok).withoutTitle();
    form->balance().Command2[BalanceTab::UpdateAccountButton]->click();
    EXPECT_EQ(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "517", c.field).toText(), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(Fields, UnshownFieldTest,
                         ::testing::Values(UnshownFieldCase{"ConsumptionTax", "消費税", "0", "False"},
                                           UnshownFieldCase{"DebitOrCredit", "借貸区分", "1", "1"},
                                           UnshownFieldCase{"SimplifiedTax", "簡易課税", "1", "True"}),
                         testsupport::kCaseName);

// Another program holds the file with a change to the account and commits it
// while "更新" or "削除" waits for the lock: the write sees it once it holds
// the lock, refuses, and the other program's account stays.
struct CommittedWhileWaitingCase {
    const char* name;
    BalanceTab::Command2Button button;  // "更新" or "削除"
    bool asksFirst;                     // "削除" asks before it writes
};

void PrintTo(const CommittedWhileWaitingCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommittedWhileWaitingTest : public SetupWindowTest,
                                  public ::testing::WithParamInterface<CommittedWhileWaitingCase> {};

TEST_P(CommittedWhileWaitingTest, TheWriteRefusesAndTheOtherProgramsAccountStays)
{
    const CommittedWhileWaitingCase& c = GetParam();
    editModeOn();
    chooseAccount("517");
    {
        testsupport::AnotherProgram other(file.path());
        other.exec("BEGIN IMMEDIATE");
        other.exec("UPDATE 勘定科目コード表 SET 勘定科目名 = '事務用品費', 消費税 = 0 WHERE 勘定科目コード = '517'");
        other.execLater(std::chrono::milliseconds(300), "COMMIT");
        if (c.asksFirst)
            dialogs->expectMessage("選択した勘定科目を削除します　よろしいですか？", ui::Answer::Yes);
        dialogs->expectMessage(kAccountChangedElsewhere, ui::Answer::Ok).withoutTitle();
        form->balance().Command2[c.button]->click();
    }
    EXPECT_EQ(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "517", "勘定科目名").toText(), "事務用品費");
    EXPECT_FALSE(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "517", "消費税").toBool());
    EXPECT_GE(lineOf(form->balance().List2, "517"), 0);
}

INSTANTIATE_TEST_SUITE_P(Writes, CommittedWhileWaitingTest,
                         ::testing::Values(CommittedWhileWaitingCase{"Update", BalanceTab::UpdateAccountButton, false},
                                           CommittedWhileWaitingCase{"Delete", BalanceTab::DeleteAccountButton, true}),
                         testsupport::kCaseName);

// Another program holds the file past the wait budget: "登録" gives up within
// the budget, says that nothing was saved, and works once the file is free.
TEST_F(ChartTest, RegisteringWhileAnotherProgramHoldsTheFileEndsWithinTheBudget)
{
    editModeOn();
    chooseAccount("111");
    form->balance().Text5[0]->setText("112");
    form->balance().Text5[1]->setText(q("未収売掛金"));
    form->balance().Text5[2]->setText("0");
    dao::DBEngine::instance().setBusyWait(std::chrono::milliseconds(300));
    {
        testsupport::AnotherProgram other(file.path());
        other.exec("BEGIN EXCLUSIVE");
        dialogs->expectAnyMessage(ui::Answer::Ok);
        const auto start = std::chrono::steady_clock::now();
        form->balance().Command2[BalanceTab::RegisterAccountButton]->click();
        const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_LT(waited, 0.3 * 1.6) << "more than one wait of the budget";
        ASSERT_FALSE(dialogs->messageTexts().empty());
        const std::string message = dialogs->messageTexts().back();
        EXPECT_NE(message.find("勘定科目表は元のままです"), std::string::npos) << message;
        EXPECT_NE(message.find("他のプログラムが使用中"), std::string::npos) << message;
    }
    dao::DBEngine::instance().setBusyWait(dao::DBEngine::kDefaultBusyWait);
    EXPECT_TRUE(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "112", "勘定科目名").isNull());

    form->balance().List2->setCurrentRow(-1);
    chooseAccount("111");
    form->balance().Text5[0]->setText("112");
    form->balance().Text5[1]->setText(q("未収売掛金"));
    form->balance().Text5[2]->setText("0");
    dialogs->expectMessage("指定した勘定科目を登録します　よろしいですか？", ui::Answer::Yes);
    form->balance().Command2[BalanceTab::RegisterAccountButton]->click();
    EXPECT_EQ(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "112", "勘定科目名").toText(), "未収売掛金");
}

TEST_F(ChartTest, ButtonsDoNothingButBeepWhileEditModeIsOff)
{
    chooseAccount("115");
    const int beeps = dialogs->beepCount();
    form->balance().Command2[BalanceTab::DeleteAccountButton]->click();
    EXPECT_EQ(dialogs->beepCount(), beeps + 1);
    EXPECT_FALSE(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "115", "勘定科目名").isNull());
}

// ---- refused deletes ---------------------------------------------------------------------

struct RefusedDeleteCase {
    const char* name;
    const char* code;
    void (*prepare)(dao::Database&);
    const char* message;
};

void PrintTo(const RefusedDeleteCase& c, std::ostream* os)
{
    *os << c.name;
}

class RefusedDeleteTest : public SetupWindowTest, public ::testing::WithParamInterface<RefusedDeleteCase> {
protected:
    void prepare(dao::Database& d) override { GetParam().prepare(d); }
};

TEST_P(RefusedDeleteTest, DeleteIsRefusedNamingWhatUsesTheAccount)
{
    const RefusedDeleteCase& c = GetParam();
    const std::string before = DumpWrittenTables(db());
    editModeOn();
    chooseAccount(c.code);
    dialogs->expectMessage(c.message, ui::Answer::Ok).withoutTitle();
    form->balance().Command2[BalanceTab::DeleteAccountButton]->click();
    EXPECT_EQ(DumpWrittenTables(db()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Uses, RefusedDeleteTest,
    ::testing::Values(
        RefusedDeleteCase{"JournalRow", "111", [](dao::Database& d) { AddJournalRow(d, "100", "111"); },
                          "勘定科目「売掛金」は仕訳で使われているため削除できません"},
        RefusedDeleteCase{"Template", "111",
                          [](dao::Database& d) {
                              AddRow(d, "Q_仕訳定型台帳",
                                     {{"仕訳ID", "240501100000"},
                                      {"追番", 1},
                                      {"摘要", "売上"},
                                      {"借方コード", "111"},
                                      {"貸方コード", "400"}});
                          },
                          "勘定科目「売掛金」は定型仕訳で使われているため削除できません"},
        RefusedDeleteCase{
            "FixedAsset", "143",
            [](dao::Database& d) {
                AddRow(d, "Q_固定資産台帳", {{"管理番号", "A1"}, {"名称", "旋盤"}, {"勘定科目コード", "143"}});
            },
            "勘定科目「機械装置」は固定資産台帳で使われているため削除できません"},
        RefusedDeleteCase{"Lease", "144",
                          [](dao::Database& d) {
                              AddRow(d, "Q_リース資産管理", {{"契約番号", "L1"}, {"勘定科目コード", "144"}});
                          },
                          "勘定科目「車両運搬具」はリース資産で使われているため削除できません"},
        RefusedDeleteCase{"BankAccountKind", "104",
                          [](dao::Database& d) {
                              AddRow(
                                  d, "Q_取引銀行",
                                  {{"no", 1}, {"銀行コード", "0001"}, {"支店コード", "0001203"}, {"種別", "通知預金"}});
                          },
                          "勘定科目「通知預金」は取引銀行の預金種別で使われているため削除できません"},
        RefusedDeleteCase{"Balance", "115",
                          [](dao::Database& d) {
                              SetFields(d, "Q_勘定科目コード表", "勘定科目コード", "115", {{"前3決算残高", 5}});
                          },
                          "勘定科目「有価証券」は残高または予算が０でないため削除できません"}),
    testsupport::kCaseName);

// ---- the code rule -----------------------------------------------------------------------------

struct CodeCase {
    const char* name;
    const char* typed;
};

void PrintTo(const CodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class CodeRuleTest : public SetupWindowTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(CodeRuleTest, OnlyThreeAsciiDigitsPassTheBoxAndRegister)
{
    editModeOn();
    chooseAccount("111");
    const long long accounts = CountRows(db(), "Q_勘定科目コード表");
    form->balance().Text5[0]->setText(q(GetParam().typed));
    const int beeps = dialogs->beepCount();
    leave(form->balance().Text5[0]);
    EXPECT_EQ(dialogs->beepCount(), beeps + 1);

    form->balance().Text5[2]->setText("0");
    dialogs->expectMessage("勘定科目コードが正しくありません", ui::Answer::Ok).withoutTitle();
    form->balance().Command2[BalanceTab::RegisterAccountButton]->click();
    EXPECT_EQ(CountRows(db(), "Q_勘定科目コード表"), accounts);
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeRuleTest,
                         ::testing::Values(CodeCase{"Negative", "-12"}, CodeCase{"Fraction", "1.5"},
                                           CodeCase{"TwoDigits", "12"}, CodeCase{"FourDigits", "1234"},
                                           CodeCase{"WideDigits", "１２３"}, CodeCase{"Grouped", "1,2"}),
                         testsupport::kCaseName);

TEST_F(ChartTest, RegisteringATakenCodeIsRefused)
{
    editModeOn();
    chooseAccount("111");
    form->balance().Text5[0]->setText("400");
    form->balance().Text5[2]->setText("0");
    dialogs->expectMessage("勘定科目コードが登録済みです", ui::Answer::Ok).withoutTitle();
    form->balance().Command2[BalanceTab::RegisterAccountButton]->click();
    EXPECT_EQ(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "400", "勘定科目名").toText(), "売上高");
}

// ---- industry sets -------------------------------------------------------------------------------

TEST_F(ChartTest, MasterCopiedToAnIndustryLeavesTheOtherSets)
{
    SetFields(db(), "Q_勘定科目コード表", "勘定科目コード", "400",
              {{"勘定科目名", "商品売上"}, {"販売業勘定科目名", "x"}});
    const std::string standardBefore =
        FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "400", "標準勘定科目名").toText();
    editModeOn();
    form->balance().Option3[1]->click();
    dialogs->expectMessage("マスター台帳を業種別勘定科目へ複写します　よろしいですか？", ui::Answer::Yes)
        .withTitle("業種別勘定科目設定");
    form->balance().Command4[setup::BalanceTab::CopyMasterToIndustryButton]->click();
    EXPECT_EQ(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "400", "販売業勘定科目名").toText(), "商品売上");
    EXPECT_EQ(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "400", "標準勘定科目名").toText(), standardBefore);
    EXPECT_FALSE(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "104", "販売使用").toBool());
    EXPECT_TRUE(FieldOf(db(), "Q_勘定科目コード表", "勘定科目コード", "111", "販売使用").toBool());
}

class IndustryToMasterTest : public SetupWindowTest {
protected:
    void prepare(dao::Database& d) override
    {
        // 建設: 400 has a name of its own; 111 only a standard one; 120 neither.
        SetFields(d, "Q_勘定科目コード表", "勘定科目コード", "111",
                  {{"建設業勘定科目名", ""}, {"標準勘定科目名", "完成工事未収入金"}});
        SetFields(d, "Q_勘定科目コード表", "勘定科目コード", "120",
                  {{"建設業勘定科目名", ""}, {"標準勘定科目名", ""}, {"建設使用", false}});
        AddJournalRow(d, "100", "400");
    }
};

TEST_F(IndustryToMasterTest, NamesFallBackToTheStandardNameThenTheCurrentOne)
{
    editModeOn();
    form->balance().Option3[3]->click();
    dialogs->expectMessage("業種別勘定科目名をマスター台帳へ複写します　よろしいですか？", ui::Answer::Yes)
        .withTitle("業種別勘定科目設定");
    form->balance().Command4[setup::BalanceTab::CopyIndustryToMasterButton]->click();
    auto& d = db();
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "400", "勘定科目名").toText(), "完成工事高");
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "111", "勘定科目名").toText(), "完成工事未収入金");
    EXPECT_EQ(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "120", "勘定科目名").toText(), "商品");
    EXPECT_FALSE(FieldOf(d, "Q_勘定科目コード表", "勘定科目コード", "120", "適用").toBool());
    EXPECT_EQ(creditNameOfJournal(d), "完成工事高");  // the copy was rebuilt with the new names
    ExpectCopyMatchesMaster(d);
}

TEST_F(ChartTest, AnIndustrySetWithNoAccountInUseIsRefused)
{
    auto chart = db().OpenRecordset("Q_勘定科目コード表", dao::RecordsetType::Dynaset);
    for (chart->MoveFirst(); !chart->EOF_(); chart->MoveNext()) {
        chart->Edit();
        chart->set("運送使用", false);
        chart->Update();
    }
    const std::string before = DumpRows(db(), "Q_勘定科目コード表") + DumpRows(db(), "Q_勘定科目コード表2");
    editModeOn();
    form->balance().Option3[4]->click();
    dialogs->expectMessage("業種別勘定科目名をマスター台帳へ複写します　よろしいですか？", ui::Answer::Yes);
    dialogs->expectMessage(
        "業種別勘定科目「運送」には使用する勘定科目がありません。先にマスターから業種別勘定科目へ複写してください",
        ui::Answer::Ok);
    form->balance().Command4[setup::BalanceTab::CopyIndustryToMasterButton]->click();
    EXPECT_EQ(DumpRows(db(), "Q_勘定科目コード表") + DumpRows(db(), "Q_勘定科目コード表2"), before);
}

}  // namespace
}  // namespace setuptest
