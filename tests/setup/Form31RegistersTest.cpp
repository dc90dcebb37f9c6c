// The business partners of the tab "取引先管理" and the company's bank accounts
// of the tab "期首残高設定": registered, loaded, updated and deleted through the
// window, each chosen line used by its key.
#include "setup/WindowFixture.h"
#include "setup/RegisterFixture.h"

#include "common/EditMode.h"
#include "frame/WindowRegistry.h"
#include "setup/ShownRecords.h"
#include "support/CaseName.h"

namespace setuptest {
namespace {

using setup::BalanceTab;
using setup::PartnerTab;

// ---- business partners -------------------------------------------------------------------

std::vector<std::string> PartnerRows(dao::Database& d)
{
    return Rows(
        d, "Q_取引先管理",
        {"取引先名", "取引内容", "取引先ランク", "締日", "支払日", "住所", "代表者", "電話番号", "メールアドレス"});
}

class PartnerTest : public SetupWindowTest {
protected:
    void prepare(dao::Database& d) override
    {
        AddRow(d, "Q_取引先管理",
               {{"取引先名", "山田商店"},
                {"取引内容", "卸"},
                {"締日", 20},
                {"支払日", 60},
                {"取引先ランク", "A"},
                {"電話番号", "03-1111-2222"}});
        AddRow(d, "Q_取引先管理", {{"取引先名", "山田商店"}, {"取引内容", "小売"}});
    }
    void press(PartnerTab::Command3Button button) { form->partners().Command3[button]->click(); }
    std::string box(int i) { return s(form->partners().Text10[i]->text()); }
    std::string combo(int i) { return s(form->partners().Combo10[i]->currentText()); }
};

TEST_F(PartnerTest, RegisteredWithOnlySomeBoxesLeavesTheOthersUnset)
{
    editModeOn();
    form->partners().Text10[0]->setText(q("青葉商事"));
    form->partners().Combo10[1]->setEditText(q("5日"));
    form->partners().Combo10[2]->setEditText(q("30日後"));
    form->partners().Text10[4]->setText(q("045-000-0000"));
    press(PartnerTab::Register);
    EXPECT_EQ(PartnerRows(db()).back(), "青葉商事|||5|30|||045-000-0000|");
    ASSERT_EQ(form->partners().List4->count(), 3);
    EXPECT_EQ(box(0), "青葉商事");  // the boxes keep what they show
    EXPECT_TRUE(form->partners().List4->selectedItems().isEmpty());
}

TEST_F(PartnerTest, ChosenPartnerLoadsAndUpdateKeepsWhatWasEmptied)
{
    form->partners().List4->setCurrentRow(0);  // works with edit mode off
    EXPECT_EQ(box(0), "山田商店");
    EXPECT_EQ(combo(1), "20日");
    EXPECT_EQ(combo(2), "60日後");
    EXPECT_EQ(combo(3), "A");
    form->partners().List4->setCurrentRow(1);
    EXPECT_EQ(box(1), "小売");
    EXPECT_EQ(combo(2), "");
    EXPECT_EQ(combo(3), "");

    editModeOn();
    form->partners().List4->setCurrentRow(0);
    form->partners().Text10[4]->clear();
    form->partners().Combo10[3]->setEditText(QString());
    form->partners().Text10[2]->setText(q("横浜市"));
    press(PartnerTab::Update);
    const auto rows = PartnerRows(db());
    EXPECT_EQ(rows[0], "山田商店|卸||20|60|横浜市||03-1111-2222|");  // phone kept, rank emptied
    EXPECT_EQ(rows[1], "山田商店|小売||0|0||||");
    EXPECT_TRUE(form->partners().List4->selectedItems().isEmpty());
    press(PartnerTab::Update);  // no line chosen since the list was filled: nothing
    EXPECT_EQ(PartnerRows(db()), rows);
}

TEST_F(PartnerTest, TheSecondOfTwoNamesakesIsTheOneChanged)
{
    editModeOn();
    form->partners().List4->setCurrentRow(1);
    form->partners().Text10[3]->setText(q("山田二郎"));
    press(PartnerTab::Update);
    const auto rows = PartnerRows(db());
    EXPECT_EQ(rows[0], "山田商店|卸|A|20|60|||03-1111-2222|");
    EXPECT_EQ(rows[1], "山田商店|小売||0|0||山田二郎||");
}

TEST_F(PartnerTest, DeleteAsksAndTheBoxesStillShowTheDeletedPartner)
{
    editModeOn();
    form->partners().List4->setCurrentRow(0);
    dialogs->expectMessage("選択された得意先を削除します　よろしいですか？", ui::Answer::No).withTitle("得意先管理");
    press(PartnerTab::Delete);
    EXPECT_EQ(CountRows(db(), "Q_取引先管理"), 2);
    dialogs->expectMessage("選択された得意先を削除します　よろしいですか？", ui::Answer::Yes).withTitle("得意先管理");
    press(PartnerTab::Delete);
    EXPECT_EQ(PartnerRows(db()), std::vector<std::string>{"山田商店|小売||0|0||||"});
    EXPECT_EQ(form->partners().List4->count(), 1);
    EXPECT_EQ(box(1), "卸");
}

TEST_F(PartnerTest, WithEditModeOffTheButtonsDoNothing)
{
    const std::string before = DumpWrittenTables(db());
    form->partners().List4->setCurrentRow(0);
    form->partners().Text10[0]->setText(q("別名"));
    for (const auto button : {PartnerTab::ClearInput, PartnerTab::Register, PartnerTab::Update, PartnerTab::Delete})
        press(button);
    EXPECT_EQ(DumpWrittenTables(db()), before);
    EXPECT_EQ(box(0), "別名");
    EXPECT_TRUE(dialogs->calls().empty());
}

TEST_F(PartnerTest, PartnerChangedElsewhereIsRefusedAndTheListReadAgain)
{
    editModeOn();
    form->partners().List4->setCurrentRow(0);
    db().Execute("UPDATE 取引先管理 SET 住所 = '東京都' WHERE 取引内容 = '卸'");
    const std::string before = DumpWrittenTables(db());
    dialogs->expectMessage(setup::ChangedElsewhereMessage("取引先"), ui::Answer::Ok).withoutTitle();
    press(PartnerTab::Update);
    EXPECT_EQ(DumpWrittenTables(db()), before);
    EXPECT_NE(s(form->partners().List4->item(0)->text()).find("東京都"), std::string::npos);
}

// ---- company bank accounts ---------------------------------------------------------------

std::vector<std::string> AccountRows(dao::Database& d)
{
    return Rows(d, "Q_取引銀行", {"銀行コード", "支店コード", "種別", "期首残高", "現残高", "期末残高"});
}

class BankAccountTest : public SetupWindowTest {
protected:
    void prepare(dao::Database& d) override
    {
        AddTwoMainOffices(d, false);
        AddRow(d, "Q_取引銀行",
               {{"no", 1},
                {"銀行コード", "0001"},
                {"支店コード", "0001203"},
                {"種別", "当座預金"},
                {"期首残高", 300000},
                {"現残高", 250000},
                {"期末残高", 0}});
    }
    void fill(const char* bank, const char* branch, const char* kind, const char* balance)
    {
        form->balance().Combo2[0]->setEditText(q(bank));
        form->balance().Combo2[1]->setEditText(q(branch));
        form->balance().Combo2[2]->setEditText(q(kind));
        form->balance().Text3[0]->setText(q(balance));
    }
    void press(BalanceTab::Command8Button button) { form->balance().Command8[button]->click(); }
};

TEST_F(BankAccountTest, EachBanksMainOfficeIsFoundUnderItsOwnBank)
{
    editModeOn();
    fill("三井住友銀行", "本店", "普通預金", "1,000,000");
    press(BalanceTab::RegisterBankButton);
    fill("三菱ＵＦＪ銀行", "本店", "当座預金", "500");
    press(BalanceTab::RegisterBankButton);
    // Accounts added here have no number of their own ("no" 0) and come first.
    const auto rows = AccountRows(db());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "0009|0009001|普通預金|1000000|0|0");
    EXPECT_EQ(rows[1], "0005|0005001|当座預金|500|0|0");
    ASSERT_EQ(form->balance().List7->count(), 3);
    EXPECT_EQ(s(form->balance().List7->item(0)->text()),
              "三井住友銀行" + std::string(10, ' ') + "本店" + std::string(8, ' ') + "普通預金" + std::string(6, ' ')
                  + "   1,000,000");
    EXPECT_EQ(s(form->balance().Text3[10]->text()), "1,300,500");
}

TEST_F(BankAccountTest, AnAccountThatExistsAlreadyIsRefused)
{
    editModeOn();
    fill("みずほ銀行", "新宿支店", "当座預金", "0");
    dialogs->expectMessage("同じ銀行、支店、種別の口座が既に登録されています", ui::Answer::Ok).withoutTitle();
    press(BalanceTab::RegisterBankButton);
    EXPECT_EQ(AccountRows(db()).size(), 1u);
}

TEST_F(BankAccountTest, UpdateLeavesTheCurrentBalanceTheBankBookStored)
{
    editModeOn();
    form->balance().List7->setCurrentRow(0);
    EXPECT_EQ(s(form->balance().Combo2[1]->currentText()), "新宿支店");
    EXPECT_EQ(s(form->balance().Text3[0]->text()), "300,000");
    form->balance().Text3[0]->setText(q("320,000"));
    press(BalanceTab::UpdateBankButton);
    EXPECT_EQ(AccountRows(db()), std::vector<std::string>{"0001|0001203|当座預金|320000|250000|0"});
    EXPECT_EQ(s(form->balance().Text3[10]->text()), "320,000");
    press(BalanceTab::UpdateBankButton);  // no line chosen since the list was filled: nothing
    EXPECT_EQ(AccountRows(db()), std::vector<std::string>{"0001|0001203|当座預金|320000|250000|0"});
}

TEST_F(BankAccountTest, DeleteAsksNamingTheChosenAccountWhateverTheBoxesShow)
{
    editModeOn();
    form->balance().List7->setCurrentRow(0);
    fill("三井住友銀行", "本店", "普通預金", "0");
    const char* question = "選択された取引銀行「みずほ銀行　新宿支店　当座預金」を削除します　よろしいですか？";
    dialogs->expectMessage(question, ui::Answer::No).withTitle("取引銀行").withButtons(ui::Buttons::YesNo);
    press(BalanceTab::DeleteBankButton);
    EXPECT_EQ(AccountRows(db()).size(), 1u);
    dialogs->expectMessage(question, ui::Answer::Yes).withTitle("取引銀行");
    press(BalanceTab::DeleteBankButton);
    EXPECT_TRUE(AccountRows(db()).empty());
    EXPECT_EQ(form->balance().List7->count(), 0);
}

// The total follows the list down to no account at all.
TEST_F(BankAccountTest, DeletingTheLastAccountLeavesATotalOfNothing)
{
    editModeOn();
    ASSERT_EQ(s(form->balance().Text3[10]->text()), "300,000");
    form->balance().List7->setCurrentRow(0);
    dialogs->expectMessage("選択された取引銀行「みずほ銀行　新宿支店　当座預金」を削除します　よろしいですか？",
                           ui::Answer::Yes);
    press(BalanceTab::DeleteBankButton);
    ASSERT_EQ(form->balance().List7->count(), 0);
    EXPECT_EQ(s(form->balance().Text3[10]->text()), "0");
}

struct BoxCase {
    const char* name;
    const char* bank;
    const char* branch;
    const char* kind;
    const char* balance;
    const char* message;
};

void PrintTo(const BoxCase& c, std::ostream* os)
{
    *os << c.name;
}

class BankAccountBoxTest : public BankAccountTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(BankAccountBoxTest, EveryButtonChecksTheBoxesFirst)
{
    const BoxCase& c = GetParam();
    editModeOn();
    form->balance().List7->setCurrentRow(0);
    fill(c.bank, c.branch, c.kind, c.balance);
    const std::string before = DumpWrittenTables(db());
    for (const auto button :
         {BalanceTab::RegisterBankButton, BalanceTab::UpdateBankButton, BalanceTab::DeleteBankButton}) {
        dialogs->expectMessage(c.message, ui::Answer::Ok).withoutTitle();
        press(button);
    }
    EXPECT_EQ(DumpWrittenTables(db()), before);
    EXPECT_EQ(dialogs->beepCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, BankAccountBoxTest,
    ::testing::Values(BoxCase{"EmptyKind", "みずほ銀行", "新宿支店", "", "0", "テキストボックスに入力してください"},
                      BoxCase{"EmptyBalance", "みずほ銀行", "新宿支店", "普通預金", "", "金額欄が数値でありません"},
                      BoxCase{"BalanceNotANumber", "みずほ銀行", "新宿支店", "普通預金", "10万",
                              "金額欄が数値でありません"},
                      BoxCase{"BankNotInUse", "りそな銀行", "東京営業部", "普通預金", "0", "銀行が登録されていません"},
                      BoxCase{"BranchOfAnotherBank", "みずほ銀行", "本店", "普通預金", "0", "支店が登録されていません"},
                      BoxCase{"UnknownKind", "みずほ銀行", "新宿支店", "積立預金", "0", "預金種別が正しくありません"}),
    testsupport::kCaseName);

TEST_F(BankAccountTest, BankMasterButtonOpensTheBankMasterWindowInEitherMode)
{
    auto& registry = frame::WindowRegistry::instance();
    registry.add("Form11", frame::WindowRegistry::Factory([] { return new QWidget; }));
    form->balance().Command9->click();
    EXPECT_NE(registry.window("Form11"), nullptr);
    registry.closeAll();
}

}  // namespace
}  // namespace setuptest
