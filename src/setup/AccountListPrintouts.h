#pragma once
// The printed master account list " 会計 勘定科目一覧表（マスター台帳）" and the
// used account list " 会計 使用勘定科目一覧表": classes, code, name, balances,
// the in-use mark (master list only) and the side mark of every account, 84
// rows a page. Neither reads nor changes edit mode.

#include "platform/dao/Recordset.h"
#include "setup/SetupPage.h"

#include <string>

namespace setup {

inline constexpr const char* kMasterAccountListTitle = " 会計 勘定科目一覧表（マスター台帳）";
inline constexpr const char* kUsedAccountListTitle = " 会計 使用勘定科目一覧表";

std::string MasterAccountHeading();  // 29 full-width blanks and the column names
std::string UsedAccountHeading();    // 30 full-width blanks and the column names

// The class columns of the account lists: 大分類 (10 bytes), 中分類 (10) and
// 小分類 (18), each printed only when it differs from the one this list
// printed last (also across pages); a missing class prints blanks and is not
// remembered.
class AccountClassColumns {
public:
    std::string next(const dao::Recordset& account);

private:
    std::string m_last[3];
};

// After the class columns: code (3 bytes), name (14), 期首残高, the in-use mark
// "○"/"　" (master list only), the side mark "　□－　" (debit) or "　－□　",
// 借方合計, 貸方合計, 期末残高 (amounts in 12 characters).
std::string AccountListRowLine(const dao::Recordset& account, bool withInUseMark);

void PrintMasterAccountList(SetupPage& page, dao::Recordset& accountMaster);
void PrintUsedAccountList(SetupPage& page, dao::Recordset& usedAccounts);

}  // namespace setup
