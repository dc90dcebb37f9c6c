#include "Form34Fixture.h"

#include <QListWidget>

namespace statementstest {

void Form34Test::SetUp()
{
    WindowTestBase::SetUp();
    useFile(fx.path(), fx.dir());
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

std::string s(const QString& text)
{
    return text.toStdString();
}

}  // namespace statementstest
