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

ClosingListLine ClosingEntryLine(dao::Recordset& rs, dao::Date& lastShown)
{
    std::string date(12, ' ');
    if (const auto d = rs.get(schema::column::Date).toDate(); d && *d != lastShown) {
        date = o::FitByteWidth(o::FormatDate(*d, o::kListDate), 12);
        lastShown = *d;
    }
    return {date + " " + fields(rs, 36),
            {rs.get(schema::column::VoucherNumber).toText(), rowOf(rs.get(schema::column::RowNumber))},
            journal::ReadJournalRecord(rs, journal::RecordKind::Voucher)};
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
