#include "journal/JournalPrintout.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/PageHeader.h"
#include "common/PrintRoutines.h"
#include "platform/dao/Recordset.h"

#include <optional>

namespace journal {

std::string JournalPrintFirstLine(const JournalRecord& row, const std::string& dateField)
{
    std::string line = dateField;
    line += row.closingEntry ? "*" : " ";
    line += row.rowNumber > 0 ? std::to_string(row.rowNumber) : " ";
    line += " ";
    line += o::FitByteWidth(row.description, 25);
    line += " ";
    line += o::FitByteWidth(row.partner, 16);
    line += " ";
    line += o::FitByteWidth(row.debitName, 14);
    line += "   ";
    line += ListAmountField(row.debit);
    line += " ";
    line += o::FitByteWidth(row.creditName, 14);
    line += "   ";
    line += ListAmountField(row.credit);
    return line;
}

std::string JournalPrintSecondLine(const JournalRecord& row)
{
    return o::FitByteWidth(row.bankName, 15) + " " + o::FitByteWidth(row.branchName, 15);
}

void PrintJournal(printing::PrinterDevice& device, dao::Recordset& journal, const dao::Value& companyName,
                  const dao::Date& now)
{
    if (journal.isEmpty())
        return;
    device.setFontName("ＭＳ ゴシック");
    int page = 1;
    int lines = 0;
    o::PrintNewLines(device, 1);
    dao::Date lastDate = now;  // so the first dated row always prints its date
    const std::optional<JournalFields> fields =
        journal.isEmpty() ? std::nullopt : std::optional<JournalFields>(std::in_place, journal, RecordKind::Voucher);
    for (journal.MoveFirst(); !journal.EOF_(); journal.MoveNext()) {
        if (lines == 0) {
            o::PrintNewLines(device, 1);
            o::PrintPageHeader(device, companyName, kJournalPrintTitle, now, o::kJournalPageLabel, page);
            o::PrintLineGap(device);
            lines = 3;
            o::PrintNewLines(device, 1);
        }
        const JournalRecord row = fields->read(journal);
        std::string dateField(12, ' ');
        if (row.date && *row.date != lastDate) {
            dateField = o::FitByteWidth(o::FormatDate(*row.date, o::kListDate), 12);
            lastDate = *row.date;
        }
        device.printAtColumn(10, JournalPrintFirstLine(row, dateField));
        ++lines;
        device.printAtColumn(68, JournalPrintSecondLine(row));
        ++lines;
        if (lines > kJournalPageLength) {
            device.newPage();
            lines = 0;
            ++page;
        }
    }
}

void PrintJournalRun(printing::PrinterDevice& device, dao::Recordset& journal, const dao::Value& companyName,
                     const dao::Date& now)
{
    o::PreparePrinter(device, 9, 0, 0, "ＭＳ ゴシック", 9);
    PrintJournal(device, journal, companyName, now);
    device.endDoc();
}

}  // namespace journal
