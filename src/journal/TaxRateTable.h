#pragma once
// The consumption-tax rate periods of the period file and the rate in force on a day.

#include "platform/dao/Value.h"

#include <vector>

namespace dao {
class Recordset;
}

namespace journal {

// One row of Q_消費税率: the rate period that begins on `from`.
struct TaxRatePeriod {
    dao::Date from;
    int rate = 0;            // 税率, whole percent
    int simplifiedRate = 0;  // 簡易税率, whole percent (税率 when the row has none)
};

using TaxRateTable = std::vector<TaxRatePeriod>;

// The rate in whole percent on the day `d`: the period with the latest 日付 on or
// before that day (a period applies from its first day on, whatever time of day
// `d` carries). 0 when not taxable or when no period has begun by then.
// The periods are expected in ascending order of 日付, as the query keeps them.
int TaxRateOn(const TaxRateTable& periods, const dao::Date& d, bool taxable, bool simplified);

// Reads every row of a recordset on Q_消費税率 (日付, 税率, 簡易税率) from its first
// row. A row whose 簡易税率 holds no value takes its 税率 as the simplified rate.
TaxRateTable ReadTaxRateTable(dao::Recordset& rates);

}  // namespace journal
