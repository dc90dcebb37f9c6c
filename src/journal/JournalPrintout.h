#pragma once
// The printed journal "仕訳帳": every row of the journal recordset in its order,
// two printed lines per row, closing entries marked with "*", a page header on
// every page and a new page once a page holds more than 80 lines.

#include "journal/JournalListLine.h"
#include "platform/dao/Value.h"
#include "platform/printing/PrinterDevice.h"

#include <string>

namespace dao {
class Recordset;
}

namespace journal {

inline constexpr int kJournalPageLength = 80;  // lines, header block included
inline constexpr const char* kJournalPrintTitle = " 会計 仕訳帳  ";
inline constexpr const char* kJournalPrintQuestion = "Ａ４用紙に印刷します 準備はよろしいですか？";
inline constexpr const char* kJournalPrintQuestionTitle = "仕訳帳";

// The first printed line of a row (113 bytes with a one-digit 追番), given its
// 12-byte date field.
std::string JournalPrintFirstLine(const JournalRecord& row, const std::string& dateField);
// The second line: bank and branch, 31 bytes.
std::string JournalPrintSecondLine(const JournalRecord& row);

// PrintJournal: prints every row of `journal` onto the prepared print run of
// `device`; nothing when the journal is empty. `companyName` is 事業所名 and
// `now` the print date and time of the page headers.
void PrintJournal(printing::PrinterDevice& device, dao::Recordset& journal, const dao::Value& companyName,
                  const dao::Date& now);

// The print button's run once the question is answered Yes: prepares the
// printer (A4, "ＭＳ ゴシック" 9 pt), prints the journal and ends the document.
void PrintJournalRun(printing::PrinterDevice& device, dao::Recordset& journal, const dao::Value& companyName,
                     const dao::Date& now);

}  // namespace journal
