// The rollover window driven offscreen with scripted answers, on the sample
// company in a data folder of its own.

#include "closing/Form37.h"
#include "closing/Rollover.h"
#include "closing/RollForward.h"

#include "RolloverFixture.h"
#include "common/o.h"
#include "frame/Fonts.h"
#include "frame/WindowRegistry.h"
#include "periodfile/TempDir.h"
#include "platform/ui/ScriptedDialogs.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace closing;
using closing::testing::FilesIn;
using closing::testing::Sha256Of;

namespace {

class Form37Test : public closing::testing::SampleRolloverTest {
protected:
    void SetUp() override
    {
        SampleRolloverTest::SetUp();
        o::ResetGlobals();
        frame::installFontSubstitutions();
        o::DataFolder = dataDir.string();
        o::DbFileName = "サンプル商事第10期.mdb";
        o::DbFilePath = sourcePath;
        dialogs = &ui::installScriptedDialogs();
        dialogs->setFailureHandler([](const std::string& report) { ADD_FAILURE() << report; });
        registerClosingWindows();
        frame::WindowRegistry::instance().add("Form9", frame::WindowRegistry::Factory([] { return new QWidget; }));
        form = qobject_cast<Form37*>(frame::WindowRegistry::instance().show("Form37", "年度更新"));
        ASSERT_NE(form, nullptr);
    }

    void TearDown() override
    {
        dialogs->verifyAllAnswered();
        frame::WindowRegistry::instance().closeAll();
        frame::WindowRegistry::instance().clear();
        o::ResetGlobals();
        SampleRolloverTest::TearDown();
    }

    void press() { form->Command1(0)->click(); }
    void expectQuestion(ui::Answer answer)
    {
        dialogs->expectMessage(kRolloverQuestion, answer).withTitle(kRolloverTitle).withButtons(ui::Buttons::YesNo);
    }

    ui::ScriptedDialogs* dialogs = nullptr;
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
    for (int i : {0, 1}) {
        QPushButton* button = form->Command1(i);
        EXPECT_GE(button->width(), QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8);
    }
    EXPECT_EQ(form->Command1(0)->text().toStdString(), "年度更新");
}

TEST_F(Form37Test, AnsweringNoLeavesEverythingAsItWas)
{
    const auto before = FilesIn(dataDir);
    expectQuestion(ui::Answer::No);
    press();
    EXPECT_EQ(FilesIn(dataDir), before);
    EXPECT_EQ(o::CompanyDb->path(), sourcePath);
    EXPECT_TRUE(form->Command1(0)->isEnabled());
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
    EXPECT_TRUE(form->Command1(0)->isEnabled());
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
    EXPECT_TRUE(form->Command1(0)->isEnabled());
}

// After the rollover the program's database is the new file, the closed
// period's file is still the one the start window named, and the button is spent.
TEST_F(Form37Test, CompletesOnceAndSpendsTheButton)
{
    expectQuestion(ui::Answer::Yes);
    dialogs->expectMessage(kRolloverDone, ui::Answer::Ok).withoutTitle();
    press();
    ASSERT_TRUE(std::filesystem::exists(targetPath));
    EXPECT_EQ(o::CompanyDb->path(), targetPath);
    EXPECT_EQ(o::DbFilePath, sourcePath);
    form->SettingsRecordset->MoveFirst();
    EXPECT_EQ(form->SettingsRecordset->get("会計年度").toInt32(), 11);
    EXPECT_EQ(form->windowTitle().toStdString(), "サンプル商事 第10期　会計 年次更新");
    EXPECT_FALSE(form->Command1(0)->isEnabled());
    const std::string digest = Sha256Of(targetPath);
    form->RunRollover();   // no question, nothing done
    EXPECT_EQ(Sha256Of(targetPath), digest);
    EXPECT_EQ(Sha256Of(sourcePath), sourceDigest);
}

TEST_F(Form37Test, EndClosesTheWindow)
{
    form->Command1(1)->click();
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
