#include "books/CashBook.h"

#include "books/BookPrinting.h"
#include "books/RowLine.h"

namespace books {

namespace {

const RowLineLayout kScreenLine{.description = 36, .partner = 17, .balanceGap = 2, .bankGap = 1};
const RowLineLayout kPrintLine{.description = 16, .partner = 10, .account = 12, .balance = 12, .bankGap = 0};

}  // namespace

Posting cashBookPosting(const JournalRow& row, const std::string& cashCode)
{
    return bookPosting(row, false, row.debitCode == cashCode, row.creditCode == cashCode);
}

std::vector<std::string> cashBookLines(const CashBookSource& source, const dao::Date& now)
{
    std::vector<std::string> lines;
    std::int64_t balance = source.openingCash;
    lines.push_back(openingLine(balance, 39, 61, 14));
    if (source.rows.isEmpty())
        return lines;  // the carried cash shows before the period's first cash voucher too
    JournalRowReader reader(source.rows);
    DateColumn dates(now);
    forEachRow(source.rows, [&] {
        const JournalRow row = reader.read();
        const Posting posting = cashBookPosting(row, source.cashCode);
        balance += posting.balanceChange;
        lines.push_back(rowLine(dates.next(row.date), row, posting, balance, kScreenLine));
    });
    return lines;
}

void printCashBook(printing::PrinterDevice& printer, const CashBookSource& source, const std::string& company,
                   const dao::Date& now)
{
    printer.startPrintout();
    BookPages pages(printer, company, " 会計 現金出納帳  ", now, PageText::Books);
    std::int64_t balance = source.openingCash;
    const auto openPage = [&] {
        if (pages.open()) {
            printAt(printer, 10, openingLine(balance, 19, 51, 12));
            printLineGap(printer);
        }
    };
    if (source.rows.isEmpty()) {  // the carried cash alone
        openPage();
        printer.newPage();
        return;
    }
    JournalRowReader reader(source.rows);
    DateColumn dates(now);
    forEachRow(source.rows, [&] {
        const JournalRow row = reader.read();
        openPage();
        const Posting posting = cashBookPosting(row, source.cashCode);
        balance += posting.balanceChange;
        printAt(printer, 10, rowLine(dates.next(row.date), row, posting, balance, kPrintLine));
        printLineGap(printer);
        pages.count(1);
    });
    printer.newPage();
}

}  // namespace books
