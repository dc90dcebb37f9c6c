// The bank and branch master window, driven offscreen on a prepared period file
// (standard banks 0001 みずほ銀行, 0005 三菱ＵＦＪ銀行 with 本店 001 and 041,
// 0009 三井住友銀行, 0010 りそな銀行, 0017 埼玉りそな銀行).

#include "registers/Form11.h"

#include "common/o.h"
#include "frame/Fonts.h"
#include "frame/WindowRegistry.h"
#include "support/AnotherProgram.h"
#include "support/CaseName.h"
#include "support/FocusMovingDialogs.h"
#include "support/TempPeriodFile.h"
#include "support/WindowTestBase.h"
#include "platform/dao/Engine.h"
#include "platform/ui/ScriptedDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace {

using registers::Form11;
using testsupport::AnotherProgram;
using testsupport::DumpRows;
using testsupport::TempPeriodFile;

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}
std::string s(const QString& text)
{
    return text.toStdString();
}

class Form11Test : public testsupport::WindowTestBase<> {
protected:
    void SetUp() override
    {
        WindowTestBase::SetUp();
        useFile(file.path());
        db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        form = std::make_unique<Form11>();
        form->show();
    }

    void closeWindows() override
    {
        form.reset();
        db->Close();
    }

    // Makes the window the active one, so that its fields can hold the focus.
    void activate()
    {
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
    }

    // The row of a list whose line begins with `start`, or -1.
    static int lineStarting(QListWidget* list, const std::string& start)
    {
        for (int i = 0; i < list->count(); ++i)
            if (s(list->item(i)->text()).rfind(start, 0) == 0)
                return i;
        return -1;
    }
    void chooseBank(const std::string& code)
    {
        const int row = lineStarting(form->List1(), code);
        ASSERT_GE(row, 0) << code;
        form->List1()->setCurrentRow(row);
    }
    void chooseBranch(const std::string& bankName, const std::string& number)
    {
        for (int i = 0; i < form->List2()->count(); ++i) {
            const std::string line = s(form->List2()->item(i)->text());
            if (line.rfind(bankName, 0) == 0 && line.find(" " + number + " ") != std::string::npos) {
                form->List2()->setCurrentRow(i);
                return;
            }
        }
        FAIL() << bankName << " " << number;
    }
    std::string bankField(const std::string& code, const std::string& field)
    {
        auto rs = db->OpenRecordset("SELECT " + field + " FROM 銀行コードﾏｽﾀｰ WHERE 銀行コード = '" + code + "'",
                                    dao::RecordsetType::Snapshot);
        return rs->isEmpty() ? "(none)" : rs->get(field).toText();
    }
    std::string branchName(const std::string& code)
    {
        auto rs = db->OpenRecordset("SELECT 支店名 FROM 支店コードﾏｽﾀｰ WHERE 支店コード = '" + code + "'",
                                    dao::RecordsetType::Snapshot);
        return rs->isEmpty() ? "(none)" : rs->get("支店名").toText();
    }
    void useInJournal(const std::string& bankCode, const std::string& branchCode)
    {
        db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 銀行コード, 支店コード) VALUES ('2024-05-01', "
                    "'240501090000', 1, ?, ?)",
                    {dao::Value(bankCode), dao::Value(branchCode)});
    }
    void useInBankAccounts(const std::string& bankCode, const std::string& branchCode)
    {
        db->Execute("INSERT INTO 取引銀行 (no, 銀行コード, 支店コード, 種別) VALUES (1, ?, ?, '普通預金')",
                    {dao::Value(bankCode), dao::Value(branchCode)});
    }

    TempPeriodFile file;
    std::shared_ptr<dao::Database> db;
    std::unique_ptr<Form11> form;
};

