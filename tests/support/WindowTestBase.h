#pragma once
// What every window test does around its window. Before: the program's fonts,
// clean globals, scripted dialogs that report any call nobody expected, a
// recording printer and an empty window registry. After: every expected
// dialog answered, the fixture's own windows closed (closeWindows()), the
// registry's windows closed and its factories forgotten, no failure plan
// left on the engine, edit mode off and the globals clean again.
//
// A fixture names its period file with useFile() in its own SetUp, after
// calling this one. `Base` is ::testing::Test, or a fixture that prepares
// files of its own (set up before, torn down after this one).
//
//   class Form11Test : public testsupport::WindowTestBase<> {
//       void SetUp() override { WindowTestBase::SetUp(); useFile(file.path()); ... }
//       void closeWindows() override { form.reset(); }
//       TempPeriodFile file;
//   };

#include "common/EditMode.h"
#include "common/o.h"
#include "frame/Fonts.h"
#include "frame/WindowRegistry.h"
#include "platform/dao/Engine.h"
#include "platform/printing/RecordingPrinter.h"
#include "platform/ui/ScriptedDialogs.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace testsupport {

template <class Base = ::testing::Test> class WindowTestBase : public Base {
protected:
    void SetUp() override
    {
        Base::SetUp();
        frame::installFontSubstitutions();
        o::ResetGlobals();
        dialogs = &ui::installScriptedDialogs();
        dialogs->setFailureHandler([](const std::string& report) { ADD_FAILURE() << report; });
        printer = &printing::installRecordingPrinter();
        frame::WindowRegistry::instance().clear();
    }

    void TearDown() override
    {
        dialogs->verifyAllAnswered();
        closeWindows();
        frame::WindowRegistry::instance().closeAll();
        frame::WindowRegistry::instance().clear();
        dao::DBEngine::instance().clearFailurePlan();
        o::SetEditMode(o::EditModeOff);
        o::ResetGlobals();
        Base::TearDown();
    }

    // The windows the fixture made itself, closed while the globals still
    // name their file.
    virtual void closeWindows() {}

    // The current period file, and the folder its company's files go to.
    static void useFile(const std::string& path, const std::filesystem::path& dataFolder = {})
    {
        o::DbFilePath = path;
        if (!dataFolder.empty())
            o::DataFolder = dataFolder.string();
    }

    // Leaves a control as the Tab key does, so that its lost-focus check runs.
    static void leave(QWidget* control)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(control, &out);
    }

    ui::ScriptedDialogs* dialogs = nullptr;
    printing::RecordingPrinter* printer = nullptr;
};

}  // namespace testsupport
