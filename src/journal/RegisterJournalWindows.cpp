#include "frame/WindowRegistry.h"
#include "journal/Form9.h"

void registerJournalWindows()
{
    frame::WindowRegistry::instance().add(
        "Form9", frame::WindowRegistry::Factory([] { return static_cast<QWidget*>(new journal::Form9()); }));
}