TEST_F(Form11Test, LoadsOnItsOwnConnectionAndListsBothMasters)
{
    EXPECT_EQ(s(form->windowTitle()), "テスト商事 第12期　会計 金融機関台帳");
    EXPECT_FALSE(o::CompanyDb);
    EXPECT_FALSE(o::DbWorkspace);
    ASSERT_TRUE(form->BankMasterDb);
    EXPECT_EQ(form->List1()->count(), 5);
    EXPECT_EQ(form->List2()->count(), 10);
    EXPECT_EQ(s(form->List1()->item(0)->text()).rfind("0001     みずほ銀行", 0), 0u);
    EXPECT_EQ(s(form->Label3()->text()), "全銀協　金融機関台帳");
}

TEST_F(Form11Test, ChoosingLinesLoadsTheirRows)
{
    chooseBank("0009");
    EXPECT_EQ(s(form->Text1(0)->text()), "0009");
    EXPECT_EQ(s(form->Text1(1)->text()), "三井住友銀行");
    EXPECT_EQ(s(form->Text1(2)->text()), "ﾐﾂｲｽﾐﾄﾓ");
    EXPECT_TRUE(form->Check1(0)->isChecked());
    chooseBranch("三菱ＵＦＪ銀行", "041");
    EXPECT_EQ(s(form->Text2(3)->text()), "三菱ＵＦＪ銀行");
    EXPECT_EQ(s(form->Text2(0)->text()), "041");
    EXPECT_EQ(s(form->Text2(1)->text()), "新宿中央支店");
    EXPECT_FALSE(form->Check1(1)->isChecked());
}

TEST_F(Form11Test, AddedBankTakesTheNextCodeAndATypedCodeIsStoredZeroPadded)
{
    form->Command1_Click(Form11::BankAdd);
    EXPECT_EQ(form->List1()->count(), 6);
    EXPECT_EQ(bankField("0018", "銀行名"), "＊新規銀行登録名＊");
    EXPECT_EQ(form->List1()->currentRow(), -1);

    chooseBank("0018");
    form->Text1(0)->setText("12");
    form->Text1(1)->setText(q("東西銀行"));
    form->Check1(0)->setChecked(true);
    form->Command1_Click(Form11::BankUpdate);
    EXPECT_EQ(bankField("0012", "銀行名"), "東西銀行");
    EXPECT_EQ(bankField("0012", "使用銀行"), "True");
    EXPECT_EQ(bankField("  12", "銀行名"), "(none)");
    EXPECT_EQ(bankField("0018", "銀行名"), "(none)");
    EXPECT_GE(lineStarting(form->List1(), "0012"), 0);
    EXPECT_TRUE(form->Text1(0)->text().isEmpty());
}

TEST_F(Form11Test, AWrongCodeOnlyBeepsAndSavesNothing)
{
    activate();
    const std::string before = DumpRows(*db, "銀行コードﾏｽﾀｰ");
    chooseBank("0010");
    form->Text1(0)->setText("12345");
    form->Text1(1)->setText(q("名前も保存されない"));
    form->Command1_Click(Form11::BankUpdate);
    EXPECT_EQ(dialogs->beepCount(), 1);
    EXPECT_TRUE(form->Text1(0)->hasFocus());
    EXPECT_EQ(DumpRows(*db, "銀行コードﾏｽﾀｰ"), before);
    EXPECT_EQ(s(form->Text1(1)->text()), "名前も保存されない");  // the fields keep what was typed
}

TEST_F(Form11Test, ACodeAlreadyTakenIsRefusedNamingItsBank)
{
    const std::string before = DumpRows(*db, "銀行コードﾏｽﾀｰ");
    chooseBank("0010");
    form->Text1(0)->setText("1");
    dialogs->expectMessage("銀行番号「0001」は既に「みずほ銀行」に使われています", ui::Answer::Ok).withoutTitle();
    form->Command1_Click(Form11::BankUpdate);
    EXPECT_EQ(DumpRows(*db, "銀行コードﾏｽﾀｰ"), before);
    EXPECT_EQ(dialogs->beepCount(), 1);
}

