// A first start in the folder of the sample company, as a new user has it:
// the sample's line is selected, the menu shows its name and period, and every
// menu button opens its window with its caption.
#include "FrameFixture.h"

#include "frame/Form1.h"
#include "frame/Form2.h"
#include "frame/WindowRegistry.h"

#include "periodfile/SampleCompany.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace frametest {
namespace {

class SampleCompanyStartTest : public FrameFixture {};

TEST_F(SampleCompanyStartTest, TheSampleLineIsSelectedAndTheMenuOpensEveryWindow)
{
    registerWindows(true);
    periodfile::createSampleCompany(startDir.string());

    frame::Form1 form1(startDir.string());
    EXPECT_TRUE(dialogs->calls().empty());
    ASSERT_EQ(form1.List1()->count(), 1);
    ASSERT_EQ(form1.List1()->selectedItems().size(), 1);
    const std::string line = s(form1.List1()->selectedItems().front()->text());
    EXPECT_EQ(line.rfind("サンプル商事", 0), 0u) << line;
    EXPECT_NE(line.find("第 10期"), std::string::npos) << line;
    EXPECT_NE(line.find("2025/04/01～2026/03/31"), std::string::npos) << line;

    form1.Command2(frame::Form1::Menu)->click();
    auto* menu = qobject_cast<frame::Form2*>(frame::WindowRegistry::instance().window("Form2"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(s(menu->windowTitle()), "サンプル商事 第10期　会計 会計総合メニュー");
    EXPECT_EQ(s(menu->Label3(0)->text()), "サンプル商事");
    EXPECT_EQ(s(menu->Label3(2)->text()), " 第10期　自2025年04月01日　至2026年03月31日");

    const struct {
        int index;
        const char* window;
        const char* title;
    } buttons[] = {
        {frame::Form2::JournalEntry, "Form9", "仕訳入力"},     {frame::Form2::Books, "Form14", "管理（現金出納帳他）"},
        {frame::Form2::GeneralLedger, "Form33", "総勘定元帳"}, {frame::Form2::Closing, "Form34", "決算処理"},
        {frame::Form2::Setup, "Form31", "会計初期設定"},       {frame::Form2::Rollover, "Form37", "年次更新"},
    };
    for (const auto& b : buttons) {
        menu->Command2(b.index)->click();
        QWidget* window = frame::WindowRegistry::instance().window(b.window);
        ASSERT_NE(window, nullptr) << b.window;
        EXPECT_EQ(s(window->windowTitle()), std::string("サンプル商事 第10期　会計 ") + b.title);
    }
}

}  // namespace
}  // namespace frametest
