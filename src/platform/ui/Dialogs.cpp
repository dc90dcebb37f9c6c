#include "platform/ui/Dialogs.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {

std::unique_ptr<Dialogs>& installed()
{
    static std::unique_ptr<Dialogs> dialogs;
    return dialogs;
}

}  // namespace

Dialogs& dialogs()
{
    if (!installed()) {
        std::fputs("ui::dialogs(): no dialogs installed (the program installs QtDialogs at start, "
                   "tests a ScriptedDialogs)\n",
                   stderr);
        std::abort();
    }
    return *installed();
}

std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> d)
{
    auto previous = std::move(installed());
    installed() = std::move(d);
    return previous;
}

}  // namespace ui
