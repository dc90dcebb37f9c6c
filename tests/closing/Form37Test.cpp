// The rollover window driven offscreen with scripted answers, on the sample
// company in a data folder of its own.

#include "closing/Form37.h"
#include "closing/Rollover.h"
#include "closing/RollForward.h"

#include "RolloverFixture.h"
#include "common/o.h"
#include "frame/Application.h"
#include "frame/Fonts.h"
#include "frame/Form1.h"
#include "frame/WindowRegistry.h"
#include "periodfile/TempDir.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/AnotherProgram.h"
#include "support/CaseName.h"
#include "support/DamagedValues.h"
#include "support/WindowTestBase.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <chrono>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace closing;
using closing::testing::FilesIn;
using closing::testing::Sha256Of;

namespace {

class Form37Test : public testsupport::WindowTestBase<closing::testing::SampleRolloverTest> {
protected:
    void SetUp() override
    {
        WindowTestBase::SetUp();
        useFile(sourcePath, dataDir);
        o::DbFileName = "サンプル商事第10期.mdb";
        registerClosingWindows();
        frame::WindowRegistry::instance().add("Form9", frame::WindowRegistry::Factory([] { return new QWidget; }));
        form = qobject_cast<Form37*>(frame::WindowRegistry::instance().show("Form37", "年度更新"));
        ASSERT_NE(form, nullptr);
    }

    void press() { form->Command1(Form37::StartRollover)->click(); }
    // The window loaded again, after the file was changed under it.
    void reload()
    {
        frame::WindowRegistry::instance().closeAll();
        form = qobject_cast<Form37*>(frame::WindowRegistry::instance().show("Form37", "年度更新"));
        ASSERT_NE(form, nullptr);
    }
    void changeSource(const std::string& sql)
    {
        dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sourcePath)->Execute(sql);
        sourceDigest = Sha256Of(sourcePath);
    }
    void expectRefusal(const std::string& text) { dialogs->expectMessage(text, ui::Answer::Ok).withoutTitle(); }
    void expectQuestion(ui::Answer answer)
    {
        dialogs->expectMessage(kRolloverQuestion, answer).withTitle(kRolloverTitle).withButtons(ui::Buttons::YesNo);
    }

    Form37* form = nullptr;
};

TEST_F(Form37Test, ShowsItsCaptionAndEveryTextWhole)
{
    EXPECT_EQ(form->windowTitle().toStdString(), "サンプル商事 第10期　会計 年次更新");
    std::vector<QWidget*> texts;
    for (int i : {0, 1, 2})
        texts.push_back(form->Label1(i));
    for (int i : {0, 1, 2, 4, 5})
        texts.push_back(form->Label2(i));
    EXPECT_EQ(form->Label2(1)->text().toStdString(), "①総勘定科目の残高更新");
    for (QWidget* w : texts) {
        auto* label = qobject_cast<QLabel*>(w);
        ASSERT_NE(label, nullptr);
        EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()))
            << label->text().toStdString();
    }
    for (int i : {Form37::StartRollover, Form37::Quit}) {
        QPushButton* button = form->Command1(i);
        EXPECT_GE(button->width(), QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8);
    }
    EXPECT_EQ(form->Command1(Form37::StartRollover)->text().toStdString(), "年度更新");
}

TEST_F(Form37Test, AnsweringNoLeavesEverythingAsItWas)
{
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::No);
    press();
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_EQ(o::CompanyDb->path(), sourcePath);
    EXPECT_TRUE(form->Command1(Form37::StartRollover)->isEnabled());
}

TEST_F(Form37Test, KeepsAnExistingNextFileOnNo)
{
    periodfile::testing::writeAll(targetPath, "next period's work");
    const std::string digest = Sha256Of(targetPath);
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::Yes);
    dialogs->expectMessage(ReplaceTargetQuestion("サンプル商事第11期.mdb"), ui::Answer::No)
        .withTitle(kRolloverTitle)
        .withButtons(ui::Buttons::YesNoDefaultNo);
    press();
    EXPECT_EQ(Sha256Of(targetPath), digest);
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
}

