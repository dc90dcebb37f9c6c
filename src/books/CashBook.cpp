#include "books/CashBook.h"

#include "books/BookPrinting.h"
#include "books/BookText.h"

namespace books {

Posting cashBookPosting(const JournalRow& row, const std::string& cashCode)
{
    if (row.debitCode == cashCode)
        return Posting::onDebit(row.creditName, row.debitAmount, row.debitAmount);
    return Posting::onCredit(row.debitName, row.creditAmount, -row.creditAmount);
}

std::vector<std::string> cashBookLines(const CashBookSource& source, const dao::Date& now)
{
    std::vector<std::string> lines;
    if (source.rows.isEmpty())
        return lines;
    std::int64_t balance = source.openingCash;
    lines.push_back(LineBuilder()
                        .gap(12).gap(1)
                        .text("前期より繰り越し", 39).gap(1)
                        .gap(59).gap(1)
                        .amount(balance, 14, kOpeningMask)
                        .str());
    JournalRowReader reader(source.rows);
    DateColumn dates(now);
    forEachRow(source.rows, [&] {
        const JournalRow row = reader.read();
        const Posting posting = cashBookPosting(row, source.cashCode);
        balance += posting.balanceChange;
        lines.push_back(LineBuilder()
                            .raw(dates.next(row.date)).gap(1)
                            .text(row.description, 36).gap(1)
                            .text(row.partner, 17).gap(3)
                            .text(posting.account, 15).gap(2)
                            .amountOrNone(posting.debit, 12).gap(1)
                            .amountOrNone(posting.credit, 12).gap(1)
                            .amount(balance, 14).gap(2)
                            .text(row.bankName, 14).gap(1)
                            .text(row.branchName, 14)
                            .str());
    });
    return lines;
}

void printCashBook(printing::PrinterDevice& printer, const CashBookSource& source,
                   const std::string& company, const dao::Date& now)
{
    if (source.rows.isEmpty())
        return;
    int page = 1;
    int lineCount = 0;
    std::int64_t balance = 0;
    JournalRowReader reader(source.rows);
    DateColumn dates(now);
    forEachRow(source.rows, [&] {
        const JournalRow row = reader.read();
        if (lineCount == 0) {
            printPageHead(printer, company, " 会計 現金出納帳  ", now, PageText::Books, page);
            lineCount = 3;
            if (page == 1) {
                balance = source.openingCash;
                printAt(printer, 10, LineBuilder()
                                         .gap(12).gap(1)
                                         .text("前期より繰り越し", 19).gap(1)
                                         .gap(49).gap(1)
                                         .amount(balance, 12, kOpeningMask)
                                         .str());
                printLineGap(printer);
            }
        }
        const Posting posting = cashBookPosting(row, source.cashCode);
        balance += posting.balanceChange;
        printAt(printer, 10, LineBuilder()
                                 .raw(dates.next(row.date)).gap(1)
                                 .text(row.description, 16).gap(1)
                                 .text(row.partner, 10).gap(3)
                                 .text(posting.account, 12).gap(2)
                                 .amountOrNone(posting.debit, 12).gap(1)
                                 .amountOrNone(posting.credit, 12).gap(1)
                                 .amount(balance, 12).gap(1)
                                 .text(row.bankName, 14)
                                 .text(row.branchName, 14)
                                 .str());
        printLineGap(printer);
        ++lineCount;
        if (lineCount > 80) {
            printer.newPage();
            ++page;
            lineCount = 0;
        }
    });
    printer.newPage();
}

}  // namespace books
