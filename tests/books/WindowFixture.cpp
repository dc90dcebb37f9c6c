#include "books/WindowFixture.h"

namespace bookstest {

void WindowTest::SetUp()
{
    WindowTestBase::SetUp();
    useFile(fx.path());
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
