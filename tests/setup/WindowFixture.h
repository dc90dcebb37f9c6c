#pragma once
// The setup window loaded offscreen on a prepared period file, with scripted
// answers to its message boxes and a recording printer. A test puts what it
// needs into the file in prepare(), before the window loads.

#include "setup/Form31.h"
#include "setup/SetupFixture.h"
#include "platform/printing/RecordingPrinter.h"
#include "platform/ui/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>
#include <string>

namespace setuptest {

class SetupWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual void prepare(dao::Database&) {}

    // The open period file, as the window's own connection sees it.
    dao::Database& db() { return form->database(); }

    // Leaves a control as the Tab key does, so that its exit handler runs.
    static void leave(QWidget* control);
    void editModeOn();
    // Chooses the line of List2 of an account code (the click loads it).
    void chooseAccount(const std::string& code);
    int lineOf(const QListWidget* list, const std::string& key) const;

    TempPeriodFile file;
    ui::ScriptedDialogs* dialogs = nullptr;
    printing::RecordingPrinter* printer = nullptr;
    std::unique_ptr<setup::Form31> form;
};

QString q(const char* utf8);
std::string s(const QString& text);

}  // namespace setuptest
