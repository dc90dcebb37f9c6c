#pragma once
// The fixture period file as the current period file, scripted dialogs and a
// recording printer, and clean global state around each window test.

#include "books/BooksFixture.h"
#include "support/WindowTestBase.h"

#include <gtest/gtest.h>

#include <QString>

namespace bookstest {

class WindowTest : public testsupport::WindowTestBase<> {
protected:
    void SetUp() override;

    BooksFixture fx;
};

QString q(const char* utf8);
std::string s(const QString& text);

}  // namespace bookstest
