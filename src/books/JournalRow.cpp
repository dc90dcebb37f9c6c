#include "books/JournalRow.h"

#include "periodfile/SchemaNames.h"

#include <algorithm>
#include <array>

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

namespace {

// The fields a journal row is read from, in one order.
enum RowField : std::size_t {
    kDate,
    kDescription,
    kPartner,
    kDebitCode,
    kCreditCode,
    kDebitName,
    kCreditName,
    kDebitClass,
    kCreditClass,
    kDebitSide,
    kDebitAmount,
    kCreditAmount,
    kBankCode,
    kBranchCode,
    kBankName,
    kBranchName,
    kClosing,
    kFieldCount
};

const std::array<std::string, kFieldCount>& rowFieldNames()
{
    static const std::array<std::string, kFieldCount> names = {
        schema::column::Date,         schema::column::Description, schema::column::Partner,
        schema::column::DebitCode,    schema::column::CreditCode,  schema::column::AccountName,
        schema::column::AccountName2, schema::column::MinorClass,  schema::column::MinorClass2,
        schema::column::DebitCredit,  schema::column::DebitAmount, schema::column::CreditAmount,
        schema::column::BankCode,     schema::column::BranchCode,  schema::column::BankName,
        schema::column::BranchName,   schema::column::ClosingEntry};
    return names;
}

}  // namespace

JournalRowReader::JournalRowReader(dao::Recordset& rs, Fields fields) : m_rs(rs), m_fields(rs.fieldNames())
{
    std::sort(m_fields.begin(), m_fields.end());
    // Each field is found once; the rows are read by position. The amounts
    // are what the books add up: a recordset without them (a field another
    // tool renamed) is refused by the field's name, never read as 0.
    for (const std::string& name : rowFieldNames()) {
        const bool required = name == rowFieldNames()[kDebitAmount] || name == rowFieldNames()[kCreditAmount];
        m_positions.push_back(
            required || std::binary_search(m_fields.begin(), m_fields.end(), name) ? rs.fieldPosition(name) : -1);
    }
    if (fields == Fields::LedgerLine)
        for (RowField unused : {kDebitClass, kCreditClass, kDebitSide, kBankCode, kBranchCode})
            m_positions[unused] = -1;
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

std::string JournalRowReader::textAt(std::size_t field) const
{
    std::string text;
    if (m_positions[field] >= 0)
        m_rs.getTextAt(m_positions[field], text);
    return text;
}

std::string JournalRowReader::debitCode() const
{
    return textAt(kDebitCode);
}
std::string JournalRowReader::creditCode() const
{
    return textAt(kCreditCode);
}

JournalRow JournalRowReader::read() const
{
    return read(textAt(kDebitCode), textAt(kCreditCode));
}

JournalRow JournalRowReader::read(std::string debitCode, std::string creditCode) const
{
    JournalRow row;
    row.debitCode = std::move(debitCode);
    row.creditCode = std::move(creditCode);
    if (m_positions[kDate] >= 0)
        row.date = m_rs.getAt(m_positions[kDate]).toDate();
    row.description = textAt(kDescription);
    row.partner = textAt(kPartner);
    row.debitName = textAt(kDebitName);
    row.creditName = textAt(kCreditName);
    row.debitClass = textAt(kDebitClass);
    row.creditClass = textAt(kCreditClass);
    if (m_positions[kDebitSide] >= 0)
        row.debitAccountSide = sideOf(m_rs.getAt(m_positions[kDebitSide]));
    if (m_positions[kDebitAmount] >= 0)
        row.debitAmount = amountOf(m_rs.getAt(m_positions[kDebitAmount]));
    if (m_positions[kCreditAmount] >= 0)
        row.creditAmount = amountOf(m_rs.getAt(m_positions[kCreditAmount]));
    row.bankCode = textAt(kBankCode);
    row.branchCode = textAt(kBranchCode);
    row.bankName = textAt(kBankName);
    row.branchName = textAt(kBranchName);
    row.closingEntry = m_positions[kClosing] >= 0 && m_rs.getAt(m_positions[kClosing]).toBool();
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

void readEachRow(dao::Recordset& rs, const std::function<void()>& visit)
{
    rs.ForEachRow([&] {
        try {
            visit();
        } catch (const dao::DaoError& e) {
            if (e.code() != dao::DaoError::Code::NoCurrentRecord)
                throw;
        }
    });
}

}  // namespace books
