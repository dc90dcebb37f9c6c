#include "closing/PeriodJournal.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/CheckedRow.h"
#include "platform/dao/Database.h"
#include "platform/dao/DayOfDate.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace closing {

std::string PeriodDateCondition(const ClosingPeriod& period, const std::string& column)
{
    return dao::DayWithinSql(column, period.first, period.last);
}

std::string OutsidePeriodCondition(const ClosingPeriod& period, const std::string& column)
{
    return dao::DayOutsideSql(column, period.first, period.last);
}

std::string SqlText(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += '\'';
        quoted += c;
    }
    return quoted + "'";
}

std::vector<PeriodJournalRow> ReadPeriodJournal(dao::Database& database, const ClosingPeriod& period,
                                                const std::string& condition)
{
    struct Read {
        PeriodJournalRow row;
        long long day = 0;
        std::int64_t rowNumber = 0;  // 追番
    };
    std::vector<Read> read;
    // The rows whose 日付 holds something that is no date are read too: their
    // reading refuses them by name, never taking them for rows outside the period.
    const std::string dated = "(" + PeriodDateCondition(period) + " OR " + dao::NoDateSql("\"日付\"") + ")";
    database.ForEachCheckedRow(
        schema::table::Journal,
        {schema::column::Date, schema::column::VoucherNumber, schema::column::RowNumber, schema::column::Description,
         schema::column::DebitCode, schema::column::CreditCode, schema::column::DebitAmount,
         schema::column::CreditAmount, schema::column::ClosingEntry},
        dated + (condition.empty() ? "" : " AND (" + condition + ")"), {}, [&](const dao::CheckedRow& journal) {
            const std::optional<dao::Date> date = journal.date(0);
            if (!date)
                return;
            Read r;
            r.row.date = *date;
            r.day = date->dayNumber();
            r.row.voucher = journal.text(1);
            r.rowNumber = journal.wholeNumber(2);
            r.row.description = journal.text(3);
            r.row.debitCode = journal.text(4);
            r.row.creditCode = journal.text(5);
            r.row.debit = journal.wholeNumber(6);
            r.row.credit = journal.wholeNumber(7);
            r.row.closingEntry = journal.flag(8);
            read.push_back(std::move(r));
        });
    // The journal's order: by date (by its value), voucher and row number,
    // then as the rows were written.
    std::stable_sort(read.begin(), read.end(), [](const Read& a, const Read& b) {
        return std::tie(a.day, a.row.voucher, a.rowNumber) < std::tie(b.day, b.row.voucher, b.rowNumber);
    });
    std::vector<PeriodJournalRow> rows;
    rows.reserve(read.size());
    for (Read& r : read)
        rows.push_back(std::move(r.row));
    return rows;
}

}  // namespace closing
