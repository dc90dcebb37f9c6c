#include "platform/ui/ScriptedDialogs.h"

#include "platform/ui/SendKeys.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ui {

namespace {

const char* kindName(DialogKind kind)
{
    switch (kind) {
    case DialogKind::Message: return "message box";
    case DialogKind::FileOpen: return "file-open dialog";
    case DialogKind::PrinterSetup: return "printer set-up dialog";
    }
    return "dialog";
}

const char* buttonsName(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return "OK";
    case Buttons::OkCancel: return "OK/Cancel";
    case Buttons::YesNo: return "Yes/No";
    case Buttons::YesNoDefaultNo: return "Yes/No (default No)";
    }
    return "?";
}

const char* answerName(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return "OK";
    case Answer::Cancel: return "Cancel";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    }
    return "?";
}

bool answerFits(Answer answer, Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return answer == Answer::Ok;
    case Buttons::OkCancel: return answer == Answer::Ok || answer == Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo: return answer == Answer::Yes || answer == Answer::No;
    }
    return false;
}

Answer safeAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo: return Answer::No;
    }
    return Answer::Cancel;
}

std::string quoted(const std::optional<std::string>& title)
{
    return title ? "\"" + *title + "\"" : std::string("no title");
}

}  // namespace

ScriptedDialogs::ScriptedDialogs()
    : m_failure([](const std::string& report) {
          std::fprintf(stderr, "ScriptedDialogs: %s\n", report.c_str());
          std::abort();
      })
{
}

void ScriptedDialogs::setFailureHandler(std::function<void(const std::string&)> handler)
{
    m_failure = std::move(handler);
}

void ScriptedDialogs::fail(const std::string& report)
{
    if (m_failure)
        m_failure(report);
}

DialogExpectation& ScriptedDialogs::push(DialogKind kind)
{
    DialogExpectation& e = m_queue.emplace_back();
    e.kind = kind;
    return e;
}

DialogExpectation& ScriptedDialogs::expectMessage(const std::string& text, Answer answer)
{
    DialogExpectation& e = push(DialogKind::Message);
    e.text = text;
    e.answer = answer;
    return e;
}

DialogExpectation& ScriptedDialogs::expectAnyMessage(Answer answer)
{
    DialogExpectation& e = push(DialogKind::Message);
    e.answer = answer;
    return e;
}

DialogExpectation& ScriptedDialogs::expectFileChosen(const std::string& path)
{
    DialogExpectation& e = push(DialogKind::FileOpen);
    e.file = {FileOpenResult::Status::Chosen, path};
    return e;
}

DialogExpectation& ScriptedDialogs::expectFileCancelled()
{
    DialogExpectation& e = push(DialogKind::FileOpen);
    e.file = {FileOpenResult::Status::Cancelled, {}};
    return e;
}

DialogExpectation& ScriptedDialogs::expectFileFailed()
{
    DialogExpectation& e = push(DialogKind::FileOpen);
    e.file = {FileOpenResult::Status::Failed, {}};
    return e;
}

DialogExpectation& ScriptedDialogs::expectPrinterSetup(bool accepted, std::function<void(QPrinter&)> choose)
{
    DialogExpectation& e = push(DialogKind::PrinterSetup);
    e.printerAccepted = accepted;
    e.printerChoice = std::move(choose);
    return e;
}

std::optional<DialogExpectation> ScriptedDialogs::take(DialogKind kind, std::string& problem)
{
    if (m_queue.empty()) {
        problem = "no dialog was expected";
        return std::nullopt;
    }
    if (m_queue.front().kind != kind) {
        const DialogExpectation& next = m_queue.front();
        problem = std::string("expected next a ") + kindName(next.kind)
            + (next.text ? " \"" + *next.text + "\"" : std::string());
        return std::nullopt;
    }
    DialogExpectation e = m_queue.front();
    m_queue.pop_front();
    return e;
}

Answer ScriptedDialogs::messageBox(const std::string& text, Buttons buttons, const std::optional<std::string>& title)
{
    DialogCall call;
    call.kind = DialogKind::Message;
    call.text = text;
    call.buttons = buttons;
    call.title = title;

    std::string problem;
    const std::optional<DialogExpectation> e = take(DialogKind::Message, problem);
    if (e) {
        if (e->text && *e->text != text)
            problem += "expected the text \"" + *e->text + "\"; ";
        if (e->title && *e->title != title)
            problem += "expected the title " + quoted(*e->title) + "; ";
        if (e->buttons && *e->buttons != buttons)
            problem += std::string("expected the buttons ") + buttonsName(*e->buttons) + "; ";
        if (!answerFits(e->answer, buttons))
            problem += std::string("the scripted answer ") + answerName(e->answer) + " is not a button of it; ";
    }
    call.expected = problem.empty();
    call.answer = call.expected ? e->answer : safeAnswer(buttons);
    m_calls.push_back(call);
    if (!call.expected)
        fail("message box \"" + text + "\" (" + buttonsName(buttons) + ", " + quoted(title) + "): " + problem
             + " answered " + answerName(call.answer));
    return call.answer;
}

FileOpenResult ScriptedDialogs::openFile(const FileOpenRequest& request)
{
    DialogCall call;
    call.kind = DialogKind::FileOpen;
    if (!request.title.empty())
        call.title = request.title;
    call.request = request;

    std::string problem;
    const std::optional<DialogExpectation> e = take(DialogKind::FileOpen, problem);
    if (e && e->title && *e->title != call.title)
        problem = "expected the title " + quoted(*e->title);
    call.expected = problem.empty();
    call.file = call.expected ? e->file : FileOpenResult{FileOpenResult::Status::Cancelled, {}};
    m_calls.push_back(call);
    if (!call.expected)
        fail("file-open dialog \"" + request.title + "\": " + problem + "; answered Cancel");
    return call.file;
}

bool ScriptedDialogs::printerSetup(QPrinter& printer)
{
    DialogCall call;
    call.kind = DialogKind::PrinterSetup;

    std::string problem;
    const std::optional<DialogExpectation> e = take(DialogKind::PrinterSetup, problem);
    call.expected = problem.empty();
    call.printerAccepted = call.expected && e->printerAccepted;
    m_calls.push_back(call);
    if (!call.expected)
        fail("printer set-up dialog: " + problem + "; answered Cancel");
    if (call.printerAccepted && e->printerChoice)
        e->printerChoice(printer);
    return call.printerAccepted;
}

void ScriptedDialogs::sendKeys(const std::string& keys)
{
    m_keys.push_back(keys);
    sendKeysToFocus(keys);
}

std::vector<std::string> ScriptedDialogs::messageTexts() const
{
    std::vector<std::string> result;
    for (const DialogCall& c : m_calls)
        if (c.kind == DialogKind::Message)
            result.push_back(c.text);
    return result;
}

void ScriptedDialogs::verifyAllAnswered()
{
    while (!m_queue.empty()) {
        const DialogExpectation e = m_queue.front();
        m_queue.pop_front();
        fail(std::string("expected ") + kindName(e.kind) + (e.text ? " \"" + *e.text + "\"" : std::string())
             + " was never shown");
    }
}

ScriptedDialogs& installScriptedDialogs()
{
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& ref = *dialogs;
    setDialogs(std::move(dialogs));
    return ref;
}

}  // namespace ui
