#include "platform/printing/Printer.h"

#include <cstdio>
#include <cstdlib>

namespace printing {

namespace {

std::unique_ptr<PrinterDevice>& installed()
{
    static std::unique_ptr<PrinterDevice> device;
    return device;
}

std::function<std::unique_ptr<PrinterDevice>()>& defaultFactory()
{
    static std::function<std::unique_ptr<PrinterDevice>()> factory;
    return factory;
}

}  // namespace

PrinterDevice& printer()
{
    auto& device = installed();
    if (!device && defaultFactory())
        device = defaultFactory()();
    if (!device) {
        std::fputs("printing::printer(): no printer installed and no default printer factory set\n", stderr);
        std::abort();
    }
    return *device;
}

std::unique_ptr<PrinterDevice> installPrinter(std::unique_ptr<PrinterDevice> device)
{
    auto previous = std::move(installed());
    installed() = std::move(device);
    return previous;
}

bool printerConfigured()
{
    return installed() != nullptr || static_cast<bool>(defaultFactory());
}

void setDefaultPrinterFactory(std::function<std::unique_ptr<PrinterDevice>()> factory)
{
    defaultFactory() = std::move(factory);
}

}  // namespace printing
