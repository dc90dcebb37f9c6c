#pragma once
// One row of the journal as the books read it: the stored columns and the
// joined account, class and bank names. Read once from the current row of a
// recordset on the journal query (or on one of its subsets), so the books work
// on plain values.

#include "platform/dao/Recordset.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace books {

struct JournalRow {
    std::optional<dao::Date> date;  // 日付
    std::string description;        // 摘要
    std::string partner;            // 取引先
    std::string debitCode;          // 借方コード
    std::string creditCode;         // 貸方コード
    std::string debitName;          // 勘定科目名
    std::string creditName;         // 勘定科目名2
    std::string debitClass;         // 小分類
    std::string creditClass;        // 小分類2
    std::optional<std::int64_t>
        debitAccountSide;           // 借貸区分 of the debit account; none when the row has no debit account
    std::int64_t debitAmount = 0;   // 入金
    std::int64_t creditAmount = 0;  // 出金
    std::string bankCode;           // 銀行コード
    std::string branchCode;         // 支店コード
    std::string bankName;           // 銀行名
    std::string branchName;         // 支店名
    bool closingEntry = false;      // 決算仕訳
};

// An amount as the books count it: a null, empty or unreadable amount is 0.
std::int64_t amountOf(const dao::Value& value);

// A normal side (借貸区分) as the books read it: 0 is the debit side; every
// other value, and none at all (a row without a debit account), is not.
// Null or non-numeric: none.
std::optional<std::int64_t> sideOf(const dao::Value& value);
bool isDebitNormal(const dao::Value& side);

// Reads journal rows from one recordset; the fields the recordset lacks stay
// at their defaults, except the amounts 入金 and 出金, without which it is
// refused (dao::DaoError naming the field). Which fields the recordset has is
// looked up once.
class JournalRowReader {
public:
    // What the rows are read for: every field, or those of a general-ledger
    // line (no classes, normal side or bank codes).
    enum class Fields { All, LedgerLine };
    explicit JournalRowReader(dao::Recordset& rs, Fields fields = Fields::All);
    JournalRow read() const;  // the current row
    // The current row whose codes the caller has read already.
    JournalRow read(std::string debitCode, std::string creditCode) const;
    std::string text(const char* field) const;  // one field of the current row, "" when absent
    bool flag(const char* field) const;
    std::string debitCode() const;   // 借方コード of the current row
    std::string creditCode() const;  // 貸方コード
private:
    bool has(const char* field) const;
    std::string textAt(std::size_t field) const;
    dao::Recordset& m_rs;
    std::vector<std::string> m_fields;
    std::vector<int> m_positions;  // by the order of the row's fields (JournalRow.cpp); -1 when absent
};

// Walks a recordset from its first row to its end. A row that is no longer
// there when it is read (deleted by another window) is skipped.
void forEachRow(dao::Recordset& rs, const std::function<void()>& visit);

// The same for a walk that only reads: the rows are read in one pass
// (Recordset::ForEachRow), through the same checks as a read by key; `visit`
// must neither move the recordset nor write through it. A recordset opened for
// a walk (Database::OpenRecordsetForWalk) takes its membership in this pass.
void readEachRow(dao::Recordset& rs, const std::function<void()>& visit);

}  // namespace books
