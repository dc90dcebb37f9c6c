#pragma once
// The texts of the ten rows of the entry grid, as plain values, and the amount
// arrays the window keeps beside them.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace journal {

inline constexpr int kGridRows = 10;

struct EntryRow {
    std::string description;    // Text1  摘要
    std::string partner;        // Combo11 取引先
    std::string debitAccount;   // Combo1 借方科目名
    std::string debitAmount;    // Text8  借方金額 (text as shown)
    std::string creditAccount;  // Combo7 貸方科目名
    std::string creditAmount;   // Text9  貸方金額
    std::string bank;           // Combo8 銀行名
    std::string branch;         // Combo9 支店名
};

using EntryRows = std::array<EntryRow, kGridRows>;

// DebitAmounts / CreditAmounts: elements 0 to 9 are the rows, element 10 is never used.
using AmountArray = std::array<std::int32_t, kGridRows + 1>;

// Name-to-code lookup of the window (FindCode): kind 2 debit account, 3 credit
// account, 4 bank, 5 branch; the empty text when the name is empty or not registered.
using CodeLookup = std::function<std::string(int kind, const std::string& name)>;

// A branch by its bank: the 支店コード of the branch named `branchName` among the
// branches of the bank `bankCode`; "" when either is empty or there is none.
// Two banks may each have a branch of the same name ("本店").
using BranchLookup = std::function<std::string(const std::string& bankCode, const std::string& branchName)>;

}  // namespace journal
