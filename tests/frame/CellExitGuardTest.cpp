// A window's cell exit handlers run through its CellExitGuard: once for a
// focus-out the toolkit hands over twice, never for a focus change that is not
// the cell being left, never while another runs, and again for the next time
// the cell is left, also after a handler that threw.
#include "frame/CellExitGuard.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

// A window's filter over one editable combo box: every focus-out goes to the
// guard with `handler`, which counts its runs.
class Window : public QObject {
public:
    Window()
    {
        cell = std::make_unique<QComboBox>();
        cell->setEditable(true);
        cell->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        guard.focusOut(event, [&] {
            ++runs;
            if (handler)
                handler();
        });
        return false;
    }

    void send(QEvent::Type type, Qt::FocusReason reason)
    {
        QFocusEvent event(type, reason);
        QApplication::sendEvent(cell.get(), &event);
    }

    std::unique_ptr<QComboBox> cell;
    frame::CellExitGuard guard;
    std::function<void()> handler;
    int runs = 0;
};

// The message box of the handler closing gives the cell the focus back: the
// cell puts its completer's filter ahead of the window's, and the toolkit
// hands the focus-out being delivered to the window's filter once more.
TEST(CellExitGuardTest, AFocusOutHandedOverTwiceRunsTheHandlerOnce)
{
    Window window;
    window.handler = [&] {
        window.send(QEvent::FocusOut, Qt::ActiveWindowFocusReason);  // the box opens
        window.send(QEvent::FocusOut, Qt::TabFocusReason);           // a Tab meanwhile
        window.send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);   // the box closes
    };
    window.send(QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_EQ(window.runs, 1);
    EXPECT_FALSE(window.guard.running());

    // Left again later: that is a new focus-out, and runs again.
    window.send(QEvent::FocusIn, Qt::TabFocusReason);
    window.send(QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(window.runs, 2);
}

TEST(CellExitGuardTest, OnlyTheCellBeingLeftRunsTheHandler)
{
    Window window;
    window.send(QEvent::FocusOut, Qt::PopupFocusReason);         // its list opens
    window.send(QEvent::FocusOut, Qt::ActiveWindowFocusReason);  // another window takes the focus
    window.send(QEvent::FocusIn, Qt::TabFocusReason);
    EXPECT_EQ(window.runs, 0);
    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::MouseFocusReason,
                                   Qt::ShortcutFocusReason, Qt::OtherFocusReason})
        window.send(QEvent::FocusOut, reason);
    EXPECT_EQ(window.runs, 5);
}

TEST(CellExitGuardTest, NoHandlerStartsWhileAnotherRuns)
{
    frame::CellExitGuard guard;
    int inner = 0;
    EXPECT_TRUE(guard.run([&] {
        EXPECT_TRUE(guard.running());
        EXPECT_FALSE(guard.run([&] { ++inner; }));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        EXPECT_FALSE(guard.focusOut(&out, [&] { ++inner; }));
    }));
    EXPECT_EQ(inner, 0);
    EXPECT_FALSE(guard.running());
}

TEST(CellExitGuardTest, AHandlerThatThrowsLeavesTheGuardFree)
{
    frame::CellExitGuard guard;
    QFocusEvent first(QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_THROW(guard.focusOut(&first, [] { throw std::runtime_error("書けません"); }), std::runtime_error);
    EXPECT_FALSE(guard.running());
    QFocusEvent next(QEvent::FocusOut, Qt::TabFocusReason);
    EXPECT_TRUE(guard.focusOut(&next, [] {}));
}

}  // namespace