TEST_F(Form11Test, ABankInUseIsNeitherDeletedNorRecoded)
{
    useInBankAccounts("0001", "0001203");
    useInJournal("0001", "0001203");
    chooseBank("0001");
    dialogs->expectMessage("「みずほ銀行」は取引銀行・仕訳に使われているため、削除できません", ui::Answer::Ok)
        .withoutTitle();
    form->Command1_Click(Form11::BankDelete);
    EXPECT_EQ(bankField("0001", "銀行名"), "みずほ銀行");

    chooseBank("0001");
    form->Text1(0)->setText("0002");
    dialogs->expectMessage("「みずほ銀行」は取引銀行・仕訳に使われているため、銀行番号を変更できません", ui::Answer::Ok)
        .withoutTitle();
    form->Command1_Click(Form11::BankUpdate);
    EXPECT_EQ(bankField("0001", "銀行名"), "みずほ銀行");
    EXPECT_EQ(bankField("0002", "銀行名"), "(none)");

    // Renaming a bank in use keeps its code and is allowed.
    form->Text1(0)->setText("0001");
    form->Text1(1)->setText(q("みずほ銀行（本部）"));
    form->Command1_Click(Form11::BankUpdate);
    EXPECT_EQ(bankField("0001", "銀行名"), "みずほ銀行（本部）");
}

// A bank with branches is not deleted (they would point at no bank): the
// message names them. A bank nobody uses and without branches goes without a
// question.
TEST_F(Form11Test, ABankWithBranchesIsKeptAndOneWithoutIsDeletedWithoutAQuestion)
{
    chooseBank("0009");
    dialogs
        ->expectMessage("「三井住友銀行」には支店（東京営業部・新宿西口支店・渋谷駅前支店）があるため、削除できません"
                        "　先に支店を削除してください",
                        ui::Answer::Ok)
        .withoutTitle();
    form->Command1_Click(Form11::BankDelete);
    EXPECT_EQ(bankField("0009", "銀行名"), "三井住友銀行");
    EXPECT_EQ(dialogs->beepCount(), 1);

    chooseBranch("りそな銀行", "100");
    form->Command2_Click(Form11::BranchDelete);  // its one branch first
    EXPECT_EQ(branchName("0010100"), "(none)");
    chooseBank("0010");
    form->Command1_Click(Form11::BankDelete);
    EXPECT_EQ(bankField("0010", "銀行名"), "(none)");
    EXPECT_EQ(form->List1()->count(), 4);
}

// A new code takes the bank's branches with it: their bank code and the start
// of their branch codes follow, their numbers and names stay.
TEST_F(Form11Test, ANewBankCodeCarriesItsBranches)
{
    const std::string otherBranches =
        DumpRows(*db, "SELECT * FROM 支店コードﾏｽﾀｰ WHERE 銀行コード <> '0005' ORDER BY 支店コード");
    chooseBank("0005");
    form->Text1(0)->setText(q("２２"));  // typed with full-width digits
    form->Command1_Click(Form11::BankUpdate);
    EXPECT_EQ(bankField("0005", "銀行名"), "(none)");
    EXPECT_EQ(bankField("0022", "銀行名"), "三菱ＵＦＪ銀行");
    EXPECT_EQ(branchName("0022001"), "本店");
    EXPECT_EQ(branchName("0022041"), "新宿中央支店");
    EXPECT_EQ(branchName("0005001"), "(none)");
    auto moved = db->OpenRecordset("SELECT COUNT(*) AS n FROM 支店コードﾏｽﾀｰ WHERE 銀行コード = '0022'",
                                   dao::RecordsetType::Snapshot);
    EXPECT_EQ(moved->get("n").toInt64(), 2);
    EXPECT_EQ(DumpRows(*db, "SELECT * FROM 支店コードﾏｽﾀｰ WHERE 銀行コード <> '0022' ORDER BY 支店コード"),
              otherBranches);
    // The branch list shows them under their bank at once.
    chooseBranch("三菱ＵＦＪ銀行", "041");
    EXPECT_EQ(s(form->Text2(1)->text()), "新宿中央支店");
}

