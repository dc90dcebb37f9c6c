#pragma once
// The printed template list " 会計 仕訳定型リスト  ", its lines at print
// column 6: one line per template
// row in the recordset's order, 78 rows a page under a header with the page
// number. It reads the template rows only (the template grid and its amounts
// are not touched), leaves the recordset on its first row and ends with a new
// page; an empty recordset prints nothing at all.

#include "platform/dao/Recordset.h"
#include "setup/SetupPage.h"

#include <string>

namespace setup {

inline constexpr const char* kTemplateListTitle = " 会計 仕訳定型リスト  ";
inline constexpr int kTemplateListPageLimit = 80;  // lines, the 3 of the header included

// "*" for a closing template, 追番, 摘要 (20 bytes), 取引先 (10), the debit
// account (20), 入金 (10 characters), the credit account (20), 出金 (10),
// 銀行名 (12) and 支店名 (12), one blank between every two.
std::string TemplatePrintLine(const dao::Recordset& templateRow);

void PrintTemplateList(SetupPage& page, dao::Recordset& templates);

}  // namespace setup
