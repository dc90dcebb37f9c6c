#include "frame/Application.h"

#include "platform/ui/Dialogs.h"

#include <exception>
#include <string>

namespace frame {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    return DeliverReportingErrors([&] { return QApplication::notify(receiver, event); });
}

bool DeliverReportingErrors(const std::function<bool()>& deliver)
{
    std::string reason;
    try {
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
