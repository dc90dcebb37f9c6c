#pragma once
// The Japanese era year of a date, from the era recordset (rows of
// "Q_年号コード" in ascending order of 年号, the era's first day).

#include "platform/dao/Recordset.h"
#include "platform/dao/Value.h"

#include <string>

namespace o {

// "令和元年" in an era's first calendar year, else "令和6年". The recordset is
// left on the era row found. "" when the date lies before the first era, the
// recordset is missing or has no rows.
std::string EraYearText(dao::Recordset* eras, const dao::Date& date);

// The same on the shared EraRecordset; "" for a value that is not a date.
std::string EraYearText(const dao::Date& date);
std::string EraYearText(const dao::Value& date);

}  // namespace o