TEST_F(Form37Test, IsRefusedWhileAnotherWorkWindowIsOpen)
{
    ASSERT_NE(frame::WindowRegistry::instance().show("Form9", "仕訳入力"), nullptr);
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::Yes);
    dialogs->expectMessage(OtherWindowOpenMessage("仕訳入力"), ui::Answer::Ok).withoutTitle();
    press();
    EXPECT_EQ(dialogs->beepCount(), 1);
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_TRUE(form->Command1(Form37::StartRollover)->isEnabled());
}

TEST_F(Form37Test, ARefusalNamesItsCauseAndMakesNoFile)
{
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(sourcePath);
        db->Execute("UPDATE 勘定科目コード表 SET 適用 = 0 WHERE 中分類 = '決算２'");
    }
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::Yes);
    dialogs->expectMessage(kNoCarriedProfitAccount, ui::Answer::Ok).withoutTitle();
    press();
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_TRUE(form->Command1(Form37::StartRollover)->isEnabled());
}

// After the rollover the program's database is the new file, the closed
// period's file is still the one the start window named, and the button is spent.
TEST_F(Form37Test, CompletesOnceAndSpendsTheButton)
{
    expectQuestion(ui::Answer::Yes);
    dialogs->expectMessage(RolloverDoneMessage("サンプル商事第11期.mdb"), ui::Answer::Ok).withoutTitle();
    press();
    ASSERT_TRUE(std::filesystem::exists(targetPath));
    EXPECT_EQ(o::CompanyDb->path(), targetPath);
    EXPECT_EQ(o::DbFilePath, sourcePath);
    form->SettingsRecordset->MoveFirst();
    EXPECT_EQ(form->SettingsRecordset->get("会計年度").toInt32(), 11);
    EXPECT_EQ(form->windowTitle().toStdString(), "サンプル商事 第10期　会計 年次更新");
    EXPECT_FALSE(form->Command1(Form37::StartRollover)->isEnabled());
    const std::string digest = Sha256Of(targetPath);
    form->RunRollover();  // no question, nothing done
    EXPECT_EQ(Sha256Of(targetPath), digest);
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
}

// The completion names the new file, and the start window already lists it
// beside the closed period, whose line stays chosen.
// A scratch copy that a rollover still holds is never listed; one that
// nothing holds is gone.
TEST_F(Form37Test, TheStartWindowListsTheNewFileWhenTheRolloverCompletes)
{
    const std::filesystem::path held = dataDir / "サンプル商事第11期.mdb.tmp-Held01";
    const std::filesystem::path cutOff = dataDir / "サンプル商事第11期.mdb.tmp-Left01";
    std::filesystem::copy_file(sourcePath, held);
    std::filesystem::copy_file(sourcePath, cutOff);
    const int holder = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    frame::Form1 start(dataDir.string());
    ASSERT_EQ(start.List1()->count(), 1);
    expectQuestion(ui::Answer::Yes);
    dialogs->expectMessage("年次更新処理は終了しました\n次期のファイル：サンプル商事第11期.mdb", ui::Answer::Ok)
        .withoutTitle();
    press();
    ::close(holder);
    EXPECT_TRUE(std::filesystem::exists(held));
    EXPECT_FALSE(std::filesystem::exists(cutOff));
    ASSERT_EQ(start.List1()->count(), 2);
    EXPECT_EQ(start.FileList()[1], "サンプル商事第11期.mdb");
    EXPECT_NE(start.List1()->item(1)->text().toStdString().find("第11期"), std::string::npos);
    EXPECT_EQ(start.List1()->currentRow(), 0);
}

