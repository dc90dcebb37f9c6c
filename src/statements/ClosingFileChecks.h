#pragma once
// What the closing window requires of a period file before it computes, shows
// or writes anything: one settings row that holds a possible period, readable
// values in the settings, the chart, the tax rates and the bank accounts, and
// a statement class (大分類) on every account in use, so that each is placed
// in a statement. The fiscal-year rollover requires the same of the closed
// period's file before it carries anything into the next one.
// Each refusal throws dao::DaoError naming the file, the table, the row and
// the field.

#include <string>

namespace dao {
class Database;
class Recordset;
}  // namespace dao

namespace statements {

// The rows the checks read, each a recordset on the file at `path`.
struct ClosingFileRows {
    dao::Recordset& settings;      // 会計設定
    dao::Recordset& chart;         // Q_勘定科目コード表
    dao::Recordset& usedAccounts;  // Q_使用勘定科目表
    dao::Recordset& taxRates;      // Q_消費税率
    dao::Recordset& bankAccounts;  // Q_取引銀行
};

// Leaves each recordset on its first row.
void RequireClosingFile(const ClosingFileRows& rows, const std::string& path);

// The same checks on recordsets of their own, opened on `database`.
void RequireClosingFile(dao::Database& database);

}  // namespace statements
