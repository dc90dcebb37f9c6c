#pragma once
// The printed partner list " 会計 取引先リスト  ", its lines at print column
// 6: two lines and a gap per partner in the recordset's order. When the next partner does not fit on the
// page, a new page begins under the header again, the page number counting
// on. Ends with a new page; an empty recordset prints nothing at all.

#include "platform/dao/Recordset.h"
#include "setup/SetupPage.h"

#include <string>

namespace setup {

inline constexpr const char* kPartnerListTitle = " 会計 取引先リスト  ";

// 取引先名 (27 bytes), 取引内容 (24), 取引先ランク (4), the closing day ("31日"
// in 4 characters) and the payment term ("30日後" in 6), blanks for a day or
// term of 0 or none.
std::string PartnerFirstPrintLine(const dao::Recordset& partner);
// 住所 (30 bytes), 代表者 (12), 電話番号 (12), メールアドレス (20).
std::string PartnerSecondPrintLine(const dao::Recordset& partner);

void PrintPartnerList(SetupPage& page, dao::Recordset& partners);

}  // namespace setup
