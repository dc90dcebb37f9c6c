#include "closing/ClosingListLines.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"
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
    return o::FormatAmountField(value.toInt64(), "###,###,##0", 10);
}

std::string rowNumber(const dao::Value& value)
{
    const long long n = value.isNumeric() ? value.toInt64() : 0;
    return n > 0 ? std::to_string(n) : " ";
}

// The fields from 追番 on.
std::string fields(dao::Recordset& rs, int descriptionWidth)
{
    return rowNumber(rs.get("追番")) + " " + textField(rs.get("摘要"), descriptionWidth) + " "
           + textField(rs.get("取引先"), 16) + " " + textField(rs.get("勘定科目名"), 20) + "   "
           + amountField(rs.get("入金")) + " " + textField(rs.get("勘定科目名2"), 20) + "   "
           + amountField(rs.get("出金")) + "  " + textField(rs.get("銀行名"), 15) + " " + textField(rs.get("支店名"), 15);
}

int rowOf(const dao::Value& value)
{
    return value.isNumeric() ? static_cast<int>(value.toInt64()) : 0;
}

}  // namespace

ClosingListLine ClosingTemplateLine(dao::Recordset& rs)
{
    return {" " + fields(rs, 34), {rs.get("仕訳ID").toText(), rowOf(rs.get("追番"))},
            journal::ReadJournalRecord(rs, journal::RecordKind::Template)};
}

ClosingListLine ClosingEntryLine(dao::Recordset& rs, dao::Date& lastShown)
{
    std::string date(12, ' ');
    if (const auto d = rs.get("日付").toDate(); d && *d != lastShown) {
        date = o::FitByteWidth(o::FormatDate(*d, o::kListDate), 12);
        lastShown = *d;
    }
    return {date + " " + fields(rs, 36), {rs.get("伝票番号").toText(), rowOf(rs.get("追番"))},
            journal::ReadJournalRecord(rs, journal::RecordKind::Voucher)};
}

std::string ClosingPrintedLine(dao::Recordset& rs)
{
    return rowNumber(rs.get("追番")) + " " + textField(rs.get("摘要"), 36) + " " + textField(rs.get("取引先"), 10) + " "
           + textField(rs.get("勘定科目名"), 16) + "   " + amountField(rs.get("入金")) + " "
           + textField(rs.get("勘定科目名2"), 16) + "   " + amountField(rs.get("出金")) + "  "
           + textField(rs.get("銀行名"), 15) + " " + textField(rs.get("支店名"), 15);
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