// A folder under the next period's name is refused before any question of
// replacing it.
TEST_F(Form37Test, RefusesAFolderUnderTheNextNameWithoutOfferingToReplaceIt)
{
    std::filesystem::create_directory(targetPath);
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::Yes);
    dialogs
        ->expectMessage("データフォルダに次期のファイルと同じ名前「サンプル商事第11期."
                        "mdb」のフォルダがあるため、次期のファイルを作れません。"
                        "名前を変えるか移してから年次更新を行ってください",
                        ui::Answer::Ok)
        .withoutTitle();
    press();
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_TRUE(std::filesystem::is_directory(targetPath));
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
    EXPECT_TRUE(form->Command1(Form37::StartRollover)->isEnabled());
}

struct SettingsCase {
    const char* name;
    const char* settings;  // SET clause of 会計設定
    const char* refusal;
};
void PrintTo(const SettingsCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form37Settings : public Form37Test, public ::testing::WithParamInterface<SettingsCase> {};

// A period number or a period that cannot be rolled on is refused by name,
// before anything is made.
TEST_P(Form37Settings, AreRefusedByNameBeforeAnyFileIsMade)
{
    changeSource(std::string("UPDATE 会計設定 SET ") + GetParam().settings);
    reload();
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::Yes);
    expectRefusal(GetParam().refusal);
    press();
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
    EXPECT_TRUE(form->Command1(Form37::StartRollover)->isEnabled());
}

// A period number of 0, or none, is a damaged stored value: the window does
// not open, and its message names the field; nothing is made.
TEST_F(Form37Test, AnImpossiblePeriodNumberKeepsTheWindowShutNamingTheField)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "フィールド「会計年度」の値「0」は使えません"},
        {"NULL", "フィールド「会計年度」が空です"},
    };
    for (const auto& [number, named] : cases) {
        SCOPED_TRACE(number);
        changeSource(std::string("UPDATE 会計設定 SET 会計年度 = ") + number);
        const auto before = FilesIn(dataDir);
        frame::WindowRegistry::instance().closeAll();
        dialogs->expectAnyMessage(ui::Answer::Ok);
        form = qobject_cast<Form37*>(frame::WindowRegistry::instance().show("Form37", "年度更新"));
        EXPECT_EQ(form, nullptr);
        ASSERT_FALSE(dialogs->calls().empty());
        EXPECT_NE(dialogs->calls().back().text.find(named), std::string::npos) << dialogs->calls().back().text;
        EXPECT_EQ(FilesIn(dataDir), before);
        EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
    }
}

INSTANTIATE_TEST_SUITE_P(Rollover, Form37Settings,
                         ::testing::Values(SettingsCase{
                             "start after end", "会計期間開始日 = '2027-04-01', 会計期間終了日 = '2027-03-31'",
                             "会計期間（2027/04/01～2027/03/31）は開始日が終了日より後のため、年次更新を行えません。"
                             "会計期間を確かめてください"}),
                         testsupport::kCaseName);

// Another program holds the closed period's file past the wait: the rollover
// says so once, as the program delivers the click, and makes nothing.
TEST_F(Form37Test, SaysOnceThatAHeldFileIsInUse)
{
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::Yes);
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    dao::DBEngine::instance().setBusyWait(std::chrono::milliseconds(200));
    {
        testsupport::AnotherProgram other(sourcePath);
        other.exec("BEGIN EXCLUSIVE");
        frame::DeliverReportingErrors([&] {
            press();
            return true;
        });
    }
    dao::DBEngine::instance().setBusyWait(dao::DBEngine::kDefaultBusyWait);
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_NE(dialogs->calls()[1].text.find("プログラムが使用中"), std::string::npos) << dialogs->calls()[1].text;
    EXPECT_EQ(dialogs->calls()[1].text.find(frame::kActionFailedMessage), std::string::npos)
        << dialogs->calls()[1].text;
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
}

// A closed period's file that the closing window would refuse is refused by
// the rollover too, before anything is made: one message, naming the closed
// period's file, the table, the row and the field; the file stays byte for
// byte as it was and no next file is made.
class Form37DamagedFile : public Form37Test, public ::testing::WithParamInterface<testsupport::DamagedValue> {};

