// Registers the windows of the master registers with the window registry.
#include "frame/WindowRegistry.h"
#include "registers/Form11.h"

void registerRegistersWindows()
{
    frame::WindowRegistry::instance().add("Form11",
                                          frame::WindowRegistry::Factory([] { return new registers::Form11; }));
}
