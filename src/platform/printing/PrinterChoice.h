#pragma once
// The choice of the program's printer: the system's default printer when the
// system has one, else PDF files in a folder of the user's home
// ("~/Velmora印刷/<yyyyMMdd-hhmmss>.pdf"), after each of which the user is told
// where the file is.

#include "platform/printing/PrinterDevice.h"

#include <functional>
#include <memory>
#include <string>

class QPrinter;

namespace printing {

using Notice = std::function<void(const std::string& message)>;

// Sets the factory of printer() (Printer.h) to makeDefaultPrinter(notice). The
// program calls it once at start; `notice` shows a message box.
void useSystemPrinting(Notice notice);

std::unique_ptr<PrinterDevice> makeDefaultPrinter(Notice notice);

// A PDF printer writing each document to a new file in `folder` (made when
// missing), telling `notice` pdfSavedMessage(path) after each document and any
// failure to make the file.
std::unique_ptr<PrinterDevice> makePdfFolderPrinter(const std::string& folder, Notice notice);

// Makes the printer chosen in the printer set-up (a printer of the system, or
// a PDF file) the program's printer (installPrinter) from now on; errors and
// each PDF file written are told to the `notice` of useSystemPrinting.
void useChosenPrinter(std::unique_ptr<QPrinter> chosen);

std::string defaultPdfFolder();  // ~/Velmora印刷
// "プリンタが見つからないため、PDFファイルに保存しました：<path>"
std::string pdfSavedMessage(const std::string& path);
// "PDFファイルに保存しました：<path>" (a PDF file chosen in the printer set-up)
std::string chosenPdfSavedMessage(const std::string& path);

}  // namespace printing
