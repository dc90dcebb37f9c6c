#pragma once
// The printer the program prints on, one for the whole program. The program
// sets a factory for its default device at start (PrinterChoice.h: the system
// printer, or PDF files when there is none); tests install a RecordingPrinter.

#include "platform/printing/PrinterDevice.h"

#include <functional>
#include <memory>

namespace printing {

// The installed device; when none is installed yet, the one the default factory
// makes (made once, at the first call). Without either the program stops with
// a message: that is a start-up fault, not a printing error.
PrinterDevice& printer();

// Installs a device; returns the previous one (nullptr when none was made).
std::unique_ptr<PrinterDevice> installPrinter(std::unique_ptr<PrinterDevice> device);

// True when printer() has a device to give (installed, or a default factory).
bool printerConfigured();

void setDefaultPrinterFactory(std::function<std::unique_ptr<PrinterDevice>()> factory);

}  // namespace printing
