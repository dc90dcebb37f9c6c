#pragma once
// Registering, updating and deleting an account of the master chart, each in
// one transaction together with the rebuild of the chart's credit-side copy
// (Q_勘定科目コード表2, whose names the journal and template queries show for
// the credit account). A refusal comes back as its message and writes
// nothing; a failure of the database throws dao::DaoError after the whole
// transaction has been rolled back.
//
// An update or a delete acts on the account a list line showed: the caller
// passes what the line showed (its fingerprint of AccountComparedFields), and
// the write reads the account again inside its transaction, once it holds the
// file, and refuses it when it is gone or shows anything else now.

#include "setup/ShownRecords.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace setup {

// What the edit row of the tab holds.
struct AccountEdit {
    std::string code;
    std::string name;
    std::int32_t amount = 0;  // into the balance column `column`
    int column = 0;           // Option7: 0 期首残高 .. 6 予算管理
    int side = 0;             // 借貸区分: 0 debit, 1 credit
    bool inUse = false;       // 適用
    bool taxable = false;     // 消費税
    bool simplified = false;  // 簡易課税
    bool bothSides = false;   // 相方有無 (update only: registering takes the model account's)
};

// Whether the master chart holds the code (looked up afresh in the file).
bool AccountCodeExists(dao::Database& db, const std::string& code);

// A new account modelled on the account `modelCode` (its classes and 相方有無);
// its name also goes into the name column of the company's industry.
std::optional<std::string> RegisterAccount(dao::Workspace& ws, dao::Database& db, const AccountEdit& edit,
                                           const std::string& modelCode);

// Writes the edit row over the account of `edit.code`, shown as `shown`;
// an account of the class "現金預金" also brings 期首現金残高 and 期首預金残高 of
// 会計設定 up to date, and a new name carries to the bank accounts and deposit
// kinds that named the old one (CarryDepositKindNames), all in the one
// transaction.
std::optional<std::string> UpdateAccount(dao::Workspace& ws, dao::Database& db, const ShownLine& shown,
                                         const AccountEdit& edit);

// Why the account may not be deleted: a journal or template row, a fixed asset
// or a lease uses its code, a bank account's 種別 is its name, or a balance
// column is not zero. nullopt when nothing holds it.
std::optional<std::string> AccountDeleteRefusal(dao::Database& db, const std::string& code);

std::optional<std::string> DeleteAccount(dao::Workspace& ws, dao::Database& db, const std::string& code,
                                         const ShownLine& shown);

// The company's bank accounts (取引銀行) name their deposit kind (種別) by the
// deposit account's name, and the bank books find their rows by it: every
// bank account and deposit kind (預金種別) that names an old name of
// `renames` (old name -> new name) takes the new one. Runs inside the
// caller's transaction.
void CarryDepositKindNames(dao::Database& db, const std::map<std::string, std::string>& renames);

// Empties Q_勘定科目コード表2 and copies the seven columns of every master row
// into it, in the master's order. Runs inside the caller's transaction.
void RebuildAccountCopy(dao::Database& db);

// RebuildAccountCopy as a transaction of its own.
void CopyAccountMaster(dao::Workspace& ws, dao::Database& db);

inline constexpr const char* kAccountVanished =
    "選択された勘定科目が見つかりません。他で変更された可能性があります。もう一度選択してください";
inline constexpr const char* kAccountChanged =
    "選択された勘定科目は他で変更されています。一覧を読み直しましたので、もう一度選択してください";
inline constexpr const char* kAccountCodeTaken = "勘定科目コードが登録済みです";

}  // namespace setup
