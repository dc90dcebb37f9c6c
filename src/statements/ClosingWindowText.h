#pragma once
// The texts of the closing window's own labels: the title line, the
// consumption-tax status line and the rate it shows.

#include "platform/dao/Value.h"

#include <string>

namespace dao {
class Recordset;
}

namespace statements {

// "事業所名 第N期　自yyyy年mm月dd日　至yyyy年mm月dd日" (Label11).
std::string ClosingTitleLine(const dao::Value& companyName, const dao::Value& periodNumber, const dao::Value& first,
                             const dao::Value& last);

// The tax status line (Label10): "消費税：", the rate, "% ", then the texts of
// 申告区分, 処理方法, 消費税計算 and 端数処理 (codes compared as text; an
// unknown code adds nothing, anything but True in 消費税計算 "、手計算").
std::string TaxStatusLine(int rate, const std::string& filing, const std::string& method, bool automatic,
                          const std::string& fraction);

// The consumption-tax rate in whole percent on `d` from a recordset on
// Q_消費税率: the 税率 of the last rate row dated on or before the day; 0 when
// none is (an empty table too). The journal's rule.
int ClosingTaxRate(dao::Recordset& rates, const dao::Date& d);

}  // namespace statements
