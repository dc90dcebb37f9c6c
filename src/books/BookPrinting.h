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

// The lines on a page that several books share (the ledger of all accounts
// without page breaks): each book's block follows on the page while the page
// has room, and the page also breaks when all of them together fill it.
struct SharedPage {
    int lines = 0;
};

// The pages of a printed book: a page opens with the page block before its
// first line (the block counts 3 lines) and breaks once it holds more than 80
// lines, so a page takes 78 rows. On a shared page a book's block that would
// leave no room for a row starts a new page.
class BookPages {
public:
    BookPages(printing::PrinterDevice& printer, std::string company, std::string title, const dao::Date& now,
              PageText pageText, SharedPage* shared = nullptr);
    // Prints the page block when no page is open; true when it opened the first page.
    bool open();
    // Counts lines printed on the open page and breaks the page when it is full.
    void count(int lines);
    bool pageOpen() const { return m_lineCount > 0; }
private:
    printing::PrinterDevice& m_printer;
    std::string m_company;
    std::string m_title;
    dao::Date m_now;
    PageText m_pageText;
    SharedPage* m_shared;
    int m_page = 0;
    int m_lineCount = 0;
};

}  // namespace books
