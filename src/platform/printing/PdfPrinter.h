#pragma once
// Prints into PDF files: A4 portrait less 5 mm margins (A4Page.h), one page of
// the printout on each PDF page (PrinterDevice.h), fonts embedded, text
// selectable. Each document goes to the path the path source gives when the
// document begins.

#include "platform/printing/PaintedPrinter.h"

#include <functional>
#include <memory>
#include <string>

class QPdfWriter;

namespace printing {

class PdfPrinter : public PaintedPrinter {
public:
    // Every document to `path` (replacing an earlier one).
    explicit PdfPrinter(const std::string& path);
    // Each document to the path `nextPath` returns when the document begins. A
    // file that cannot be written (or an empty path) is told to the error
    // handler, and that document is not drawn.
    explicit PdfPrinter(std::function<std::string()> nextPath);
    ~PdfPrinter() override;

    // Told the path of each document when it is finished.
    void setDocumentWrittenHandler(std::function<void(const std::string& path)> handler);

    double paperWidth() const override;
    double paperHeight() const override;

protected:
    QPagedPaintDevice* openDevice(std::string& failure) override;
    void documentFinished() override;

private:
    std::function<std::string()> m_nextPath;
    std::function<void(const std::string&)> m_written;
    std::unique_ptr<QPdfWriter> m_writer;
    std::string m_path;
};

}  // namespace printing
