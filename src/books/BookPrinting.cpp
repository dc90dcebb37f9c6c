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

BookPages::BookPages(printing::PrinterDevice& printer, std::string company, std::string title, const dao::Date& now,
                     PageText pageText)
    : m_printer(printer), m_company(std::move(company)), m_title(std::move(title)), m_now(now), m_pageText(pageText)
{
}

bool BookPages::open()
{
    if (m_lineCount > 0)
        return false;
    ++m_page;
    printPageHead(m_printer, m_company, m_title, m_now, m_pageText, m_page);
    m_lineCount = 3;
    return m_page == 1;
}

void BookPages::count(int lines)
{
    m_lineCount += lines;
    if (m_lineCount > 80) {
        m_printer.newPage();
        m_lineCount = 0;
    }
}

}  // namespace books
