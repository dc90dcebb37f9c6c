#include "common/PageHeader.h"

#include "common/DateFormat.h"
#include "common/NumberFormat.h"

namespace o {

std::string PageHeaderLine(const dao::Value& companyName, const std::string& title, const dao::Date& printedAt,
                           const std::string& pageLabel, int page)
{
    return "【" + companyName.toText() + "】" + title + FormatDate(printedAt, kHeaderDateTime) + pageLabel
        + PrintedNumber(page);
}

void PrintPageHeader(printing::PrinterDevice& device, const dao::Value& companyName, const std::string& title,
                     const dao::Date& printedAt, const std::string& pageLabel, int page)
{
    device.printAtColumn(10, PageHeaderLine(companyName, title, printedAt, pageLabel, page));
}

}  // namespace o
