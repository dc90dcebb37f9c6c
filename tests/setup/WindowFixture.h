#pragma once
// The setup window loaded offscreen on a prepared period file, with scripted
// answers to its message boxes and a recording printer. A test puts what it
// needs into the file in prepare(), before the window loads.

#include "setup/Form31.h"
#include "setup/SetupFixture.h"
#include "support/WindowTestBase.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>
#include <string>

namespace setuptest {

class SetupWindowTest : public testsupport::WindowTestBase<> {
protected:
    void SetUp() override;
    void closeWindows() override { form.reset(); }
    virtual void prepare(dao::Database&) {}

    // The open period file, as the window's own connection sees it.
    dao::Database& db() { return form->database(); }

    void editModeOn();
    // Chooses the line of List2 of an account code (the click loads it).
    void chooseAccount(const std::string& code);
    int lineOf(const QListWidget* list, const std::string& key) const;

    TempPeriodFile file;
    std::unique_ptr<setup::Form31> form;
};

QString q(const char* utf8);
std::string s(const QString& text);

}  // namespace setuptest
