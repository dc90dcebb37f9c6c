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

    start.Command2(0)->click();
    auto* menu = qobject_cast<frame::Form2*>(frame::WindowRegistry::instance().window("Form2"));
    ASSERT_NE(menu, nullptr);
    expectLaidOutWhole(*menu);

    const struct { int button; const char* window; } windows[] = {
        {0, "Form9"}, {1, "Form14"}, {2, "Form33"}, {3, "Form34"}, {4, "Form31"}, {5, "Form37"},
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
