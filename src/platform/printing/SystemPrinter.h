#pragma once
// Prints on a printer of the system (QPrinter), on the paper that printer is
// set up for.

#include "platform/printing/PaintedPrinter.h"

#include <QPrinter>

class QPrinterInfo;

namespace printing {

class SystemPrinter : public PaintedPrinter {
public:
    explicit SystemPrinter(const QPrinterInfo& info);
    ~SystemPrinter() override;


    // The printer itself, for the printer set-up dialog.
    QPrinter& qprinter() { return m_printer; }

    double paperWidth() const override;
    double paperHeight() const override;

protected:
    QPagedPaintDevice* openDevice(std::string& failure) override;

private:
    QPrinter m_printer;
};

}  // namespace printing
