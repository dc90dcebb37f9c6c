#include "frame/Application.h"

#include "platform/dao/WaitBudget.h"
#include "platform/ui/Dialogs.h"

#include <exception>
#include <string>

namespace frame {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    return DeliverReportingErrors([&] { return QApplication::notify(receiver, event); });
}

bool DeliverReportingErrors(const std::function<bool()>& deliver)
{
    std::string reason;
    try {
        // What one event asks for is one operation: its waits for another
        // program's lock share one budget, so the window never stands still
        // longer than that. An event delivered inside it (a message box's)
        // belongs to the same operation.
        const dao::Operation operation;
        return deliver();
    } catch (const std::exception& e) {
        reason = e.what();
    } catch (...) {
        reason = "原因の分からないエラーが起きました。";
    }
    ui::dialogs().messageBox(std::string(kActionFailedMessage) + "\n" + reason, ui::Buttons::Ok);
    return true;
}

}  // namespace frame
