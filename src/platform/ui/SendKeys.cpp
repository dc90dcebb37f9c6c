#include "platform/ui/SendKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

void sendKeysToFocus(const std::string& keys)
{
    static const std::string tab = "{TAB}";
    for (std::size_t at = keys.find(tab); at != std::string::npos; at = keys.find(tab, at + tab.size())) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &release);
    }
}

}  // namespace ui
