#include "closing/ClosingEntryPrintout.h"

#include "common/PrintRoutines.h"

namespace closing {

void PrintClosingEntryList(printing::PrinterDevice& device, const statements::StatementHeader& header,
                           const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    int counted = 0;
    for (const std::string& line : lines) {
        if (counted == 0) {
            statements::PrintStatementHeader(device, header);
            counted = kClosingListHeaderLines;
        }
        device.printAtColumn(10, line);
        o::PrintLineGap(device);
        if (++counted > kClosingListPageLines) {
            counted = 0;
            device.newPage();
        }
    }
    device.newPage();
}

}  // namespace closing
