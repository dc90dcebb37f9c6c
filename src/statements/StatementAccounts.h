#pragma once
// The accounts in use as the statements read them: one row of
// Q_使用勘定科目表 each, in the query's order (the statement order), with the
// period figures last stored there.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dao {
class Database;
class Recordset;
}  // namespace dao

namespace statements {

struct StatementAccount {
    std::string code;                    // 勘定科目コード
    std::string name;                    // 勘定科目名
    int side = -1;                       // 借貸区分: 0 debit-natured, 1 credit-natured, -1 any other value or null
    std::string major;                   // 大分類 ("" when null)
    std::string middle;                  // 中分類
    std::string minor;                   // 小分類
    std::int64_t opening = 0;            // 期首残高 (a null reads 0, as every figure here)
    std::int64_t debitTotal = 0;         // 借方合計
    std::int64_t creditTotal = 0;        // 貸方合計
    std::int64_t net = 0;                // 期末貸借合計
    std::int64_t closing = 0;            // 期末残高
    std::int64_t budget = 0;             // 予算管理
    std::array<std::int64_t, 5> past{};  // 前年決算残高, 前2決算残高 .. 前5決算残高
};

using StatementAccounts = std::vector<StatementAccount>;

// Every row of a recordset on Q_使用勘定科目表 from its first; leaves it past its last row.
StatementAccounts ReadStatementAccounts(dao::Recordset& usedAccounts);

// The same from a snapshot of Q_使用勘定科目表 opened on `database`.
StatementAccounts ReadStatementAccounts(dao::Database& database);

}  // namespace statements
