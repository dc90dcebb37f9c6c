#pragma once
// The hand-computed company as the current period file, scripted dialogs and
// a recording printer, and clean global state around each test of the
// closing window.

#include "StatementsFixture.h"

#include "closing/ClosingEntryTab.h"
#include "statements/Form34.h"
#include "support/WindowTestBase.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace statementstest {

class Form34Test : public testsupport::WindowTestBase<> {
protected:
    void SetUp() override;
    void closeWindows() override { form.reset(); }

    // Loads the window on the fixture file.
    statements::Form34& open();
    std::vector<std::string> rows(const QListWidget* list) const;

    StatementsFixture fx;
    std::unique_ptr<statements::Form34> form;
};

std::string s(const QString& text);

// The window's closing-entry tab.
closing::ClosingEntryTab& entryTab(statements::Form34& window);

}  // namespace statementstest
