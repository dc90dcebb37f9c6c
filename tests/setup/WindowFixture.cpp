#include "setup/WindowFixture.h"

#include "common/EditMode.h"

namespace setuptest {

void SetupWindowTest::SetUp()
{
    WindowTestBase::SetUp();
    useFile(file.path());
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        prepare(*db);
    }
    form = std::make_unique<setup::Form31>();
    form->show();
}

void SetupWindowTest::editModeOn()
{
    form->Command5[setup::Form31::EditButton]->click();
    ASSERT_TRUE(o::EditModeIsOn());
}

int SetupWindowTest::lineOf(const QListWidget* list, const std::string& key) const
{
    const auto& keys = form->lineKeys(list);
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key)
            return static_cast<int>(i);
    return -1;
}

void SetupWindowTest::chooseAccount(const std::string& code)
{
    const int line = lineOf(form->balance().List2, code);
    ASSERT_GE(line, 0) << code;
    form->balance().List2->setCurrentRow(line);
    ASSERT_EQ(s(form->balance().Text5[0]->text()), code);
}

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

std::string s(const QString& text)
{
    return text.toStdString();
}

}  // namespace setuptest