// A bank whose branch is used keeps its code, as a bank in use does.
TEST_F(Form11Test, ABankWhoseBranchIsUsedKeepsItsCode)
{
    db->Execute("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 支店コード) VALUES ('240401000000', 1, '0005041')");
    const std::string before = DumpRows(*db, "銀行コードﾏｽﾀｰ") + DumpRows(*db, "支店コードﾏｽﾀｰ");
    chooseBank("0005");
    form->Text1(0)->setText("22");
    dialogs->expectMessage("「新宿中央支店」は定型仕訳に使われているため、銀行番号を変更できません", ui::Answer::Ok)
        .withoutTitle();
    form->Command1_Click(Form11::BankUpdate);
    EXPECT_EQ(DumpRows(*db, "銀行コードﾏｽﾀｰ") + DumpRows(*db, "支店コードﾏｽﾀｰ"), before);
}

TEST_F(Form11Test, ButtonsNeedAChosenLine)
{
    const std::string before = DumpRows(*db, "銀行コードﾏｽﾀｰ") + DumpRows(*db, "支店コードﾏｽﾀｰ");
    form->Command1_Click(Form11::BankUpdate);
    form->Command1_Click(Form11::BankDelete);
    form->Command2_Click(Form11::BranchUpdate);
    form->Command2_Click(Form11::BranchDelete);
    dialogs->expectMessage("銀行リストまたは支店リストを選択してください", ui::Answer::Ok).withTitle("経理台帳");
    form->Command2_Click(Form11::BranchAdd);
    EXPECT_EQ(dialogs->beepCount(), 1);
    EXPECT_EQ(DumpRows(*db, "銀行コードﾏｽﾀｰ") + DumpRows(*db, "支店コードﾏｽﾀｰ"), before);
}

TEST_F(Form11Test, AddedBranchFollowsTheBanksLastBranch)
{
    chooseBank("0005");
    form->Command2_Click(Form11::BranchAdd);  // 支店追加 for the chosen bank
    EXPECT_EQ(branchName("0005042"), "＊新規支店登録名＊");

    // With a bank and a branch chosen, the branch's bank wins.
    chooseBank("0005");
    chooseBranch("みずほ銀行", "203");
    form->Command2_Click(Form11::BranchAdd);
    EXPECT_EQ(branchName("0001211"), "＊新規支店登録名＊");

    chooseBank("0017");
    form->Command2_Click(Form11::BranchAdd);
    EXPECT_EQ(branchName("0017111"), "＊新規支店登録名＊");
}

TEST_F(Form11Test, ABranchIsUpdatedAndItsNumberCheckedAndKeptUnique)
{
    activate();
    chooseBranch("三菱ＵＦＪ銀行", "041");
    form->Text2(0)->setText("42");
    form->Command2_Click(Form11::BranchUpdate);
    EXPECT_EQ(dialogs->beepCount(), 1);
    EXPECT_TRUE(form->Text2(0)->hasFocus());
    EXPECT_EQ(branchName("0005041"), "新宿中央支店");

    form->Text2(0)->setText("001");
    dialogs->expectMessage("支店番号「001」は既に「本店」に使われています", ui::Answer::Ok).withoutTitle();
    form->Command2_Click(Form11::BranchUpdate);
    EXPECT_EQ(branchName("0005041"), "新宿中央支店");

    form->Text2(0)->setText("045");
    form->Text2(1)->setText(q("新宿南支店"));
    form->Check1(1)->setChecked(true);
    form->Command2_Click(Form11::BranchUpdate);
    EXPECT_EQ(branchName("0005045"), "新宿南支店");
    EXPECT_EQ(branchName("0005041"), "(none)");
}

