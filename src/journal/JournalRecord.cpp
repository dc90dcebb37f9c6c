#include "journal/JournalRecord.h"

#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <algorithm>

namespace journal {

namespace {

std::optional<std::int64_t> amountOf(const dao::Value& amount)
{
    if (amount.isNull() || !amount.isNumeric())
        return std::nullopt;
    return amount.toInt64();
}

// A text as an SQL literal: in quotes, a quote doubled. SQLite knows no other
// escape, so nothing in the text can leave the literal.
std::string sqlTextLiteral(const std::string& text)
{
    std::string literal = "'";
    for (char c : text) {
        literal += c;
        if (c == '\'')
            literal += '\'';
    }
    return literal + "'";
}

// FNV-1a over the parts of a row, each closed by a separator byte.
class Fingerprint {
public:
    void add(const std::string& text)
    {
        for (unsigned char c : text)
            byte(c);
        byte(0xff);
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
    void byte(unsigned char c)
    {
        m_hash ^= c;
        m_hash *= 1099511628211ULL;
    }
    RowFingerprint m_hash = 14695981039346656037ULL;
};

}  // namespace

JournalRecord ReadJournalRecord(dao::Recordset& rows, RecordKind kind, TaxColumns tax)
{
    JournalRecord row;
    if (kind == RecordKind::Voucher) {
        row.number = rows.get("伝票番号").toText();
        row.date = rows.get("日付").toDate();
    } else {
        row.number = rows.get("仕訳ID").toText();
    }
    const dao::Value rowNumber = rows.get("追番");
    row.rowNumber = rowNumber.isNumeric() ? static_cast<int>(rowNumber.toInt64()) : 0;
    row.closingEntry = rows.get("決算仕訳").toBool();
    row.description = rows.get("摘要").toText();
    row.partner = rows.get("取引先").toText();
    row.debitCode = rows.get("借方コード").toText();
    row.debitName = rows.get("勘定科目名").toText();
    row.debit = amountOf(rows.get("入金"));
    row.creditCode = rows.get("貸方コード").toText();
    row.creditName = rows.get("勘定科目名2").toText();
    row.credit = amountOf(rows.get("出金"));
    row.bankCode = rows.get("銀行コード").toText();
    row.branchCode = rows.get("支店コード").toText();
    row.bankName = rows.get("銀行名").toText();
    row.branchName = rows.get("支店名").toText();
    if (tax == TaxColumns::Read) {
        row.debitClass = rows.get("小分類").toText();
        row.creditClass = rows.get("小分類2").toText();
        row.debitTaxable = rows.get("消費税").toBool();
        row.debitSimplified = rows.get("簡易課税").toBool();
        row.creditTaxable = rows.get("消費税2").toBool();
        row.creditSimplified = rows.get("簡易課税2").toBool();
    }
    return row;
}

std::vector<JournalRecord> ReadJournalRecords(dao::Recordset& rows, RecordKind kind, TaxColumns tax)
{
    std::vector<JournalRecord> records;
    if (rows.isEmpty())
        return records;
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext())
        records.push_back(ReadJournalRecord(rows, kind, tax));
    rows.MoveFirst();
    return records;
}

std::vector<JournalRecord> ReadStoredRows(dao::Database& database, RecordKind kind, const std::string& number)
{
    if (number.find('\0') != std::string::npos)
        return {};
    const std::string sql =
        kind == RecordKind::Voucher
            ? "SELECT * FROM Q_仕訳台帳 WHERE 伝票番号 = " + sqlTextLiteral(number) + " ORDER BY 日付, 伝票番号, 追番"
            : "SELECT * FROM Q_仕訳定型台帳 WHERE 仕訳ID = " + sqlTextLiteral(number) + " ORDER BY 追番";
    auto rows = database.OpenRecordset(sql, dao::RecordsetType::Snapshot);
    return ReadJournalRecords(*rows, kind);
}

RowFingerprint FingerprintOf(const JournalRecord& row)
{
    Fingerprint print;
    print.add(row.number);
    print.add(row.date ? row.date->isoText() : std::string());
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
