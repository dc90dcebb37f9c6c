// Every window of the program at its default size with the IPA fonts: each
// caption shows whole, the buttons keep their size, the record lists have
// lines of one height; and the standard dialogs speak Japanese.
#include "FrameFixture.h"

#include "common/EditMode.h"
#include "frame/Fonts.h"
#include "frame/Form1.h"
#include "frame/Form2.h"
#include "frame/WindowRegistry.h"
#include "periodfile/SampleCompany.h"
#include "support/WindowChecks.h"

#include <QPushButton>

#include <vector>

namespace frametest {
namespace {

class WindowLayoutTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        frame::installFontSubstitutions();
        registerWindows(true);
        periodfile::createSampleCompany(startDir.string());
    }
};

void expectLaidOutWhole(QWidget& window)
{
    SCOPED_TRACE(window.windowTitle().toStdString());
    EXPECT_TRUE(support::everyCaptionShowsWhole(window));
    EXPECT_TRUE(support::buttonsKeepTheirSize(window));
    EXPECT_TRUE(support::everyRecordListHasUniformLines(window));
}

TEST_F(WindowLayoutTest, EveryWindowShowsItsCaptionsWholeAtItsDefaultSize)
{
    frame::Form1 start(startDir.string());
    expectLaidOutWhole(start);

    start.Command2(frame::Form1::Menu)->click();
    auto* menu = qobject_cast<frame::Form2*>(frame::WindowRegistry::instance().window("Form2"));
    ASSERT_NE(menu, nullptr);
    expectLaidOutWhole(*menu);

    const struct {
        int button;
        const char* window;
    } windows[] = {
        {frame::Form2::JournalEntry, "Form9"}, {frame::Form2::Books, "Form14"}, {frame::Form2::GeneralLedger, "Form33"},
        {frame::Form2::Closing, "Form34"},     {frame::Form2::Setup, "Form31"}, {frame::Form2::Rollover, "Form37"},
    };
    std::vector<QWidget*> opened;
    for (const auto& w : windows) {
        menu->Command2(w.button)->click();
        QWidget* window = frame::WindowRegistry::instance().window(w.window);
        ASSERT_NE(window, nullptr) << w.window;
        expectLaidOutWhole(*window);
        opened.push_back(window);
    }

    // With edit mode on, the edit buttons read "編集解除".
    o::SetEditMode(o::EditModeOn);
    for (QWidget* window : opened) {
        SCOPED_TRACE("edit mode on");
        expectLaidOutWhole(*window);
    }
    o::SetEditMode(o::EditModeOff);
}

}  // namespace
}  // namespace frametest
