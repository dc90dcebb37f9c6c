#include "statements/ClosingWindowText.h"

#include "common/DateFormat.h"
#include "journal/TaxRateTable.h"

namespace statements {

std::string ClosingTitleLine(const dao::Value& companyName, const dao::Value& periodNumber, const dao::Value& first,
                             const dao::Value& last)
{
    return companyName.toText() + " 第" + periodNumber.toText() + "期　自" + o::FormatDate(first, o::kLabelDate)
        + "　至" + o::FormatDate(last, o::kLabelDate);
}

std::string TaxStatusLine(int rate, const std::string& filing, const std::string& method, bool automatic,
                          const std::string& fraction)
{
    std::string text = "消費税：" + std::to_string(rate) + "% ";
    if (filing == "1")
        text += "免税";
    else if (filing == "2")
        text += "簡易課税";
    else if (filing == "3")
        text += "原則課税";
    if (method == "1")
        text += "、外税";
    else if (method == "2")
        text += "、内税";
    else if (method == "3")
        text += "、別途入力";
    else if (method == "4")
        text += "、計算なし";
    text += automatic ? "、消費税自動計算" : "、手計算";
    if (fraction == "1")
        text += "、端数切捨て";
    else if (fraction == "2")
        text += "、四捨五入";
    else if (fraction == "3")
        text += "、切り上げ";
    return text;
}

int ClosingTaxRate(dao::Recordset& rates, const dao::Date& d)
{
    return journal::TaxRateOn(journal::ReadTaxRateTable(rates), d, true, false);
}

}  // namespace statements
