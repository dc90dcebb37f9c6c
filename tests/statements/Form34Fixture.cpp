#include "Form34Fixture.h"

#include <QListWidget>

namespace statementstest {

void Form34Test::SetUp()
{
    WindowTestBase::SetUp();
    useFile(fx.path(), fx.dir());
    closing::registerClosingEntryTab();
}

statements::Form34& Form34Test::open()
{
    form = std::make_unique<statements::Form34>();
    return *form;
}

std::vector<std::string> Form34Test::rows(const QListWidget* list) const
{
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->text().toStdString());
    return out;
}

closing::ClosingEntryTab& entryTab(statements::Form34& window)
{
    return dynamic_cast<closing::ClosingEntryTab&>(window.entryPage());
}

std::string s(const QString& text)
{
    return text.toStdString();
}

}  // namespace statementstest
