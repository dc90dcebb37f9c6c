#pragma once
// The rows of the bank master (Q_銀行コードﾏｽﾀｰ) and the branch master
// (Q_支店コードﾏｽﾀｰ) as the bank master window shows them: the values of one
// row, and its line in the window's list.

#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <optional>
#include <string>
#include <string_view>

namespace registers {

struct BankRow {
    std::string code;          // 銀行コード
    std::string name;          // 銀行名
    std::string transferName;  // 振込銀行名
    bool inUse = false;        // 使用銀行

    bool operator==(const BankRow&) const = default;
};

// The branch's own values; the bank's name is joined from the bank master.
struct BranchRow {
    std::string bankCode;      // 銀行コード
    std::string code;          // 支店コード: the bank code and a 3-character branch number
    std::string name;          // 支店名
    std::string transferName;  // 振込支店名
    bool inUse = false;        // 使用支店

    bool operator==(const BranchRow&) const = default;
};

// The current row of a recordset on the bank or branch master.
BankRow ReadBankRow(const dao::Recordset& banks);
BranchRow ReadBranchRow(const dao::Recordset& branches);

// The bank or branch that holds a code now, read afresh from the period file
// (rows another window or program added or changed included); nullopt when
// none does.
std::optional<BankRow> FindBankByCode(dao::Database& database, const std::string& code);
std::optional<BranchRow> FindBranchByCode(dao::Database& database, const std::string& code);

// The last 3 characters of a branch code (the whole code when shorter).
std::string BranchNumberOf(std::string_view branchCode);

// 銀行コード 8 bytes, 銀行名 30, 振込銀行名 22 and the in-use mark ("○" or two
// blanks), joined by single blanks.
std::string BankListLine(const BankRow& bank);

// 銀行名 16 bytes, the branch number 8, 支店名 26, 振込支店名 22 and the in-use
// mark, joined by single blanks.
std::string BranchListLine(const BranchRow& branch, const std::string& bankName);

}  // namespace registers
