#pragma once
// The journal-entry window opened offscreen, with scripted answers to its
// message boxes. A fixture prepares its files and the program's globals
// (o::DbFilePath above all) in beforeLoad(); the window loads after that.

#include "common/o.h"
#include "journal/Form9.h"
#include "platform/dao/Engine.h"
#include "platform/ui/ScriptedDialogs.h"

#include <QApplication>
#include <QFocusEvent>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace journal::testing {

class Form9WindowTest : public ::testing::Test {
public:
    void SetUp() override
    {
        o::ResetGlobals();
        beforeLoad();
        dialogs = &ui::installScriptedDialogs();
        dialogs->setFailureHandler([](const std::string& report) { ADD_FAILURE() << report; });
        form = std::make_unique<Form9>();
        form->show();
    }

    void TearDown() override
    {
        dialogs->verifyAllAnswered();
        form.reset();
        dao::DBEngine::instance().clearFailurePlan();
        o::ResetGlobals();
    }

    virtual void beforeLoad() = 0;

    // Leaves a cell as the Tab key does, so that its lost-focus check runs.
    static void leave(QWidget* cell)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(cell, &out);
    }

    ui::ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<Form9> form;
};

}  // namespace journal::testing
