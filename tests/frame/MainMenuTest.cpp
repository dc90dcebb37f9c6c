// The main menu: opened from the start window on the chosen line, its company
// name and period, and the work windows its buttons open, each at most once.
#include "FrameFixture.h"

#include "common/EraYearText.h"
#include "common/o.h"
#include "frame/Form1.h"
#include "frame/Form2.h"
#include "frame/WindowRegistry.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <memory>

namespace frametest {
namespace {

class MainMenuTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        registerWindows(false);
        first = makePeriodFile(dataDir, "甲商事第1期.mdb", "甲商事", 1, "2024-04-01", "2025-03-31");
        second = makePeriodFile(dataDir, "乙工業第12期.mdb", "乙工業", 12, "2020-04-01", "2021-03-31");
        writeSavedPathFile(first + "\r\n");
        form1 = std::make_unique<frame::Form1>(startDir.string());
    }

    void TearDown() override
    {
        FrameFixture::TearDown();
        form1.reset();
    }

    int rowOf(const std::string& fileName) const
    {
        for (int i = 0; i < form1->ListedFileCount(); ++i)
            if (form1->FileList()[i] == fileName)
                return i;
        return -1;
    }

    frame::Form2* pressMenu(const std::string& fileName)
    {
        form1->List1()->setCurrentRow(rowOf(fileName));
        form1->Command2(frame::Form1::Menu)->click();
        return qobject_cast<frame::Form2*>(frame::WindowRegistry::instance().window("Form2"));
    }

    static std::string caption(const QWidget* w) { return w ? s(w->windowTitle()) : std::string("(no window)"); }

    std::string first, second;
    std::unique_ptr<frame::Form1> form1;
};

TEST_F(MainMenuTest, MenuShowsTheCompanyAndThePeriodOfTheChosenLine)
{
    frame::Form2* menu = pressMenu("乙工業第12期.mdb");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(caption(menu), "乙工業 第12期　会計 会計総合メニュー");
    EXPECT_EQ(s(menu->Label3(0)->text()), "乙工業");
    EXPECT_EQ(s(menu->Label3(2)->text()), " 第12期　自2020年04月01日　至2021年03月31日");
    EXPECT_EQ(s(menu->Frame1()->title()), "日常処理");
    EXPECT_EQ(o::DbFileName, "乙工業第12期.mdb");
    EXPECT_EQ(o::DbFilePath, second);
    ASSERT_TRUE(o::CompanyDb);
    EXPECT_EQ(o::CompanyDb->path(), second);
    EXPECT_TRUE(o::DbWorkspace);
}

TEST_F(MainMenuTest, AnEmptyOrNullCompanyNameIsLeftOutOfTheCaptionAndTheLabelShowsTheTitle)
{
    for (const char* sql : {"UPDATE 会計設定 SET 事業所名 = '';", "UPDATE 会計設定 SET 事業所名 = NULL;"}) {
        execSql(second, sql);
        frame::Form2* menu = pressMenu("乙工業第12期.mdb");
        ASSERT_NE(menu, nullptr) << sql;
        EXPECT_EQ(caption(menu), " 第12期　会計 会計総合メニュー") << sql;
        EXPECT_EQ(s(menu->Label3(0)->text()), "会計総合メニュー") << sql;
        menu->Command2(frame::Form2::Quit)->click();
        delete menu;
    }
}

TEST_F(MainMenuTest, MenuPressedAgainBringsTheMenuForwardUnchangedButWindowsOpenTheNewLine)
{
    frame::Form2* menu = pressMenu("甲商事第1期.mdb");
    ASSERT_NE(menu, nullptr);
    frame::Form2* again = pressMenu("乙工業第12期.mdb");
    EXPECT_EQ(again, menu);
    EXPECT_EQ(caption(menu), "甲商事 第1期　会計 会計総合メニュー");
    EXPECT_EQ(o::DbFilePath, second);

    menu->Command2(frame::Form2::Rollover)->click();
    EXPECT_EQ(caption(frame::WindowRegistry::instance().window("Form37")), "乙工業 第12期　会計 年次更新");
}

