#include "journal/JournalRecord.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <algorithm>
#include <string_view>

namespace journal {

namespace {

std::optional<std::int64_t> amountOf(const dao::Value& amount)
{
    if (amount.isNull() || !amount.isNumeric())
        return std::nullopt;
    return amount.toInt64();
}

// FNV-1a over the parts of a row, each closed by a separator byte.
class Fingerprint {
public:
    void add(std::string_view text)
    {
        for (unsigned char c : text)
            byte(static_cast<unsigned char>(c));
        byte(0xff);
    }
    // The date as Date::isoText writes it ("" without one); a date of four
    // digits without a time of day is written here, without a formatting call.
    void add(const std::optional<dao::Date>& date)
    {
        if (!date)
            return add(std::string_view());
        const dao::Date& d = *date;
        if (d.hasTime() || d.year < 0 || d.year > 9999 || d.month < 0 || d.month > 99 || d.day < 0 || d.day > 99)
            return add(d.isoText());
        const char text[10] = {digit(d.year / 1000),
                               digit(d.year / 100),
                               digit(d.year / 10),
                               digit(d.year),
                               '-',
                               digit(d.month / 10),
                               digit(d.month),
                               '-',
                               digit(d.day / 10),
                               digit(d.day)};
        add(std::string_view(text, sizeof text));
    }
    void add(std::int64_t n)
    {
        for (int i = 0; i < 8; ++i)
            byte(static_cast<unsigned char>((static_cast<std::uint64_t>(n) >> (8 * i)) & 0xff));
        byte(0xfe);
    }
    void add(const std::optional<std::int64_t>& n)
    {
        if (n)
            add(*n);
        else
            byte(0xfd);
    }
    RowFingerprint value() const { return m_hash; }

private:
    static char digit(int n) { return static_cast<char>('0' + n % 10); }
    void byte(unsigned char c)
    {
        m_hash ^= c;
        m_hash *= 1099511628211ULL;
    }
    RowFingerprint m_hash = 14695981039346656037ULL;
};

}  // namespace

JournalFields::JournalFields(const dao::Recordset& rows, RecordKind kind, TaxColumns tax)
    : m_kind(kind), m_tax(tax), m_number(rows.fieldPosition(kind == RecordKind::Voucher ? schema::column::VoucherNumber
                                                                                        : schema::column::TemplateId)),
      m_rowNumber(rows.fieldPosition(schema::column::RowNumber)),
      m_closingEntry(rows.fieldPosition(schema::column::ClosingEntry)),
      m_description(rows.fieldPosition(schema::column::Description)),
      m_partner(rows.fieldPosition(schema::column::Partner)),
      m_debitCode(rows.fieldPosition(schema::column::DebitCode)),
      m_debitName(rows.fieldPosition(schema::column::AccountName)),
      m_debit(rows.fieldPosition(schema::column::DebitAmount)),
      m_creditCode(rows.fieldPosition(schema::column::CreditCode)),
      m_creditName(rows.fieldPosition(schema::column::AccountName2)),
      m_credit(rows.fieldPosition(schema::column::CreditAmount)),
      m_bankCode(rows.fieldPosition(schema::column::BankCode)),
      m_branchCode(rows.fieldPosition(schema::column::BranchCode)),
      m_bankName(rows.fieldPosition(schema::column::BankName)),
      m_branchName(rows.fieldPosition(schema::column::BranchName))
{
    if (kind == RecordKind::Voucher)
        m_date = rows.fieldPosition(schema::column::Date);
    if (tax == TaxColumns::Read) {
        m_debitClass = rows.fieldPosition(schema::column::MinorClass);
        m_creditClass = rows.fieldPosition(schema::column::MinorClass2);
        m_debitTaxable = rows.fieldPosition(schema::column::Taxable);
        m_debitSimplified = rows.fieldPosition(schema::column::SimplifiedTax);
        m_creditTaxable = rows.fieldPosition(schema::column::Taxable2);
        m_creditSimplified = rows.fieldPosition(schema::column::SimplifiedTax2);
    }
}

JournalRecord JournalFields::read(const dao::Recordset& rows) const
{
    JournalRecord row;
    read(rows, row);
    return row;
}

void JournalFields::read(const dao::Recordset& rows, JournalRecord& row) const
{
    rows.getTextAt(m_number, row.number);
    if (m_kind == RecordKind::Voucher)
        row.date = rows.getAt(m_date).toDate();
    const dao::Value rowNumber = rows.getAt(m_rowNumber);
    row.rowNumber = rowNumber.isNumeric() ? static_cast<int>(rowNumber.toInt64()) : 0;
    row.closingEntry = rows.getAt(m_closingEntry).toBool();
    rows.getTextAt(m_description, row.description);
    rows.getTextAt(m_partner, row.partner);
    rows.getTextAt(m_debitCode, row.debitCode);
    rows.getTextAt(m_debitName, row.debitName);
    row.debit = amountOf(rows.getAt(m_debit));
    rows.getTextAt(m_creditCode, row.creditCode);
    rows.getTextAt(m_creditName, row.creditName);
    row.credit = amountOf(rows.getAt(m_credit));
    rows.getTextAt(m_bankCode, row.bankCode);
    rows.getTextAt(m_branchCode, row.branchCode);
    rows.getTextAt(m_bankName, row.bankName);
    rows.getTextAt(m_branchName, row.branchName);
    if (m_tax == TaxColumns::Read) {
        rows.getTextAt(m_debitClass, row.debitClass);
        rows.getTextAt(m_creditClass, row.creditClass);
        row.debitTaxable = rows.getAt(m_debitTaxable).toBool();
        row.debitSimplified = rows.getAt(m_debitSimplified).toBool();
        row.creditTaxable = rows.getAt(m_creditTaxable).toBool();
        row.creditSimplified = rows.getAt(m_creditSimplified).toBool();
    }
}

JournalRecord ReadJournalRecord(dao::Recordset& rows, RecordKind kind, TaxColumns tax)
{
    return JournalFields(rows, kind, tax).read(rows);
}

std::vector<JournalRecord> ReadJournalRecords(dao::Recordset& rows, RecordKind kind, TaxColumns tax)
{
    std::vector<JournalRecord> records;
    if (rows.isEmpty())
        return records;
    const JournalFields fields(rows, kind, tax);
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext())
        records.push_back(fields.read(rows));
    rows.MoveFirst();
    return records;
}

