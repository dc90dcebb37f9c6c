#include "closing/ClosingListLines.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"

#include <algorithm>

namespace closing {

namespace {

std::string textField(const dao::Value& value, int width)
{
    return o::FitByteWidth(value.toText(), width);
}

std::string amountField(const dao::Value& value)
{
    if (value.isNull() || !value.isNumeric())
        return std::string(10, ' ');
    return o::FormatAmountField(value.toInt64(), o::kAmountMask, 10);
}

std::string rowNumber(const dao::Value& value)
{
    const long long n = value.isNumeric() ? value.toInt64() : 0;
    return n > 0 ? std::to_string(n) : " ";
}

// The fields from 追番 on.
std::string fields(dao::Recordset& rs, int descriptionWidth)
{
    return rowNumber(rs.get(schema::column::RowNumber)) + " "
        + textField(rs.get(schema::column::Description), descriptionWidth) + " "
        + textField(rs.get(schema::column::Partner), 16) + " " + textField(rs.get(schema::column::AccountName), 20)
        + "   " + amountField(rs.get(schema::column::DebitAmount)) + " "
        + textField(rs.get(schema::column::AccountName2), 20) + "   "
        + amountField(rs.get(schema::column::CreditAmount)) + "  " + textField(rs.get(schema::column::BankName), 15)
        + " " + textField(rs.get(schema::column::BranchName), 15);
}

int rowOf(const dao::Value& value)
{
    return value.isNumeric() ? static_cast<int>(value.toInt64()) : 0;
}

}  // namespace

ClosingListLine ClosingTemplateLine(dao::Recordset& rs)
{
    return {" " + fields(rs, 34),
            {rs.get(schema::column::TemplateId).toText(), rowOf(rs.get(schema::column::RowNumber))},
            journal::ReadJournalRecord(rs, journal::RecordKind::Template)};
}

std::string ClosingEntryDateColumn(const std::optional<dao::Date>& date, dao::Date& lastShown)
{
    if (!date || *date == lastShown)
        return std::string(12, ' ');
    lastShown = *date;
    return o::FitByteWidth(o::FormatDate(*date, o::kListDate), 12);
}

ClosingEntryRow ClosingEntryRowOf(dao::Recordset& rs)
{
    return {journal::ReadJournalRecord(rs, journal::RecordKind::Voucher), " " + fields(rs, 36)};
}

ClosingListLine ClosingEntryLine(dao::Recordset& rs, dao::Date& lastShown)
{
    ClosingEntryRow entry = ClosingEntryRowOf(rs);
    std::string text = ClosingEntryDateColumn(entry.row.date, lastShown) + entry.fields;
    ClosingLineKey key{entry.row.number, entry.row.rowNumber};
    return {std::move(text), std::move(key), std::move(entry.row)};
}

std::string ClosingPrintedLine(dao::Recordset& rs)
{
    return rowNumber(rs.get(schema::column::RowNumber)) + " " + textField(rs.get(schema::column::Description), 36) + " "
        + textField(rs.get(schema::column::Partner), 10) + " " + textField(rs.get(schema::column::AccountName), 16)
        + "   " + amountField(rs.get(schema::column::DebitAmount)) + " "
        + textField(rs.get(schema::column::AccountName2), 16) + "   "
        + amountField(rs.get(schema::column::CreditAmount)) + "  " + textField(rs.get(schema::column::BankName), 15)
        + " " + textField(rs.get(schema::column::BranchName), 15);
}

std::vector<ClosingListLine> ClosingTemplateLines(dao::Recordset& rs)
{
    std::vector<ClosingListLine> lines;
    if (rs.isEmpty())
        return lines;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        lines.push_back(ClosingTemplateLine(rs));
    rs.MoveFirst();
    return lines;
}

std::vector<ClosingListLine> ClosingEntryLines(dao::Recordset& rs, const dao::Date& now)
{
    std::vector<ClosingListLine> lines;
    if (rs.isEmpty())
        return lines;
    dao::Date lastShown = now;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        lines.push_back(ClosingEntryLine(rs, lastShown));
    rs.MoveFirst();
    return lines;
}

std::vector<std::string> ClosingPrintedLines(dao::Recordset& rs)
{
    std::vector<std::string> lines;
    if (rs.isEmpty())
        return lines;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        lines.push_back(ClosingPrintedLine(rs));
    rs.MoveFirst();
    return lines;
}

}  // namespace closing
