#pragma once
// Rows the test fixtures put into a period file: a chart of accounts of their
// own (both copies of the chart) and journal rows.

#include "platform/dao/Database.h"
#include "platform/dao/Value.h"

#include <span>
#include <string>

namespace testsupport {

struct ChartAccount {
    const char* code;
    const char* name;
    int side;            // 借貸区分
    const char* major;   // 大分類, nullptr for none
    const char* middle;  // 中分類, nullptr for none
    const char* minor;   // 小分類
    dao::Value opening;  // 期首残高
    bool inUse = true;   // 適用
};

// Empties 勘定科目コード表 and 勘定科目コード表2 and puts `accounts` into both.
inline void ReplaceChart(dao::Database& db, std::span<const ChartAccount> accounts)
{
    const auto text = [](const char* value) { return value ? dao::Value(std::string(value)) : dao::Value(); };
    db.Execute("DELETE FROM \"勘定科目コード表\"");
    db.Execute("DELETE FROM \"勘定科目コード表2\"");
    for (const ChartAccount& a : accounts) {
        db.Execute("INSERT INTO \"勘定科目コード表\" (\"勘定科目コード\", \"勘定科目名\", \"借貸区分\", \"大分類\", "
                   "\"中分類\","
                   " \"小分類\", \"期首残高\", \"適用\") VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                   {a.code, a.name, a.side, text(a.major), text(a.middle), text(a.minor), a.opening, a.inUse ? 1 : 0});
        db.Execute("INSERT INTO \"勘定科目コード表2\" (\"勘定科目コード2\", \"勘定科目名2\", \"大分類2\", \"中分類2\", "
                   "\"小分類2\")"
                   " VALUES (?, ?, ?, ?, ?)",
                   {a.code, a.name, text(a.major), text(a.middle), text(a.minor)});
    }
}

// One journal row (追番 1).
struct JournalRow {
    std::string date;  // "YYYY-MM-DD", "" for none
    std::string voucher;
    std::string debitCode;
    dao::Value debitAmount;
    std::string creditCode;
    dao::Value creditAmount;
    std::string description;
    std::string partner;
    std::string bankCode;
    std::string branchCode;
    bool closing = false;
};

inline void AddJournalRow(dao::Database& db, const JournalRow& r)
{
    db.Execute(
        "INSERT INTO \"仕訳台帳\" (\"日付\", \"伝票番号\", \"追番\", \"摘要\", \"取引先\", \"借方コード\", \"入金\","
        " \"貸方コード\", \"出金\", \"銀行コード\", \"支店コード\", \"決算仕訳\")"
        " VALUES (?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {r.date.empty() ? dao::Value() : dao::Value(r.date), r.voucher, r.description, r.partner, r.debitCode,
         r.debitAmount, r.creditCode, r.creditAmount, r.bankCode, r.branchCode, r.closing ? 1 : 0});
}

}  // namespace testsupport
