#pragma once
// The page rule of the printed account lists and the template list: a
// PrintNewLines(1) before the first page; on each page a header block (a blank
// line, the header line with the page label and the page number, a gap, a
// blank line and, when the list has
// one, its column heading followed by a blank line or a gap); then rows at the
// plain line height, counted with the header's lines, and a new page as soon
// as the count passes the list's limit. A new page after the last row. An
// empty recordset prints nothing at all; otherwise the recordset is left at
// its end.

#include "platform/dao/Recordset.h"
#include "setup/SetupPage.h"

#include <functional>
#include <string>

namespace setup {

struct CountedListLayout {
    std::string title;
    std::string pageLabel = kAccountListPageLabel;  // before the page number
    std::string columnHeading;                      // "" for none
    bool gapAfterHeading = false;                   // a gap after the heading instead of a blank line
    int headerLines = 3;                            // the line count a page starts with
    int lineLimit = 86;                             // a new page when the count passes this
};

void PrintCountedList(SetupPage& page, dao::Recordset& rows, const CountedListLayout& layout,
                      const std::function<std::string(const dao::Recordset&)>& rowLine);

}  // namespace setup
