// Edit mode is one flag for the whole program: the journal window opened from
// the menu shows it on its "編集"/"編集解除" button and in its grid rows, also
// when the books or the setup window switches it off, and when the journal
// window is opened again while it is on.
#include "FrameFixture.h"

#include "common/EditMode.h"
#include "frame/Form1.h"
#include "frame/Form2.h"
#include "frame/WindowRegistry.h"
#include "journal/Form9.h"

#include <QApplication>
#include <QFocusEvent>
#include <QListWidget>
#include <QPushButton>

#include <memory>

namespace frametest {
namespace {

class EditModeAcrossWindowsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        registerWindows(true);
        const std::string file = makePeriodFile(dataDir, "甲商事第1期.mdb", "甲商事", 1, "2024-04-01", "2025-03-31");
        writeSavedPathFile(file + "\r\n");
        form1 = std::make_unique<frame::Form1>(startDir.string());
        form1->List1()->setCurrentRow(0);
        form1->Command2(frame::Form1::Menu)->click();
        menu = qobject_cast<frame::Form2*>(frame::WindowRegistry::instance().window("Form2"));
        ASSERT_NE(menu, nullptr);
    }
    void TearDown() override
    {
        FrameFixture::TearDown();
        form1.reset();
    }

    journal::Form9* openJournal()
    {
        menu->Command2(frame::Form2::JournalEntry)->click();
        return qobject_cast<journal::Form9*>(frame::WindowRegistry::instance().window("Form9"));
    }

    // Every cell of every grid row is enabled (or disabled) as `enabled` says.
    static ::testing::AssertionResult rowsAre(journal::Form9& form, bool enabled)
    {
        for (int row = 0; row < journal::kGridRows; ++row)
            for (QWidget* cell : form.grid().rowCells(row))
                if (cell->isEnabled() != enabled)
                    return ::testing::AssertionFailure()
                        << "row " << row + 1 << " has a cell that is " << (enabled ? "disabled" : "enabled");
        return ::testing::AssertionSuccess();
    }
    static std::string button(journal::Form9& form) { return s(form.Command1[journal::Form9::Edit]->text()); }

    std::unique_ptr<frame::Form1> form1;
    frame::Form2* menu = nullptr;
};

TEST_F(EditModeAcrossWindowsTest, TheBooksAndTheSetupWindowSwitchTheJournalWindowOff)
{
    journal::Form9* journalWindow = openJournal();
    ASSERT_NE(journalWindow, nullptr);
    EXPECT_EQ(button(*journalWindow), "編集");
    EXPECT_TRUE(rowsAre(*journalWindow, false));

    struct Step {
        int menuButton;
        const char* window;
    };
    for (const Step& step : {Step{frame::Form2::Books, "books"}, Step{frame::Form2::Setup, "setup"}}) {
        SCOPED_TRACE(step.window);
        journalWindow->Command1[journal::Form9::Edit]->click();
        ASSERT_TRUE(o::EditModeIsOn());
        EXPECT_EQ(button(*journalWindow), "編集解除");
        EXPECT_TRUE(rowsAre(*journalWindow, true));

        menu->Command2(step.menuButton)->click();
        EXPECT_FALSE(o::EditModeIsOn());
        EXPECT_EQ(button(*journalWindow), "編集");
        EXPECT_TRUE(rowsAre(*journalWindow, false));
    }

    // And the journal window's own button switches it on and off again.
    journalWindow->Command1[journal::Form9::Edit]->click();
    EXPECT_TRUE(o::EditModeIsOn());
    EXPECT_EQ(button(*journalWindow), "編集解除");
    EXPECT_TRUE(rowsAre(*journalWindow, true));
    journalWindow->Command1[journal::Form9::Edit]->click();
    EXPECT_FALSE(o::EditModeIsOn());
    EXPECT_EQ(button(*journalWindow), "編集");
    EXPECT_TRUE(rowsAre(*journalWindow, false));
}

// Before: the window opened again loaded with "編集" and grey rows while the
// flag was on, so its handlers acted on rows the user could not fill.
TEST_F(EditModeAcrossWindowsTest, TheJournalWindowOpenedAgainShowsTheFlagAsItIs)
{
    journal::Form9* journalWindow = openJournal();
    ASSERT_NE(journalWindow, nullptr);
    journalWindow->Command1[journal::Form9::Edit]->click();
    journalWindow->Command1[journal::Form9::Quit]->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(frame::WindowRegistry::instance().window("Form9"), nullptr);
    ASSERT_TRUE(o::EditModeIsOn());

    journalWindow = openJournal();
    ASSERT_NE(journalWindow, nullptr);
    EXPECT_EQ(button(*journalWindow), "編集解除");
    EXPECT_TRUE(rowsAre(*journalWindow, true));
    journalWindow->Command1[journal::Form9::Edit]->click();
    EXPECT_FALSE(o::EditModeIsOn());
    EXPECT_TRUE(rowsAre(*journalWindow, false));
}

// An amount typed into a cell that still has the focus when another window
// switches edit mode off is confirmed (mirrored to the other side and added
// to the totals) before the rows go grey; registering it later stores both sides.
TEST_F(EditModeAcrossWindowsTest, AnAmountTypedBeforeTheBooksWindowOpensIsKept)
{
    journal::Form9* journalWindow = openJournal();
    ASSERT_NE(journalWindow, nullptr);
    journalWindow->Command1[journal::Form9::Edit]->click();
    journal::EntryGrid& g = journalWindow->grid();
    g.Text1[0]->setText("文具");
    g.Combo1[0]->setEditText("消耗品費");
    g.Combo7[0]->setEditText("現金");
    g.Text8[0]->setFocus();
    g.Text8[0]->setText("1000");
    ASSERT_EQ(journalWindow->focusWidget(), g.Text8[0]);

    menu->Command2(frame::Form2::Books)->click();  // the books window
    EXPECT_FALSE(o::EditModeIsOn());
    EXPECT_EQ(s(g.Text8[0]->text()), "1,000");
    EXPECT_EQ(s(g.Text9[0]->text()), "1,000");
    EXPECT_EQ(g.DebitTotal, 1000);
    EXPECT_EQ(g.CreditTotal, 1000);
}

}  // namespace
}  // namespace frametest
