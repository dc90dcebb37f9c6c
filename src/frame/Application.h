#pragma once
// The program's application object. An error that reaches the event loop from
// a handler (a file another program holds, a disk that is full, a stored value
// that cannot be read) is shown to the user in a message box and the program
// goes on: the writes that belong together run in one transaction, which is
// rolled back before the error gets here, so the period file is as it was.
// Each event is one operation of the database layer: all of its waits for a
// lock that another program holds share one budget (dao::WaitBudget).

#include <QApplication>

#include <functional>

namespace frame {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs `deliver` as one operation and returns what it returns; when it throws,
// says why in a message box and returns true (the event counts as handled).
bool DeliverReportingErrors(const std::function<bool()>& deliver);

inline constexpr const char* kActionFailedMessage = "処理を続けられませんでした。";

}  // namespace frame
