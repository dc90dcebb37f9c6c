#pragma once
// Turning a name typed or chosen in a field into its code, by a first-match
// search on the window's own recordsets.

#include "platform/dao/Recordset.h"

#include <string>

namespace o {

struct CodeSources {
    dao::Recordset* accounts = nullptr;  // Q_勘定科目コード表: 勘定科目名 -> 勘定科目コード
    dao::Recordset* banks = nullptr;     // Q_取引銀行: 銀行名 -> 銀行コード
    dao::Recordset* branches = nullptr;  // Q_使用銀行支店: 支店名 -> 支店コード
};

// Kinds 2 and 3 an account, 4 a bank, 5 a branch. Returns the code of the first
// row, from the recordset's first, whose name equals `name`, and leaves the
// recordset on that row. "" when the name is empty, the kind is not 2 to 5
// (the recordset is not moved), the recordset has no rows or no row has the name.
// A name with a quotation mark is searched for as it stands.
// Kind 5 finds the first branch of the name among every bank's branches: a
// branch code that is stored comes from FindBranchCode, never from kind 5.
std::string FindCode(const CodeSources& sources, int kind, const std::string& name);

// A branch by its bank and its name: two banks may each have a branch of the
// same name ("本店"). The 支店コード of the first row, from the recordset's
// first, whose 銀行コード is `bankCode` and whose 支店名 is `branchName` (a
// recordset on Q_使用銀行支店 or Q_支店コードﾏｽﾀｰ), leaving the recordset on
// that row; "" when either is empty, the recordset has no rows or none matches.
std::string FindBranchCode(dao::Recordset& branches, const std::string& bankCode, const std::string& branchName);

}  // namespace o