std::vector<JournalRecord> ReadStoredRows(dao::Database& database, RecordKind kind, const std::string& number)
{
    if (number.find('\0') != std::string::npos)
        return {};
    // One text for every number, so that each read after the first is prepared already.
    const char* const sql = kind == RecordKind::Voucher
        ? "SELECT * FROM Q_仕訳台帳 WHERE 伝票番号 = ?1 ORDER BY 日付, 伝票番号, 追番"
        : "SELECT * FROM Q_仕訳定型台帳 WHERE 仕訳ID = ?1 ORDER BY 追番";
    auto rows = database.OpenSnapshot(sql, {dao::Value(number)});
    return ReadJournalRecords(*rows, kind);
}

RowFingerprint FingerprintOf(const JournalRecord& row)
{
    Fingerprint print;
    print.add(row.number);
    print.add(row.date);
    print.add(std::int64_t{row.rowNumber});
    print.add(std::int64_t{row.closingEntry ? 1 : 0});
    print.add(row.description);
    print.add(row.partner);
    print.add(row.debitCode);
    print.add(row.debit);
    print.add(row.creditCode);
    print.add(row.credit);
    print.add(row.bankCode);
    print.add(row.branchCode);
    return print.value();
}

std::vector<RowFingerprint> VoucherFingerprints(const std::vector<JournalRecord>& rows)
{
    std::vector<RowFingerprint> prints;
    prints.reserve(rows.size());
    for (const JournalRecord& row : rows)
        prints.push_back(FingerprintOf(row));
    std::sort(prints.begin(), prints.end());
    return prints;
}

}  // namespace journal