TEST_P(Form37DamagedFile, IsRefusedByNameWithOneMessageAndNothingMade)
{
    testsupport::Spoil(sourcePath, GetParam());
    sourceDigest = Sha256Of(sourcePath);
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::Yes);
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    press();
    ASSERT_EQ(dialogs->calls().size(), 2u);
    const std::string& refusal = dialogs->calls()[1].text;
    EXPECT_EQ(refusal.rfind("年次更新を中止しました。ファイル「" + sourcePath + "」" + GetParam().named, 0), 0u)
        << refusal;
    EXPECT_NE(refusal.find("次期のファイルは作っていません。"), std::string::npos) << refusal;
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
    EXPECT_EQ(o::CompanyDb->path(), sourcePath);
    EXPECT_TRUE(form->Command1(Form37::StartRollover)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Rollover, Form37DamagedFile,
    ::testing::Values(
        testsupport::DamagedValue{
            "statement class empty on the accounts in use", "UPDATE 勘定科目コード表 SET 大分類 = '' WHERE 適用 <> 0",
            "の「勘定科目コード表」の 1 行目（勘定科目コード 100、勘定科目名 現金）で、フィールド「大分類」が空です"
            "（「資産の部」「負債の部」「資本の部」「経常損益」「特別損益」「決算」のどれかのはずです）"},
        testsupport::DamagedValue{
            // The journal's walk meets it first: named by its place in the table.
            "closing entry of a text amount",
            "UPDATE 仕訳台帳 SET 入金 = 'abc' WHERE rowid = (SELECT min(rowid) FROM 仕訳台帳 WHERE 決算仕訳 <> 0)",
            "の「仕訳台帳」の 741 行目（日付 2026/3/31、伝票番号 "
            "260520100000）で、フィールド「入金」の値「abc」は数値として読めません"},
        testsupport::kNegativeRate, testsupport::kRateOfAThousand, testsupport::kSecondSettingsRow,
        testsupport::kSideSeven, testsupport::kOpeningBalanceFraction,
        testsupport::DamagedValue{"bank account of a text opening balance",
                                  "UPDATE 取引銀行 SET 期首残高 = 'x' WHERE rowid = (SELECT min(rowid) FROM 取引銀行)",
                                  "の「取引銀行」の 1 行目（no 1、銀行コード "
                                  "0001）で、フィールド「期首残高」の値「x」は数値として読めません"},
        testsupport::DamagedValue{"fixed asset of a text book value",
                                  "UPDATE 固定資産台帳 SET 残存価格 = 'x' WHERE 管理番号 = 'F-001'",
                                  "の「固定資産台帳」の 1 行目（管理番号 F-001、名称 "
                                  "事務所内装工事）で、フィールド「残存価格」の値「x」は数値として読めません"}),
    testsupport::kCaseName);

// Openings that would not balance (a row left on 諸口) are shown before the
// new file is made, "いいえ" the default; "いいえ" makes nothing.
TEST_F(Form37Test, AsksBeforeCarryingOpeningsThatDoNotBalance)
{
    changeSource("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金)"
                 " VALUES ('2025-06-01', '250601090000', 1, '100', 7000, '999', 7000)");
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::Yes);
    dialogs->expectAnyMessage(ui::Answer::No).withTitle(kRolloverTitle).withButtons(ui::Buttons::YesNoDefaultNo);
    press();
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_NE(dialogs->calls()[1].text.find("諸口に残高 -7,000円"), std::string::npos) << dialogs->calls()[1].text;
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
    EXPECT_EQ(o::CompanyDb->path(), sourcePath);
    EXPECT_TRUE(form->Command1(Form37::StartRollover)->isEnabled());
}

TEST_F(Form37Test, EndClosesTheWindow)
{
    form->Command1(Form37::Quit)->click();
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
