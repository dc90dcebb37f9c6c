// Registers the books windows with the window registry of the main menu.
#include "books/Form14.h"
#include "books/Form33.h"
#include "frame/WindowRegistry.h"

void registerBooksWindows()
{
    frame::WindowRegistry::instance().add("Form14", frame::WindowRegistry::Factory([] { return new books::Form14; }));
    frame::WindowRegistry::instance().add("Form33", frame::WindowRegistry::Factory([] { return new books::Form33; }));
}
