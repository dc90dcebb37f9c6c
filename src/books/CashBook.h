#pragma once
// The cash book: every journal row that moves the account 現金, receipts and
// payments in two columns, and the cash balance after each row from the
// opening cash of the period. On screen and on paper.

#include "books/BookText.h"
#include "books/JournalRow.h"
#include "books/Posting.h"
#include "platform/printing/PrinterDevice.h"

#include <string>
#include <vector>

namespace books {

struct CashBookSource {
    dao::Recordset& rows;      // Q_現金出納帳
    std::string cashCode;      // code of the account 現金 ("" when there is none)
    std::int64_t openingCash;  // 会計設定.期首現金残高 (null counts 0)
};

// A row is a receipt when its debit account is cash, otherwise a payment; a
// row with cash on both sides is both.
Posting cashBookPosting(const JournalRow& row, const std::string& cashCode);

// The lines of List1, handed to `add`: the opening line ("前期より繰り越し"
// with the opening cash) and one line per row; the opening line alone when the
// query has no rows.
void cashBookLines(const CashBookSource& source, const dao::Date& now, const LineSink& add);

// Prints the book on a print run the caller has prepared and will end, as a
// printout of its own size (PrinterDevice::startPrintout). Page length: 78
// rows; every printout ends with a new page. A book without rows is its page
// header and opening line.
void printCashBook(printing::PrinterDevice& printer, const CashBookSource& source, const std::string& company,
                   const dao::Date& now);

}  // namespace books
