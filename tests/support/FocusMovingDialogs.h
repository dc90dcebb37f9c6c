#pragma once
// Dialogs whose message boxes move the focus as a real one does: the box takes
// the focus while it is open and gives it back when it closes, and meanwhile a
// Tab may reach the cell. Every message does that to one chosen cell (the one
// the handler puts the focus back into), a few levels deep at most, and is
// answered with the box's first button. Counts the messages and beeps.
//
//   auto moving = std::make_unique<testsupport::FocusMovingDialogs>(cell);
//   testsupport::FocusMovingDialogs* seen = moving.get();
//   auto scripted = ui::setDialogs(std::move(moving));
//   ... leave the cell ...
//   EXPECT_EQ(seen->messages, 1);
//   ui::setDialogs(std::move(scripted));

#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

#include <optional>
#include <string>

namespace testsupport {

class FocusMovingDialogs : public ui::Dialogs {
public:
    explicit FocusMovingDialogs(QWidget* cell) : m_cell(cell) {}

    ui::Answer messageBox(const std::string&, ui::Buttons buttons, const std::optional<std::string>&) override
    {
        ++messages;
        if (m_depth < 3) {
            ++m_depth;
            send(QEvent::FocusOut, Qt::ActiveWindowFocusReason);  // the box opens
            send(QEvent::FocusOut, Qt::TabFocusReason);           // a Tab reaches the cell meanwhile
            send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);   // the box closes
            send(QEvent::FocusIn, Qt::OtherFocusReason);          // the handler puts the focus back
            --m_depth;
        }
        return buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoDefaultNo ? ui::Answer::Yes
                                                                                       : ui::Answer::Ok;
    }
    void beep() override { ++beeps; }
    ui::FileOpenResult openFile(const ui::FileOpenRequest&) override { return {}; }
    bool printerSetup(QPrinter&) override { return false; }
    void sendKeys(const std::string&) override {}

    int messages = 0;
    int beeps = 0;

private:
    void send(QEvent::Type type, Qt::FocusReason reason)
    {
        QFocusEvent event(type, reason);
        QApplication::sendEvent(m_cell, &event);
    }
    QWidget* m_cell;
    int m_depth = 0;
};

}  // namespace testsupport
