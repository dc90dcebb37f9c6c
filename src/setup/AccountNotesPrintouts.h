#pragma once
// The printed description lists (code, name and 内容 of every account, 86 rows
// a page) and the industry account names (code and the seven industry names
// of every account of the master chart, 87 rows a page). Each switches edit
// mode off for the whole program and leaves it off, also when it prints
// nothing.

#include "platform/dao/Recordset.h"
#include "setup/SetupPage.h"

#include <string>

namespace setup {

inline constexpr const char* kUsedAccountNotesTitle = " 会計 使用勘定科目一覧表  ";
inline constexpr const char* kMasterAccountNotesTitle = " 会計 勘定科目一覧表（マスター台帳）  ";
inline constexpr const char* kIndustryAccountListTitle = " 会計 業種別勘定科目一覧表 ";
inline constexpr const char* kIndustryAccountHeading =
    "コード 　標準 　　 　　　販売業 　　　 　製造業 　 　　　建設業 　　 　　運送業 　　 　　医療 　　 　　　農業";

// " ", code (3 bytes), " ", name (14 bytes), " ", 内容 as it is.
std::string AccountNotesLine(const dao::Recordset& account);
// " ", code (8 bytes), the seven industry names (16 bytes each).
std::string IndustryAccountLine(const dao::Recordset& account);

// The descriptions of the master chart (box 7) and of the accounts in use (box 8).
void PrintMasterAccountNotes(SetupPage& page, dao::Recordset& accountMaster);
void PrintUsedAccountNotes(SetupPage& page, dao::Recordset& usedAccounts);
void PrintIndustryAccountList(SetupPage& page, dao::Recordset& accountMaster);

}  // namespace setup
