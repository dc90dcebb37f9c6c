#pragma once
// The caption of a work window: the company name 事業所名, " 第", the period
// number 会計年度, "期　会計 " and the window's title. The company part is left
// out when the name is empty or null.

#include "platform/dao/Recordset.h"
#include "platform/dao/Value.h"

#include <string>

namespace o {

std::string FormCaption(const dao::Value& companyName, const dao::Value& periodNumber, const std::string& title);

// The caption from the current row of the window's recordset on 会計設定.
std::string SetFormCaption(dao::Recordset& settings, const std::string& title);

}  // namespace o
