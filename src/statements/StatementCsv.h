#pragma once
// The statement CSV files "貸借対照表.csv" (the balance-sheet accounts,
// 大分類 資産の部 / 負債の部 / 資本の部) and "損益計算書.csv" (大分類 経常損益),
// each account listed when its closing balance is not 0. Transposed: eight
// lines, one per kind of figure (the names, 期末残高, 予算管理, 前年決算残高,
// 前2 .. 前5決算残高), one item per account; every item in double quotes
// (RFC 4180: a quote inside a name doubled), the figures as plain digits;
// every line is written, 0 where an account has no figure, so each line keeps
// its meaning. A file with no listed account is empty. Shift-JIS (code page
// 932), CR LF.

#include "statements/StatementAccounts.h"

#include <optional>
#include <string>

namespace statements {

enum class CsvStatement { BalanceSheet, ProfitLoss };

inline constexpr const char* kBalanceSheetCsvName = "貸借対照表.csv";
inline constexpr const char* kProfitLossCsvName = "損益計算書.csv";

// The file's text, UTF-8 before its conversion.
std::string StatementCsvText(const StatementAccounts& accounts, CsvStatement statement);

// The text in code page 932; nullopt when a character cannot be written in it.
std::optional<std::string> ToCp932(const std::string& utf8);

// Writes both files into `folder` as a pair: both first to temporary files in
// the same folder, then both renamed over the old ones, so that a failed write
// (a full disk) replaces neither. Returns "" on success, else the message that
// says what failed (the account whose name Shift-JIS cannot hold, or the file
// that could not be written); nothing is then changed in the folder.
std::string WriteStatementCsvFiles(const StatementAccounts& accounts, const std::string& folder);

// The temporary file a CSV file is first written to: "<path>.tmp<process id>".
std::string CsvTemporaryPath(const std::string& path);

}  // namespace statements