TEST_F(MainMenuTest, EachMenuButtonOpensItsWindowWithItsCaption)
{
    frame::Form2* menu = pressMenu("甲商事第1期.mdb");
    ASSERT_NE(menu, nullptr);
    const struct {
        int index;
        const char* button;
        const char* window;
        const char* caption;
    } cases[] = {
        {frame::Form2::Closing, "決算処理", "Form34", "甲商事 第1期　会計 決算処理"},
        {frame::Form2::Setup, "導入初期設定", "Form31", "甲商事 第1期　会計 会計初期設定"},
        {frame::Form2::Rollover, "年度更新", "Form37", "甲商事 第1期　会計 年次更新"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(s(menu->Command2(c.index)->text()), c.button);
        menu->Command2(c.index)->click();
        QWidget* window = frame::WindowRegistry::instance().window(c.window);
        ASSERT_NE(window, nullptr) << c.window;
        EXPECT_TRUE(window->isVisible()) << c.window;
        EXPECT_EQ(caption(window), c.caption);
    }
}

TEST_F(MainMenuTest, AWindowShownAgainIsBroughtForwardWithoutLoadingAgain)
{
    frame::Form2* menu = pressMenu("甲商事第1期.mdb");
    ASSERT_NE(menu, nullptr);
    menu->Command2(frame::Form2::Closing)->click();
    QWidget* closing = frame::WindowRegistry::instance().window("Form34");
    ASSERT_NE(closing, nullptr);

    execSql(first, "UPDATE 会計設定 SET 事業所名 = '甲商事（改）';");
    menu->Command2(frame::Form2::Closing)->click();
    EXPECT_EQ(frame::WindowRegistry::instance().window("Form34"), closing);
    EXPECT_EQ(caption(closing), "甲商事 第1期　会計 決算処理");  // not loaded again

    closing->close();
    delete closing;  // closing destroys the window
    menu->Command2(frame::Form2::Closing)->click();
    EXPECT_EQ(caption(frame::WindowRegistry::instance().window("Form34")), "甲商事（改） 第1期　会計 決算処理");
}

TEST_F(MainMenuTest, AWindowNotAvailableYetGivesAPlainMessage)
{
    frame::Form2* menu = pressMenu("甲商事第1期.mdb");
    ASSERT_NE(menu, nullptr);
    const struct {
        int index;
        const char* message;
    } cases[] = {
        {frame::Form2::JournalEntry, "「仕訳入力」の画面はまだ使えません。"},
        {frame::Form2::Books, "「現金出納帳、取引銀行他」の画面はまだ使えません。"},
        {frame::Form2::GeneralLedger, "「総勘定元帳」の画面はまだ使えません。"},
    };
    for (const auto& c : cases) {
        dialogs->expectMessage(c.message, ui::Answer::Ok);
        menu->Command2(c.index)->click();
    }
    EXPECT_EQ(dialogs->pendingExpectations(), 0u);
}

TEST_F(MainMenuTest, EndClosesTheMenuAndTheStartWindowStays)
{
    form1->show();
    frame::Form2* menu = pressMenu("甲商事第1期.mdb");
    ASSERT_NE(menu, nullptr);
    menu->Command2(frame::Form2::Closing)->click();
    menu->Command2(frame::Form2::Quit)->click();
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(form1->isVisible());
    EXPECT_NE(frame::WindowRegistry::instance().window("Form34"), nullptr);  // work windows stay open
}

TEST_F(MainMenuTest, AnUnreadableLineGivesAMessageNamingTheFileAndNoMenu)
{
    makeGarbageFile(dataDir, "壊れた第1期.mdb");
    dialogs->expectFileCancelled();
    form1->Image2(frame::Form1::DatabaseFile)->click();  // list again with the broken file
    dialogs->expectAnyMessage(ui::Answer::Ok);
    EXPECT_EQ(pressMenu("壊れた第1期.mdb"), nullptr);
    const std::vector<std::string> texts = dialogs->messageTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find("期ファイルを開けません"), std::string::npos) << texts[0];
    EXPECT_NE(texts[0].find("壊れた第1期.mdb"), std::string::npos) << texts[0];
}

TEST_F(MainMenuTest, APeriodFileWithoutASettingsRowGivesAMessageNamingTheMenuAndNoMenu)
{
    execSql(second, "DELETE FROM 会計設定;");
    dialogs->expectFileCancelled();
    form1->Image2(frame::Form1::DatabaseFile)->click();  // list again: the file now has no settings row
    dialogs->expectAnyMessage(ui::Answer::Ok);
    EXPECT_EQ(pressMenu("乙工業第12期.mdb"), nullptr);
    const std::vector<std::string> texts = dialogs->messageTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rfind("「会計総合メニュー」の画面を開けませんでした。\n", 0), 0u) << texts[0];
    EXPECT_NE(texts[0].find("会計設定"), std::string::npos) << texts[0];
}

