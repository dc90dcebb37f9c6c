#include "platform/ui/PrinterSetup.h"

#include "platform/printing/Printer.h"
#include "platform/printing/PrinterChoice.h"
#include "platform/printing/SystemPrinter.h"
#include "platform/ui/Dialogs.h"

#include <QPrinter>

namespace ui {

bool SetUpPrinter()
{
    // The system printer in use is set up in place, so the dialog shows what
    // was chosen before.
    if (printing::printerConfigured())
        if (auto* system = dynamic_cast<printing::SystemPrinter*>(&printing::printer()))
            return dialogs().printerSetup(system->qprinter());
    auto chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!dialogs().printerSetup(*chosen))
        return false;
    printing::useChosenPrinter(std::move(chosen));
    return true;
}

}  // namespace ui
