#pragma once
// The hand-computed company as the current period file, scripted dialogs and
// a recording printer, and clean global state around each test of the
// closing window.

#include "StatementsFixture.h"

#include "closing/ClosingEntryTab.h"
#include "platform/printing/RecordingPrinter.h"
#include "platform/ui/ScriptedDialogs.h"
#include "statements/Form34.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace statementstest {

class Form34Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the window on the fixture file.
    statements::Form34& open();
    std::vector<std::string> rows(const QListWidget* list) const;

    StatementsFixture fx;
    ui::ScriptedDialogs* dialogs = nullptr;
    printing::RecordingPrinter* printer = nullptr;
    std::unique_ptr<statements::Form34> form;
};

std::string s(const QString& text);

// The window's closing-entry tab.
closing::ClosingEntryTab& entryTab(statements::Form34& window);

}  // namespace statementstest
