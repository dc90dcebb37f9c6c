#pragma once
// The printing steps the printed books share: blank lines, the gap after a
// line, the page-header line and a line at a character column.

#include "platform/dao/Value.h"
#include "platform/printing/PrinterDevice.h"

#include <string>

namespace books {

void printNewLines(printing::PrinterDevice& printer, int count);
void printLineGap(printing::PrinterDevice& printer);
// The page text follows the title: "    ページ  " and the number for the cash
// and bank books, "    ページ" with five blanks and the number for the ledger.
enum class PageText { Books, Ledger };
void printPageHeader(printing::PrinterDevice& printer, const std::string& company, const std::string& title,
                     const dao::Date& now, PageText pageText, int page);
void printAt(printing::PrinterDevice& printer, int column, const std::string& text);

// The page block that opens a page: a blank line, the header, the gap and a
// further blank line.
void printPageHead(printing::PrinterDevice& printer, const std::string& company, const std::string& title,
                   const dao::Date& now, PageText pageText, int page);

}  // namespace books
