#pragma once
// One row of the journal Q_仕訳台帳, or of the templates Q_仕訳定型台帳, which
// keep the journal's layout under a 仕訳ID and without a date, as every reader
// of those rows sees it: the journal and template lists, the voucher and
// template recall, the voucher store, the month-end run, the payroll templates
// and the printed journal all read a row through ReadJournalRecord.

#include "platform/dao/Value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dao {
class Database;
class Recordset;
}  // namespace dao

namespace journal {

// Which of the two layouts a recordset holds.
enum class RecordKind { Voucher, Template };
enum class TaxColumns { Skip, Read };

struct JournalRecord {
    std::string number;                  // 伝票番号, or 仕訳ID of a template
    std::optional<dao::Date> date;       // 日付 (a template has none)
    int rowNumber = 0;                   // 追番 (0 when null)
    bool closingEntry = false;           // 決算仕訳
    std::string description;             // 摘要
    std::string partner;                 // 取引先
    std::string debitCode;               // 借方コード
    std::string debitName;               // 勘定科目名 (joined)
    std::optional<std::int64_t> debit;   // 入金 (nullopt when null or not a number)
    std::string creditCode;              // 貸方コード
    std::string creditName;              // 勘定科目名2 (joined)
    std::optional<std::int64_t> credit;  // 出金
    std::string bankCode;                // 銀行コード
    std::string branchCode;              // 支店コード
    std::string bankName;                // 銀行名 (joined)
    std::string branchName;              // 支店名 (joined)

    // The joined tax columns, read only when asked for (the month-end run).
    std::string debitClass;         // 小分類
    std::string creditClass;        // 小分類2
    bool debitTaxable = false;      // 消費税 (null reads false)
    bool debitSimplified = false;   // 簡易課税
    bool creditTaxable = false;     // 消費税2
    bool creditSimplified = false;  // 簡易課税2
};

// The positions of a row's fields in one recordset, found once for a walk
// over its rows (throws dao::DaoError when a field is missing).
class JournalFields {
public:
    JournalFields(const dao::Recordset& rows, RecordKind kind, TaxColumns tax = TaxColumns::Skip);
    // The current row of the recordset the positions were found in.
    JournalRecord read(const dao::Recordset& rows) const;
    // The same into `row`, whose texts keep their room for the next row of a walk.
    void read(const dao::Recordset& rows, JournalRecord& row) const;

private:
    RecordKind m_kind;
    TaxColumns m_tax;
    int m_number, m_date = -1, m_rowNumber, m_closingEntry, m_description, m_partner, m_debitCode, m_debitName, m_debit,
                  m_creditCode, m_creditName, m_credit, m_bankCode, m_branchCode, m_bankName, m_branchName;
    int m_debitClass = -1, m_creditClass = -1, m_debitTaxable = -1, m_debitSimplified = -1, m_creditTaxable = -1,
        m_creditSimplified = -1;
};

// Reads the current row of a recordset on Q_仕訳台帳 (or a query with its
// columns) or on Q_仕訳定型台帳.
JournalRecord ReadJournalRecord(dao::Recordset& rows, RecordKind kind = RecordKind::Voucher,
                                TaxColumns tax = TaxColumns::Skip);

// Every row of the recordset, from its first; leaves it on its first row.
std::vector<JournalRecord> ReadJournalRecords(dao::Recordset& rows, RecordKind kind = RecordKind::Voucher,
                                              TaxColumns tax = TaxColumns::Skip);

// The rows that the file holds now under one voucher number (or template id),
// in the order of their saved query; read afresh, never through a recordset
// opened earlier, so rows another window or program has added, changed or
// deleted since are seen as they are.
std::vector<JournalRecord> ReadStoredRows(dao::Database& database, RecordKind kind, const std::string& number);

// A fingerprint of what a row stores (its number, date, row number, closing
// mark, texts, codes and amounts; not the joined names): two rows with equal
// fingerprints store the same.
using RowFingerprint = std::uint64_t;
RowFingerprint FingerprintOf(const JournalRecord& row);

// The fingerprints of a voucher's rows, sorted: equal for two reads of a
// voucher that nobody changed in between, whatever order the rows came in.
std::vector<RowFingerprint> VoucherFingerprints(const std::vector<JournalRecord>& rows);

}  // namespace journal
