#pragma once
// Message boxes, the beep, the file-open and printer set-up dialogs and key
// injection. The program calls them through dialogs(); the Qt implementation
// shows real dialogs, the scripted one answers tests from a queue.

#include <memory>
#include <optional>
#include <string>

class QPrinter;

namespace ui {

// YesNoDefaultNo: Yes and No with No as the default (Enter answers No).
enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo };
enum class Answer { Ok, Cancel, Yes, No };

struct FileOpenRequest {
    std::string filter;  // "期ファイル (*.mdb)|*.mdb|すべてのﾌｧｲﾙ (*.*)|*.*"
    std::string title;
    std::string fileName;    // proposed file name
    std::string initialDir;  // empty: the dialog's own choice
    bool fileMustExist = true;
};

struct FileOpenResult {
    enum class Status { Chosen, Cancelled, Failed };
    Status status = Status::Cancelled;
    std::string path;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // title std::nullopt: a box without a title of its own (shows the product title).
    virtual Answer messageBox(const std::string& text, Buttons buttons,
                              const std::optional<std::string>& title = std::nullopt) = 0;
    virtual void beep() = 0;
    virtual FileOpenResult openFile(const FileOpenRequest& request) = 0;
    // The printer set-up dialog on `printer`: when accepted, what was chosen
    // there (a printer of the system or a PDF file, paper, orientation...) is
    // set on `printer`. False when cancelled (`printer` is left as it was).
    virtual bool printerSetup(QPrinter& printer) = 0;
    virtual void sendKeys(const std::string& keys) = 0;  // "{TAB}" moves the focus on
};

Dialogs& dialogs();
// Installs the implementation (the program installs the Qt one at start, tests a
// scripted one). Returns the previous one.
std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> d);

}  // namespace ui
