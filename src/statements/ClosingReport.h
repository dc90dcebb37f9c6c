#pragma once
// The printed closing report "決算報告書": a cover page, the chosen statements
// (each without the company line of its page header) and a closing block with
// the report sentence, the report date and the representative, in this fixed
// order, in one print document.

#include "platform/dao/Value.h"
#include "platform/printing/PrinterDevice.h"
#include "statements/StatementAccounts.h"
#include "statements/StatementSettings.h"

#include <string>

namespace dao {
class Recordset;
}

namespace statements {

struct ClosingReportChoices {
    int paperSize = 9;               // 13 for "Ｂ５サイズ"; has no effect on the output
    bool cover = false;              // 表紙
    bool balanceSheet = false;       // 貸借対照表
    bool accountForm = true;         // 表形式 (else 報告書形式)
    bool profitLoss = false;         // 損益計算書
    bool sgaBreakdown = false;       // 販売費及び一般管理費内訳書 (the statement then shows one SG&A line)
    bool manufacturingCost = false;  // 製造原価報告書（製造業）
    bool closingBlock = false;       // 報告文、代表者名
};

// A date of the report: in era form (元号) the era year of the date cut to its
// first five characters and "mm月dd日", otherwise "yyyy年mm月dd日". `eras` is a
// recordset on Q_年号コード; "" for a date that is not set.
std::string ClosingReportDate(const std::optional<dao::Date>& date, bool eraForm, dao::Recordset* eras);

// Prepares the printer, prints the chosen pieces and ends the document.
void PrintClosingReport(printing::PrinterDevice& device, const StatementSettings& settings,
                        const StatementAccounts& accounts, const ClosingReportChoices& choices, const dao::Date& now,
                        dao::Recordset* eras);

}  // namespace statements
