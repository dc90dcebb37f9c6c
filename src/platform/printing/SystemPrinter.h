#pragma once
// Prints on a printer of the system (QPrinter), on the paper that printer is
// set up for; or, when the printer set-up chose "print to file", into that
// PDF file.

#include "platform/printing/PaintedPrinter.h"

#include <QPrinter>

#include <functional>
#include <memory>
#include <string>

class QPrinterInfo;

namespace printing {

class SystemPrinter : public PaintedPrinter {
public:
    explicit SystemPrinter(const QPrinterInfo& info);
    // Prints on `printer` as it is set up (by the printer set-up dialog).
    explicit SystemPrinter(std::unique_ptr<QPrinter> printer);
    ~SystemPrinter() override;

    // The printer itself, for the printer set-up dialog.
    QPrinter& qprinter() { return *m_printer; }

    double paperWidth() const override;
    double paperHeight() const override;

    // Told the path of each document written to a PDF file.
    void setDocumentWrittenHandler(std::function<void(const std::string& path)> handler);

protected:
    QPagedPaintDevice* openDevice(std::string& failure) override;
    void documentFinished() override;

private:
    std::unique_ptr<QPrinter> m_printer;
    std::function<void(const std::string&)> m_written;
};

}  // namespace printing
