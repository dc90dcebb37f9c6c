#pragma once
// The printed company settings " 会計 初期設定  ", its lines at print column 6:
// the company particulars, the
// fiscal period, the opening cash and deposits, every bank account, the
// consumption-tax settings and the tax-rate table. When a page is full the
// list goes on on a new page under the header again, the page number
// counting on; it ends with a new page.

#include "platform/dao/Recordset.h"
#include "setup/SetupPage.h"

#include <string>

namespace setup {

inline constexpr const char* kCompanySettingsTitle = " 会計 初期設定  ";

// The texts of a stored tax code ("" for a code outside the list).
std::string FilingStatusText(const dao::Value& code);  // 申告区分
std::string TaxMethodText(const dao::Value& code);     // 処理方法
std::string FractionRuleText(const dao::Value& code);  // 端数処理

// One bank-account line: 銀行名, 支店名 and 種別 left-set in 16 characters each,
// then 期首残高 with "##,###,###,##0".
std::string BankAccountPrintLine(const dao::Recordset& bankAccount);

// One line of the rate table: "yyyy/mm/dd" and " #0%"; "" for a row without a date.
std::string TaxRatePrintLine(const dao::Recordset& taxRate);

// `settings` stands on the settings row; the bank accounts and the rates are
// walked from their first rows and left at their ends (either may be null:
// nothing is listed under its heading).
void PrintCompanySettings(SetupPage& page, dao::Recordset& settings, dao::Recordset* bankAccounts,
                          dao::Recordset* taxRates);

}  // namespace setup
