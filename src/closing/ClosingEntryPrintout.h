#pragma once
// The printed closing-entry list "決算仕訳リスト": each page opens with the
// statements' page header, counted as five lines, and holds 82 entry lines;
// the list ends with a new page.

#include "platform/printing/PrinterDevice.h"
#include "statements/StatementPrint.h"

#include <string>
#include <vector>

namespace closing {

inline const char* const kClosingListTitle = "決算仕訳リスト";
inline constexpr int kClosingListHeaderLines = 5;
inline constexpr int kClosingListPageLines = 86;  // a page ends when the count passes this

// Prints the lines (ClosingPrintedLines) at print column 10, each followed by
// the line gap, under `header` (company line included, the title above); an
// empty list prints nothing at all.
void PrintClosingEntryList(printing::PrinterDevice& device, const statements::StatementHeader& header,
                           const std::vector<std::string>& lines);

}  // namespace closing
