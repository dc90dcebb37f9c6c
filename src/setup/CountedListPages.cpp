#include "setup/CountedListPages.h"

namespace setup {

void PrintCountedList(SetupPage& page, dao::Recordset& rows, const CountedListLayout& layout,
                      const std::function<std::string(const dao::Recordset&)>& rowLine)
{
    if (rows.isEmpty())
        return;
    page.blankLines(1);
    int pageNumber = 1;
    int lines = 0;
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext()) {
        if (lines == 0) {
            page.headerBlock(layout.title, SetupPageText(layout.pageLabel, pageNumber));
            if (!layout.columnHeading.empty()) {
                page.line(layout.columnHeading);
                if (layout.gapAfterHeading)
                    page.gap();
                else
                    page.blankLines(1);
            }
            lines = layout.headerLines;
        }
        page.line(rowLine(rows));
        if (++lines > layout.lineLimit) {
            page.newPage();
            lines = 0;
            ++pageNumber;
        }
    }
    page.newPage();
}

}  // namespace setup
