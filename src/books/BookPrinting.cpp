#include "books/BookPrinting.h"

#include "common/PageHeader.h"
#include "common/PrintRoutines.h"

namespace books {

void printNewLines(printing::PrinterDevice& printer, int count)
{
    o::PrintNewLines(printer, count);
}

void printLineGap(printing::PrinterDevice& printer)
{
    o::PrintLineGap(printer);
}

void printPageHeader(printing::PrinterDevice& printer, const std::string& company, const std::string& title,
                     const dao::Date& now, PageText pageText, int page)
{
    const char* label = pageText == PageText::Ledger ? o::kLedgerPageLabel : o::kBookPageLabel;
    o::PrintPageHeader(printer, dao::Value(company), title, now, label, page);
}

void printAt(printing::PrinterDevice& printer, int column, const std::string& text)
{
    printer.printAtColumn(column, text);
}

void printPageHead(printing::PrinterDevice& printer, const std::string& company, const std::string& title,
                   const dao::Date& now, PageText pageText, int page)
{
    printNewLines(printer, 1);
    printPageHeader(printer, company, title, now, pageText, page);
    printLineGap(printer);
    printNewLines(printer, 1);
}

}  // namespace books