// The refusals that put the focus back in a field run from the buttons, never
// from a field being left: a message box that moves the focus shows its
// message once, and the field comes back with its text selected.
TEST_F(Form11Test, ARefusalWhoseMessageMovesTheFocusComesOnce)
{
    struct Case {
        const char* name;
        std::function<void()> choose;
        QLineEdit* field;
        const char* typed;
        QPushButton* update;
    };
    const std::string banks = DumpRows(*db, "銀行コードﾏｽﾀｰ");
    const std::string branches = DumpRows(*db, "支店コードﾏｽﾀｰ");
    for (const Case& c :
         {Case{"bank code taken", [&] { chooseBank("0010"); }, form->Text1(0), "1", form->Command1(Form11::BankUpdate)},
          Case{"branch number taken", [&] { chooseBranch("三菱ＵＦＪ銀行", "041"); }, form->Text2(0), "001",
               form->Command2(Form11::BranchUpdate)}}) {
        SCOPED_TRACE(c.name);
        c.choose();
        c.field->setText(c.typed);
        auto moving = std::make_unique<testsupport::FocusMovingDialogs>(c.field);
        testsupport::FocusMovingDialogs* seen = moving.get();
        auto scripted = ui::setDialogs(std::move(moving));
        c.update->click();
        EXPECT_EQ(seen->messages, 1);
        EXPECT_EQ(seen->beeps, 1);
        EXPECT_EQ(s(c.field->selectedText()), c.typed);
        ui::setDialogs(std::move(scripted));
    }
    EXPECT_EQ(DumpRows(*db, "銀行コードﾏｽﾀｰ"), banks);
    EXPECT_EQ(DumpRows(*db, "支店コードﾏｽﾀｰ"), branches);
}

TEST_F(Form11Test, ABranchInUseIsNeitherDeletedNorRenumbered)
{
    db->Execute("INSERT INTO 仕訳定型台帳 (仕訳ID, 追番, 銀行コード, 支店コード) VALUES ('240401000000', 1, '0009', "
                "'0009232')");
    chooseBranch("三井住友銀行", "232");
    dialogs->expectMessage("「渋谷駅前支店」は定型仕訳に使われているため、削除できません", ui::Answer::Ok)
        .withoutTitle();
    form->Command2_Click(Form11::BranchDelete);
    EXPECT_EQ(branchName("0009232"), "渋谷駅前支店");

    chooseBranch("三井住友銀行", "232");
    form->Text2(0)->setText("233");
    dialogs->expectMessage("「渋谷駅前支店」は定型仕訳に使われているため、支店番号を変更できません", ui::Answer::Ok)
        .withoutTitle();
    form->Command2_Click(Form11::BranchUpdate);
    EXPECT_EQ(branchName("0009232"), "渋谷駅前支店");

    chooseBranch("三井住友銀行", "221");
    form->Command2_Click(Form11::BranchDelete);
    EXPECT_EQ(branchName("0009221"), "(none)");
}

// The line names its row by code: a row changed or removed elsewhere since it
// was shown is refused, never mistaken for the row now in its place.
TEST_F(Form11Test, ARowChangedOrRemovedElsewhereIsRefused)
{
    chooseBank("0010");
    db->Execute("DELETE FROM 銀行コードﾏｽﾀｰ WHERE 銀行コード = '0010'");
    dialogs
        ->expectMessage("選択された銀行は他で変更または削除されています　一覧を読み直しましたので選び直してください",
                        ui::Answer::Ok)
        .withoutTitle();
    form->Command1_Click(Form11::BankDelete);
    EXPECT_EQ(form->List1()->count(), 4);
    EXPECT_EQ(bankField("0009", "銀行名"), "三井住友銀行");
    EXPECT_EQ(bankField("0017", "銀行名"), "埼玉りそな銀行");

    db->Execute("UPDATE 支店コードﾏｽﾀｰ SET 支店名 = '名古屋支店' WHERE 支店コード = '0001210'");
    dialogs
        ->expectMessage("選択された支店は他で変更または削除されています　一覧を読み直しましたので選び直してください",
                        ui::Answer::Ok)
        .withoutTitle();
    chooseBranch("みずほ銀行", "210");
    EXPECT_TRUE(form->Text2(1)->text().isEmpty());
    chooseBranch("みずほ銀行", "210");
    EXPECT_EQ(s(form->Text2(1)->text()), "名古屋支店");
}

// ---- another program on the same file -------------------------------------------------

const char* const kBankChanged =
    "選択された銀行は他で変更または削除されています　一覧を読み直しましたので選び直してください";
