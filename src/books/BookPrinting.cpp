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

namespace {
constexpr int kPageLines = 80;  // a page breaks when it holds more
constexpr int kBlockLines = 3;  // the page block
// A shared page counts what each line takes: a block with its opening line
// takes five text heights. It holds the 78 rows of one book under its block
// (83 lines) and at most 85 lines of several, so that every page fits the
// paper at the size of the others (PrinterDevice.h).
constexpr int kSharedBlockLines = 5;
constexpr int kSharedPageLines = 85;
}  // namespace

BookPages::BookPages(printing::PrinterDevice& printer, std::string company, std::string title, const dao::Date& now,
                     PageText pageText, SharedPage* shared)
    : m_printer(printer), m_company(std::move(company)), m_title(std::move(title)), m_now(now), m_pageText(pageText),
      m_shared(shared)
{
}

bool BookPages::open()
{
    if (m_lineCount > 0)
        return false;
    if (m_shared && m_shared->lines > 0 && m_shared->lines + kSharedBlockLines + 1 > kSharedPageLines) {
        m_printer.newPage();
        m_shared->lines = 0;
    }
    ++m_page;
    printPageHead(m_printer, m_company, m_title, m_now, m_pageText, m_page);
    m_lineCount = kBlockLines;
    if (m_shared)
        m_shared->lines += kSharedBlockLines;
    return m_page == 1;
}

void BookPages::count(int lines)
{
    m_lineCount += lines;
    if (m_shared)
        m_shared->lines += lines;
    if (m_lineCount > kPageLines || (m_shared && m_shared->lines > kSharedPageLines)) {
        m_printer.newPage();
        m_lineCount = 0;
        if (m_shared)
            m_shared->lines = 0;
    }
}

}  // namespace books
