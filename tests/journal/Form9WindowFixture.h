#pragma once
// The journal-entry window opened offscreen, with scripted answers to its
// message boxes. A fixture prepares its files and the program's globals
// (o::DbFilePath above all) in beforeLoad(); the window loads after that.

#include "common/o.h"
#include "journal/Form9.h"
#include "support/WindowTestBase.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace journal::testing {

class Form9WindowTest : public testsupport::WindowTestBase<> {
public:
    void SetUp() override
    {
        WindowTestBase::SetUp();
        beforeLoad();
        form = std::make_unique<Form9>();
        form->show();
    }

    void closeWindows() override { form.reset(); }

    virtual void beforeLoad() = 0;

    std::unique_ptr<Form9> form;
};

}  // namespace journal::testing