const char* const kBranchChanged =
    "選択された支店は他で変更または削除されています　一覧を読み直しましたので選び直してください";

// Another program holds the file with a change of its own and commits it while
// the window waits for the lock: once the window holds the lock it sees the
// change and refuses, instead of writing the row as it was shown back over it.
struct ChangeWhileWaitingCase {
    const char* name;
    bool bankSide;            // the bank list, or the branch list
    const char* line;         // the bank code, or the number of a branch of 三菱ＵＦＪ銀行
    int button;               // the side's 更新 or 削除
    const char* otherChange;  // the other program's UPDATE
    const char* readBack;     // a SELECT of the field `field`, read back after the refusal
    const char* field;
    const char* otherValue;  // what the other program stored there
};

void PrintTo(const ChangeWhileWaitingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChangeWhileWaitingTest : public Form11Test, public ::testing::WithParamInterface<ChangeWhileWaitingCase> {};

TEST_P(ChangeWhileWaitingTest, TheChangeCommittedMeanwhileIsRefusedNotOverwritten)
{
    const ChangeWhileWaitingCase& c = GetParam();
    c.bankSide ? chooseBank(c.line) : chooseBranch("三菱ＵＦＪ銀行", c.line);
    {
        AnotherProgram other(file.path());
        other.exec("BEGIN IMMEDIATE");
        other.exec(c.otherChange);
        other.execLater(std::chrono::milliseconds(300), "COMMIT");
        dialogs->expectMessage(c.bankSide ? kBankChanged : kBranchChanged, ui::Answer::Ok).withoutTitle();
        c.bankSide ? form->Command1_Click(c.button) : form->Command2_Click(c.button);
    }
    auto stored = db->OpenRecordset(c.readBack, dao::RecordsetType::Snapshot);
    ASSERT_FALSE(stored->isEmpty()) << "the row is gone";
    EXPECT_EQ(stored->get(c.field).toText(), c.otherValue);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, ChangeWhileWaitingTest,
    ::testing::Values(
        ChangeWhileWaitingCase{
            "BankUpdate", true, "0005", Form11::BankUpdate,
            "UPDATE 銀行コードﾏｽﾀｰ SET 振込銀行名 = 'ﾐﾂﾋﾞｼ', 使用銀行 = 0 WHERE 銀行コード = '0005'",
            "SELECT 振込銀行名 || '/' || 使用銀行 AS 値 FROM 銀行コードﾏｽﾀｰ WHERE 銀行コード = '0005'", "値",
            "ﾐﾂﾋﾞｼ/0"},
        ChangeWhileWaitingCase{"BankDelete", true, "0010", Form11::BankDelete,
                               "UPDATE 銀行コードﾏｽﾀｰ SET 銀行名 = 'りそな銀行本部' WHERE 銀行コード = '0010'",
                               "SELECT 銀行名 FROM 銀行コードﾏｽﾀｰ WHERE 銀行コード = '0010'", "銀行名",
                               "りそな銀行本部"},
        ChangeWhileWaitingCase{"BranchUpdate", false, "041", Form11::BranchUpdate,
                               "UPDATE 支店コードﾏｽﾀｰ SET 支店名 = '新宿中央' WHERE 支店コード = '0005041'",
                               "SELECT 支店名 FROM 支店コードﾏｽﾀｰ WHERE 支店コード = '0005041'", "支店名", "新宿中央"},
        ChangeWhileWaitingCase{"BranchDelete", false, "041", Form11::BranchDelete,
                               "UPDATE 支店コードﾏｽﾀｰ SET 振込支店名 = 'ｼﾝｼﾞﾕｸ' WHERE 支店コード = '0005041'",
                               "SELECT 振込支店名 FROM 支店コードﾏｽﾀｰ WHERE 支店コード = '0005041'", "振込支店名",
                               "ｼﾝｼﾞﾕｸ"}),
    testsupport::kCaseName);

// The number "支店追加" gives is chosen once the window holds the file: a
// branch another program added meanwhile is not added a second time.
TEST_F(Form11Test, AnAddedBranchTakesTheNumberAfterOneAddedMeanwhile)
{
    chooseBank("0005");
    {
        AnotherProgram other(file.path());
        other.exec("BEGIN IMMEDIATE");
        other.exec(
            "INSERT INTO 支店コードﾏｽﾀｰ (銀行コード, 支店コード, 支店名) VALUES ('0005', '0005042', '池袋支店')");
        other.execLater(std::chrono::milliseconds(300), "COMMIT");
        form->Command2_Click(Form11::BranchAdd);
    }
    EXPECT_EQ(branchName("0005042"), "池袋支店");
    EXPECT_EQ(branchName("0005043"), "＊新規支店登録名＊");
}

// Another program holds the file past the wait budget: "支店追加" gives up
// within the budget, says that the file is in use and that nothing changed,
// and works once the file is free.
TEST_F(Form11Test, AddingABranchWhileAnotherProgramHoldsTheFileEndsWithinTheBudget)
{
    const std::string before = DumpRows(*db, "支店コードﾏｽﾀｰ");
    chooseBank("0005");
    dao::DBEngine::instance().setBusyWait(std::chrono::milliseconds(300));
    {
        AnotherProgram other(file.path());
        other.exec("BEGIN EXCLUSIVE");
        dialogs->expectAnyMessage(ui::Answer::Ok);
        const auto start = std::chrono::steady_clock::now();
        form->Command2_Click(Form11::BranchAdd);
        const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_LT(waited, 0.3 * 1.6) << "more than one wait of the budget";
        ASSERT_FALSE(dialogs->messageTexts().empty());
        const std::string message = dialogs->messageTexts().back();
        EXPECT_NE(message.find("他のプログラムが使用中"), std::string::npos) << message;
        EXPECT_NE(message.find("ファイルの内容は変わっていません"), std::string::npos) << message;
    }
    dao::DBEngine::instance().setBusyWait(dao::DBEngine::kDefaultBusyWait);
    EXPECT_EQ(DumpRows(*db, "支店コードﾏｽﾀｰ"), before);
    chooseBank("0005");
    form->Command2_Click(Form11::BranchAdd);
    EXPECT_EQ(branchName("0005042"), "＊新規支店登録名＊");
}

TEST_F(Form11Test, EnterMovesOnAsTab)
{
    activate();
    form->Text1(1)->setFocus();
    ASSERT_TRUE(form->Text1(1)->hasFocus());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form->Text1(1), &enter);
    ASSERT_EQ(dialogs->sentKeys().size(), 1u);
    EXPECT_EQ(dialogs->sentKeys()[0], "{TAB}");
    EXPECT_TRUE(form->Text1(2)->hasFocus());
}

