#pragma once
// The company's bank accounts with their opening balances (Q_取引銀行), kept on
// the tab "期首残高設定": the checks of the boxes, adding an account, writing
// the boxes over the account of a chosen line and deleting it, each in one
// transaction. A bank account is its bank, branch and deposit kind: the bank
// books cannot tell two accounts of the same three apart, so a second one is
// refused. The branch is found among the branches of the chosen bank.

#include "setup/ShownRecords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace dao {
class Database;
class Recordset;
class Workspace;
}  // namespace dao

namespace setup {

inline constexpr const char* kBankAccountWhat = "取引銀行";
inline constexpr const char* kBankAccountBoxEmpty = "テキストボックスに入力してください";
inline constexpr const char* kBankAccountBalanceNotNumber = "金額欄が数値でありません";
inline constexpr const char* kBankNotRegistered = "銀行が登録されていません";
inline constexpr const char* kBranchNotRegistered = "支店が登録されていません";
inline constexpr const char* kDepositKindWrong = "預金種別が正しくありません";
inline constexpr const char* kBankAccountExists = "同じ銀行、支店、種別の口座が既に登録されています";
inline constexpr const char* kDeleteBankAccountTitle = "取引銀行";

// The boxes of the part "取引銀行名、支店名、期首残高登録".
struct BankAccountBoxes {
    std::string bank;            // Combo2(0) 銀行名
    std::string branch;          // Combo2(1) 支店名
    std::string kind;            // Combo2(2) 種別
    std::string openingBalance;  // Text3(0) 期首残高
};

struct BankAccount {
    std::string bankCode;
    std::string branchCode;
    std::string kind;
    std::int32_t openingBalance = 0;
};

// The checks every button makes first, in this order: a box empty; the balance
// not a number (or out of range); the bank not among the banks in use; the
// branch not among the branches in use of that bank; the kind not in 預金種別.
// The message of the first that fails, or the account the boxes name.
std::variant<std::string, BankAccount> CheckBankAccountBoxes(const BankAccountBoxes& boxes, dao::Recordset& banksInUse,
                                                             dao::Recordset& branchesInUse,
                                                             dao::Recordset& depositKinds);

// The question "削除" asks, naming the account of the recordset's current row.
std::string DeleteBankAccountQuestion(const dao::Recordset& accounts);

// "登録": 銀行コード, 支店コード, 種別, 期首残高, with 現残高 and 期末残高 0;
// refused when the account exists already.
std::optional<std::string> RegisterBankAccount(dao::Workspace& ws, dao::Database& db, const BankAccount& account);

// "更新": the same fields over the account of the line, except that 現残高
// (stored by the bank books) stays as it is; refused when another account is
// the one the boxes name.
std::optional<std::string> UpdateBankAccount(dao::Workspace& ws, dao::Database& db, const ShownLine& line,
                                             const BankAccount& account);

std::optional<std::string> DeleteBankAccount(dao::Workspace& ws, dao::Database& db, const ShownLine& line);

}  // namespace setup
