#pragma once
// The page-header line of the printed lists, books and ledgers:
// "【", the company name, "】", the title, the print date and time as
// "   yyyy/mm/dd(aaa) hh:mm", the page label and the page number as the printer
// prints a number (" 1 ").

#include "platform/dao/Value.h"
#include "platform/printing/PrinterDevice.h"

#include <string>

namespace o {

// Page labels of the printouts.
inline constexpr const char* kJournalPageLabel = "    ページ ";  // journal
inline constexpr const char* kBookPageLabel = "    ページ  ";    // cash book, bank books
// general ledger: with the number's sign blank its first page reads "    ページ     1 "
inline constexpr const char* kLedgerPageLabel = "    ページ    ";

// companyName may be null or empty: "【" is then followed directly by "】".
std::string PageHeaderLine(const dao::Value& companyName, const std::string& title, const dao::Date& printedAt,
                           const std::string& pageLabel, int page);

// Prints the line at character column 10 and ends the line.
void PrintPageHeader(printing::PrinterDevice& device, const dao::Value& companyName, const std::string& title,
                     const dao::Date& printedAt, const std::string& pageLabel, int page);

}  // namespace o
