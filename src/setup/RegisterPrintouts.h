#pragma once
// The printed registers of fixed assets " 会計 固定資産管理台帳  " (two lines
// per asset under two column headings) and of leases " 会計 リース物件台帳  "
// (one line per lease), each record followed by a gap. When the next record
// does not fit on the page, a new page begins under the header (and the
// fixed-asset headings) again, the page number counting on. Each ends with a
// new page; an empty register prints nothing at all. The recordset is left
// at its end.

#include "platform/dao/Recordset.h"
#include "setup/SetupPage.h"

#include <string>

namespace setup {

inline constexpr const char* kFixedAssetRegisterTitle = " 会計 固定資産管理台帳  ";
inline constexpr const char* kLeaseRegisterTitle = " 会計 リース物件台帳  ";

// The first heading names the rates in the order line 1 prints them.
inline constexpr const char* kFixedAssetHeading1 =
    "管理番号　 資産名称　　　　数量　勘定科目名 　取得年月日　　取得価格　　償却方法 耐用年　償却率 保証率 残存価格数";
inline constexpr const char* kFixedAssetHeading2 = "　　　　　 　　　　　　　　　　　減価償却費　管理部署　備考";

// Line 1: 管理番号, 名称, 数量, 勘定科目名, 取得年月日, 取得価格, 償却方法,
// 耐用年数, 償却率, 保証率, 残存価格.
std::string FixedAssetFirstLine(const dao::Recordset& asset);
// Line 2 after 32 blanks (so that, behind the margin, it begins after 38):
// 減価償却費, 使用部署名, 備考.
std::string FixedAssetSecondLine(const dao::Recordset& asset);
// A lease's one line: 契約番号, 物件名称, リース期間, 総額, リース料,
// リース会社, the start date, 使用部署, 備考. The start date is 取得年月日, the
// date the register shows and "更新" writes (購入日 keeps the date of "登録").
// It is wider than A4 portrait holds at
// 9 pt; the printer reduces the page as a whole until the line fits the paper.
std::string LeaseLine(const dao::Recordset& lease);

void PrintFixedAssetRegister(SetupPage& page, dao::Recordset& fixedAssets);
void PrintLeaseRegister(SetupPage& page, dao::Recordset& leases);

}  // namespace setup
