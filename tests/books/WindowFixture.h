#pragma once
// The fixture period file as the current period file, scripted dialogs and a
// recording printer, and clean global state around each window test.

#include "books/BooksFixture.h"
#include "platform/printing/RecordingPrinter.h"
#include "platform/ui/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QString>

namespace bookstest {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    BooksFixture fx;
    ui::ScriptedDialogs* dialogs = nullptr;
    printing::RecordingPrinter* printer = nullptr;
};

QString q(const char* utf8);
std::string s(const QString& text);

}  // namespace bookstest
