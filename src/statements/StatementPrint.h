#pragma once
// Printing a statement: its page header, and its lines as steps that are
// printed page by page. A line that would run past the foot of the page
// starts a new page headed again (the continuation pages' title line carries
// the page number of the statement), so a long chart never runs off the paper.
// In two columns (the balance sheet in account form) both columns continue on
// the new page.

#include "platform/dao/Value.h"
#include "platform/printing/PrinterDevice.h"
#include "statements/StatementSettings.h"

#include <string>
#include <vector>

namespace statements {

struct StatementHeader {
    const StatementSettings* settings = nullptr;
    bool omitCompanyLine = false;
    std::string title;
    dao::Date now;
};

// The page header at the current position: two blank lines; unless the
// company line is left out, a blank line, "【", 事業所名, "】会計　", the title
// and the date and time "   yyyy/mm/dd(aaa) hh:mm" at print column 10, the
// gap and a blank line; the title at column 10 (on page 2 and later followed
// by "    ページ" and the page number); the period line at column 10; the unit
// "（単位：円）" at column 100; each of the last three lines with its gap.
void PrintStatementHeader(printing::PrinterDevice& device, const StatementHeader& header, int page = 1);

// One step of a printed statement.
struct PrintStep {
    enum class Kind { Line, NewLines, Gap };
    Kind kind = Kind::Line;
    int column = 10;   // print column of the line; 0: at the left margin as the position stands
    std::string text;  // the line (or its first part when `tail` is set)
    std::string tail;  // printed right after `text`, ending the line (an amount field)
    bool gap = false;  // the extra gap after the line (PrintLineGap)
    int count = 1;     // NewLines: how many

    static PrintStep line(std::string text, bool gap, int column = 10);
    static PrintStep lineWithTail(std::string text, std::string tail, bool gap, int column = 10);
    static PrintStep newLines(int n = 1);
    static PrintStep lineGap();
};

using PrintSteps = std::vector<PrintStep>;

// Prints the header and the steps, breaking pages as needed; starts a new page
// at the end when `newPageAtEnd`.
void PrintStatement(printing::PrinterDevice& device, const StatementHeader& header, const PrintSteps& steps,
                    bool newPageAtEnd = true);

// The same with the header printed just before step `firstHeaded` (the trial
// balance heads its page only when it lists an account); when that is
// steps.size() no header is printed at all. `belowHeader` (column headings)
// follows the header on every page.
void PrintStatementHeadedAt(printing::PrinterDevice& device, const StatementHeader& header, const PrintSteps& steps,
                            std::size_t firstHeaded, bool newPageAtEnd = true,
                            const PrintSteps& belowHeader = PrintSteps{});

// Two columns side by side below one header: the left column at the left edge,
// the right column from `rightEdge` (printer units) on, each step's column
// counted from its column's edge. Ends with a new page.
void PrintTwoColumns(printing::PrinterDevice& device, const StatementHeader& header, const PrintSteps& left,
                     const PrintSteps& right, double rightEdge);

}  // namespace statements
