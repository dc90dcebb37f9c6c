#pragma once
// A branch named in a register is always looked up by its bank and its name:
// two banks may each have a branch of the same name ("本店").

#include "platform/dao/Recordset.h"

#include <string>

namespace registers {

// The 支店コード of the first row, from the recordset's first, whose 銀行コード
// is `bankCode` and whose 支店名 is `branchName` (a recordset on
// Q_使用銀行支店 or Q_支店コードﾏｽﾀｰ), leaving the recordset on that row. ""
// when either is empty or no row matches.
std::string FindBranchCode(dao::Recordset& branches, const std::string& bankCode, const std::string& branchName);

}  // namespace registers
