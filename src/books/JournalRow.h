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
    std::optional<dao::Date> date;        // 日付
    std::string description;              // 摘要
    std::string partner;                  // 取引先
    std::string debitCode;                // 借方コード
    std::string creditCode;               // 貸方コード
    std::string debitName;                // 勘定科目名
    std::string creditName;               // 勘定科目名2
    std::string debitClass;               // 小分類
    std::string creditClass;              // 小分類2
    std::optional<std::int64_t> debitAccountSide;   // 借貸区分 of the debit account; none when the row has no debit account
    std::int64_t debitAmount = 0;         // 入金
    std::int64_t creditAmount = 0;        // 出金
    std::string bankCode;                 // 銀行コード
    std::string branchCode;               // 支店コード
    std::string bankName;                 // 銀行名
    std::string branchName;               // 支店名
    bool closingEntry = false;            // 決算仕訳
};

// An amount as the books count it: a null, empty or unreadable amount is 0.
std::int64_t amountOf(const dao::Value& value);

// A normal side (借貸区分) as the books read it: 0 is the debit side; every
// other value, and none at all (a row without a debit account), is not.
// Null or non-numeric: none.
std::optional<std::int64_t> sideOf(const dao::Value& value);
bool isDebitNormal(const dao::Value& side);

// Reads journal rows from one recordset; the fields the recordset lacks stay
// at their defaults.
class JournalRowReader {
public:
    explicit JournalRowReader(dao::Recordset& rs);
    JournalRow read() const;                   // the current row
    std::string text(const char* field) const; // one field of the current row, "" when absent
    bool flag(const char* field) const;
private:
    bool has(const char* field) const;
    dao::Recordset& m_rs;
    std::vector<std::string> m_fields;
};

// Walks a recordset from its first row to its end. A row that is no longer
// there when it is read (deleted by another window) is skipped.
void forEachRow(dao::Recordset& rs, const std::function<void()>& visit);

}  // namespace books
