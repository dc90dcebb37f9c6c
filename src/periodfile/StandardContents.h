#pragma once
// The standard contents every prepared period file starts with: the eras, the
// deposit kinds, the consumption-tax rates, the chart of accounts with its
// industry account sets (and its credit-side copy), and a small bank and
// branch master.
//
// The chart is laid out so that the account code order is the statement
// order (the accounts in use are listed by code): balance-sheet accounts
// first (資産の部, 負債の部, 資本の部, each 中分類 and 小分類 together), then
// the profit-and-loss run (経常損益, 特別損益) with its 小分類 groups in
// statement order, then the closing classes (決算１ before 決算２) and 諸口
// last.

#include "periodfile/Sqlite.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

struct sqlite3;

namespace periodfile {

// The seven industry account sets, in the order of 会計設定.業種 (0..6).
inline constexpr int kIndustryCount = 7;
inline constexpr std::string_view kIndustryNameColumns[kIndustryCount] = {
    "標準勘定科目名",   "販売業勘定科目名", "製造業勘定科目名", "建設業勘定科目名",
    "運送業勘定科目名", "医療勘定科目名",   "農業勘定科目名",
};
inline constexpr std::string_view kIndustryUseColumns[kIndustryCount] = {
    "標準使用", "販売使用", "製造使用", "建設使用", "運送使用", "医療使用", "農業使用",
};

struct StandardAccount {
    std::string_view code;  // 3 digits
    std::string_view name;
    int side;                 // 借貸区分: 0 debit-natured, 1 credit-natured
    std::string_view major;   // 大分類
    std::string_view middle;  // 中分類
    std::string_view minor;   // 小分類
    bool taxable;             // 消費税
    bool inUse;               // 適用 (and the use flag of the standard set)
    bool nameLocked;          // 名称変更不可: the program looks the account up by this name
    bool manufacturing;       // in use in the manufacturing set (業種 2) even when not in use
};

// The standard chart, in code order.
std::span<const StandardAccount> standardChart();

// The account's name in an industry set (0..6): the standard name unless the
// industry calls it otherwise.
std::string_view industryAccountName(const StandardAccount& account, int industry);

// Whether the account is in use in an industry set (0..6).
bool industryAccountInUse(const StandardAccount& account, int industry);

// The code of a standard account by its name; throws std::out_of_range when
// the chart has no such account.
std::string_view standardAccountCode(std::string_view name);

// A value for insertRow: NULL, a whole number, a floating number or a text.
using SqlValue = sqlite::Value;

// Runs one statement with its ?1, ?2, ... bound to `values`; throws
// std::runtime_error with SQLite's message on failure.
void executeStatement(sqlite3* db, const std::string& sql, std::initializer_list<SqlValue> values);

// Inserts one row into a base table by column names; throws std::runtime_error
// with SQLite's message when the table or a column is missing or the row is
// refused.
using ColumnValue = std::pair<std::string_view, SqlValue>;
void insertRow(sqlite3* db, std::string_view table, std::span<const ColumnValue> values);
void insertRow(sqlite3* db, std::string_view table, std::initializer_list<ColumnValue> values);

// Fills a freshly created period file (schema present, tables empty) with the
// standard contents. Runs inside the caller's transaction; throws
// std::runtime_error on failure.
void insertStandardContents(sqlite3* db);

}  // namespace periodfile
