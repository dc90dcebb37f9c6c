#include "books/WindowFixture.h"

#include "common/o.h"

namespace bookstest {

void WindowTest::SetUp()
{
    o::ResetGlobals();
    o::DbFilePath = fx.path();
    dialogs = &ui::installScriptedDialogs();
    dialogs->setFailureHandler([](const std::string& report) { ADD_FAILURE() << report; });
    printer = &printing::installRecordingPrinter();
}

void WindowTest::TearDown()
{
    dialogs->verifyAllAnswered();
    o::ResetGlobals();
}

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

std::string s(const QString& text)
{
    return text.toStdString();
}

}  // namespace bookstest
