#pragma once
// Dialogs for tests: every message box, file dialog and printer set-up is
// answered from a queue of expected calls, and every call (beeps and keys too)
// is recorded. A dialog nobody expected, or one whose text, title or buttons
// differ from the expected ones, is reported through the failure handler and
// given the safe answer (No, Cancel, a cancelled file dialog, a cancelled
// set-up); an OK box is answered OK.
//
//   auto& d = ui::installScriptedDialogs();
//   d.setFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
//   d.expectMessage("選択された仕訳を削除します　よろしいですか？", ui::Answer::Yes).withTitle("仕訳入力");
//   d.expectMessage("勘定科目コードが登録されていません", ui::Answer::Ok).withoutTitle();
//   ... drive the window ...
//   EXPECT_EQ(d.pendingExpectations(), 0u);

#include "platform/ui/Dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

enum class DialogKind { Message, FileOpen, PrinterSetup };

struct DialogExpectation {
    DialogKind kind = DialogKind::Message;
    std::optional<std::string> text;                  // nullopt: any text
    std::optional<std::optional<std::string>> title;  // nullopt: any; inner nullopt: no title
    std::optional<Buttons> buttons;                   // nullopt: any
    Answer answer = Answer::Ok;
    FileOpenResult file;
    bool printerAccepted = true;
    std::function<void(QPrinter&)> printerChoice;  // what the user chooses, when accepted

    DialogExpectation& withTitle(const std::string& t)
    {
        title = std::optional<std::string>(t);
        return *this;
    }
    DialogExpectation& withoutTitle()
    {
        title = std::optional<std::string>();
        return *this;
    }
    DialogExpectation& withButtons(Buttons b)
    {
        buttons = b;
        return *this;
    }
};

struct DialogCall {
    DialogKind kind = DialogKind::Message;
    std::string text;
    Buttons buttons = Buttons::Ok;
    std::optional<std::string> title;  // nullopt: no title of its own
    FileOpenRequest request;           // FileOpen
    Answer answer = Answer::Ok;        // what the call was answered
    FileOpenResult file;
    bool printerAccepted = false;
    bool expected = true;  // false: reported as a failure

    std::string titleText() const { return title ? *title : "no title"; }
};

class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs();

    DialogExpectation& expectMessage(const std::string& text, Answer answer);
    DialogExpectation& expectAnyMessage(Answer answer);
    DialogExpectation& expectFileChosen(const std::string& path);
    DialogExpectation& expectFileCancelled();
    DialogExpectation& expectFileFailed();
    // `choose` sets on the dialog's printer what the user chooses there.
    DialogExpectation& expectPrinterSetup(bool accepted = true, std::function<void(QPrinter&)> choose = {});

    // Default: print the report and abort.
    void setFailureHandler(std::function<void(const std::string& report)> handler);

    const std::vector<DialogCall>& calls() const { return m_calls; }
    std::vector<std::string> messageTexts() const;
    int beepCount() const { return m_beeps; }
    const std::vector<std::string>& sentKeys() const { return m_keys; }
    std::size_t pendingExpectations() const { return m_queue.size(); }
    // Reports every expectation still waiting through the failure handler.
    void verifyAllAnswered();

    Answer messageBox(const std::string& text, Buttons buttons,
                      const std::optional<std::string>& title = std::nullopt) override;
    void beep() override { ++m_beeps; }
    FileOpenResult openFile(const FileOpenRequest& request) override;
    bool printerSetup(QPrinter& printer) override;
    // Recorded, and "{TAB}" moves the focus on as in the program.
    void sendKeys(const std::string& keys) override;

private:
    DialogExpectation& push(DialogKind kind);
    // The front expectation when it is of `kind` (taken from the queue), or
    // nullopt with `problem` saying why the call was not expected.
    std::optional<DialogExpectation> take(DialogKind kind, std::string& problem);
    void fail(const std::string& report);

    std::deque<DialogExpectation> m_queue;
    std::vector<DialogCall> m_calls;
    std::vector<std::string> m_keys;
    int m_beeps = 0;
    std::function<void(const std::string&)> m_failure;
};

// Installs a new ScriptedDialogs as the program's dialogs and returns it.
ScriptedDialogs& installScriptedDialogs();

}  // namespace ui
