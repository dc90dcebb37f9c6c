#include "books/JournalRow.h"

#include <algorithm>

namespace books {

std::int64_t amountOf(const dao::Value& value)
{
    if (value.isNull() || !value.isNumeric())
        return 0;
    try {
        return value.toInt64();
    } catch (const dao::DaoError&) {
        return 0;
    }
}

std::optional<std::int64_t> sideOf(const dao::Value& value)
{
    if (!value.isNumeric())
        return std::nullopt;
    return amountOf(value);
}

bool isDebitNormal(const dao::Value& side)
{
    return sideOf(side) == 0;
}

JournalRowReader::JournalRowReader(dao::Recordset& rs) : m_rs(rs), m_fields(rs.fieldNames())
{
    std::sort(m_fields.begin(), m_fields.end());
}

bool JournalRowReader::has(const char* field) const
{
    return std::binary_search(m_fields.begin(), m_fields.end(), std::string(field));
}

std::string JournalRowReader::text(const char* field) const
{
    return has(field) ? m_rs.get(field).toText() : std::string();
}

bool JournalRowReader::flag(const char* field) const
{
    return has(field) && m_rs.get(field).toBool();
}

JournalRow JournalRowReader::read() const
{
    JournalRow row;
    if (has("日付"))
        row.date = m_rs.get("日付").toDate();
    row.description = text("摘要");
    row.partner = text("取引先");
    row.debitCode = text("借方コード");
    row.creditCode = text("貸方コード");
    row.debitName = text("勘定科目名");
    row.creditName = text("勘定科目名2");
    row.debitClass = text("小分類");
    row.creditClass = text("小分類2");
    if (has("借貸区分"))
        row.debitAccountSide = sideOf(m_rs.get("借貸区分"));
    if (has("入金"))
        row.debitAmount = amountOf(m_rs.get("入金"));
    if (has("出金"))
        row.creditAmount = amountOf(m_rs.get("出金"));
    row.bankCode = text("銀行コード");
    row.branchCode = text("支店コード");
    row.bankName = text("銀行名");
    row.branchName = text("支店名");
    row.closingEntry = flag("決算仕訳");
    return row;
}

void forEachRow(dao::Recordset& rs, const std::function<void()>& visit)
{
    if (rs.isEmpty())
        return;
    rs.MoveFirst();
    while (!rs.EOF_()) {
        try {
            visit();
        } catch (const dao::DaoError& e) {
            if (e.code() != dao::DaoError::Code::NoCurrentRecord)
                throw;
        }
        rs.MoveNext();
    }
}

}  // namespace books
