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

void cashBookLines(const CashBookSource& source, const dao::Date& now, const LineSink& add)
{
    std::int64_t balance = source.openingCash;
    // The carried cash shows before the period's first cash voucher too.
    add(openingLine(balance, 39, 61, 14));
    JournalRowReader reader(source.rows);
    DateColumn dates(now);
    readEachRow(source.rows, [&] {
        const JournalRow row = reader.read();
        const Posting posting = cashBookPosting(row, source.cashCode);
        balance += posting.balanceChange;
        add(rowLine(dates.next(row.date), row, posting, balance, kScreenLine));
    });
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
    JournalRowReader reader(source.rows);
    DateColumn dates(now);
    bool anyRow = false;
    readEachRow(source.rows, [&] {
        const JournalRow row = reader.read();
        anyRow = true;
        openPage();
        const Posting posting = cashBookPosting(row, source.cashCode);
        balance += posting.balanceChange;
        printAt(printer, 10, rowLine(dates.next(row.date), row, posting, balance, kPrintLine));
        printLineGap(printer);
        pages.count(1);
    });
    if (!anyRow)  // the carried cash alone
        openPage();
    printer.newPage();
}

}  // namespace books