TEST_F(Form11Test, EnteringATextBoxSelectsItsText)
{
    chooseBank("0009");
    activate();
    form->Text1(1)->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(s(form->Text1(1)->selectedText()), "三井住友銀行");
}

TEST_F(Form11Test, CaptionsShowWholeAtTheDefaultSize)
{
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        EXPECT_GE(label->width(), label->sizeHint().width()) << s(label->text());
        EXPECT_TRUE(form->rect().contains(QRect(label->mapTo(form.get(), QPoint(0, 0)), label->size())))
            << s(label->text());
    }
    for (QPushButton* button : form->findChildren<QPushButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << s(button->text());
}

TEST(Form11Registry, OpensByItsName)
{
    TempPeriodFile file;
    o::ResetGlobals();
    o::DbFilePath = file.path();
    ui::installScriptedDialogs().setFailureHandler([](const std::string& report) { ADD_FAILURE() << report; });
    registerRegistersWindows();
    QWidget* window = frame::WindowRegistry::instance().show("Form11");
    ASSERT_NE(window, nullptr);
    EXPECT_NE(qobject_cast<Form11*>(window), nullptr);
    EXPECT_EQ(frame::WindowRegistry::instance().show("Form11"), window);
    frame::WindowRegistry::instance().closeAll();
    frame::WindowRegistry::instance().clear();
    o::ResetGlobals();
}

}  // namespace