TEST_F(MainMenuTest, AWindowWhosePeriodFileLacksAnObjectReportsItAndIsNotShown)
{
    frame::Form2* menu = pressMenu("甲商事第1期.mdb");
    ASSERT_NE(menu, nullptr);
    execSql(first, "DROP VIEW Q_決算仕訳台帳;");
    dialogs->expectAnyMessage(ui::Answer::Ok);
    menu->Command2(frame::Form2::Closing)->click();
    EXPECT_EQ(frame::WindowRegistry::instance().window("Form34"), nullptr);
    const std::vector<std::string> texts = dialogs->messageTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rfind("「決算処理」の画面を開けませんでした。\n", 0), 0u) << texts[0];
    // The missing query by its name in the user's words, with the file.
    EXPECT_NE(texts[0].find("「決算仕訳台帳」がありません"), std::string::npos) << texts[0];
    EXPECT_NE(texts[0].find("甲商事第1期.mdb"), std::string::npos) << texts[0];
    EXPECT_EQ(texts[0].find("Q_"), std::string::npos) << texts[0];
}

TEST_F(MainMenuTest, WindowLoadsSetTheSharedStateTheirWayAndSetupSwitchesEditModeOff)
{
    frame::Form2* menu = pressMenu("甲商事第1期.mdb");
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(o::EraRecordset);                    // the menu does not open the eras
    menu->Command2(frame::Form2::Rollover)->click();  // the rollover window neither
    EXPECT_FALSE(o::EraRecordset);
    menu->Command2(frame::Form2::Closing)->click();  // the closing window does
    ASSERT_TRUE(o::EraRecordset);
    EXPECT_EQ(o::EraYearText(dao::Date{2024, 4, 1}), "令和6年");

    o::EditMode = o::EditModeOn;
    menu->Command2(frame::Form2::Setup)->click();
    EXPECT_EQ(o::EditMode, o::EditModeOff);
    EXPECT_EQ(o::EraYearText(dao::Date{2019, 5, 1}), "令和元年");
}

TEST_F(MainMenuTest, TheDailyWorkButtonsOpenTheJournalAndBooksWindows)
{
    registerWindows(true);
    frame::Form2* menu = pressMenu("甲商事第1期.mdb");
    ASSERT_NE(menu, nullptr);
    const struct {
        int index;
        const char* window;
        const char* caption;
    } cases[] = {
        {frame::Form2::JournalEntry, "Form9", "甲商事 第1期　会計 仕訳入力"},
        {frame::Form2::Books, "Form14", "甲商事 第1期　会計 管理（現金出納帳他）"},
        {frame::Form2::GeneralLedger, "Form33", "甲商事 第1期　会計 総勘定元帳"},
    };
    for (const auto& c : cases) {
        menu->Command2(c.index)->click();
        EXPECT_EQ(caption(frame::WindowRegistry::instance().window(c.window)), c.caption);
    }
}

// One bad stored value keeps a window shut, and the message names the file,
// the table, the row and the field, so that the user can find it.
TEST_F(MainMenuTest, ABadStoredValueKeepsTheWindowShutWithAMessageNamingWhereItIs)
{
    registerWindows(true);
    struct Case {
        const char* name;
        const char* spoil;
        int button;
        const char* title;
        const char* where;
        const char* field;
    };
    const Case cases[] = {
        {"settings flag", "UPDATE 会計設定 SET 消費税計算 = 'maybe'", frame::Form2::JournalEntry, "仕訳入力",
         "の「会計設定」の 1 行目（事業所名 甲商事、会計年度 1）で、", "フィールド「消費税計算」の値「maybe」は真偽値"},
        {"amount",
         "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 入金, 出金)"
         " VALUES ('2024-05-01', '240501000001', 1, '売上', 1e300, 1e300)",
         frame::Form2::JournalEntry, "仕訳入力", "の「仕訳台帳」の 1 行目（日付 2024/5/1、伝票番号 240501000001）で、",
         "フィールド「入金」の値「1E+300」は扱える範囲"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = (dataDir / "丙商店第1期.mdb").string();
        std::filesystem::remove(path);
        makePeriodFile(dataDir, "丙商店第1期.mdb", "甲商事", 1, "2024-04-01", "2025-03-31");
        execSql(path, c.spoil);
        form1->ListDatabaseFiles();
        frame::Form2* menu = pressMenu("丙商店第1期.mdb");
        ASSERT_NE(menu, nullptr);
        dialogs->expectAnyMessage(ui::Answer::Ok);
        menu->Command2(c.button)->click();
        const std::vector<std::string> texts = dialogs->messageTexts();
        ASSERT_FALSE(texts.empty());
        const std::string& text = texts.back();
        EXPECT_EQ(text.rfind("「" + std::string(c.title) + "」の画面を開けませんでした。\nファイル「" + path + "」"
                                 + c.where + c.field,
                             0),
                  0u)
            << text;
        frame::WindowRegistry::instance().closeAll();
    }
}

}  // namespace
}  // namespace frametest
