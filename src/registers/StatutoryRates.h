#pragma once
// The statutory depreciation rates by useful life, as the ministerial ordinance
// on useful lives publishes them: the straight-line rate, the declining-balance
// rate, its revised rate and its guarantee rate.
//
// Rates are held exactly, in hundred-thousandths (0.334 is 33400, 0.06552 is
// 6552), so that every amount computed from them is exact to the yen.

#include "platform/dao/Value.h"

#include <cstdint>
#include <optional>
#include <span>

namespace registers {

// Parts of 100,000: the unit of every rate below.
using RateUnits = std::int32_t;
inline constexpr std::int64_t kRateScale = 100000;

// The depreciation rules an asset follows, chosen by its acquisition date.
enum class DepreciationRules {
    Before2007,  // acquired before 2007-04-01
    From2007,    // acquired 2007-04-01 to 2012-03-31 (declining balance at 250 %)
    From2012,    // acquired from 2012-04-01 on (declining balance at 200 %)
};

DepreciationRules RulesFor(const dao::Date& acquiredOn);

// One row of the tables, for assets acquired from 2007-04-01 on.
struct StatutoryRates {
    int lifeYears;
    RateUnits straightLine;      // 定額法の償却率
    RateUnits decliningBalance;  // 定率法の償却率
    RateUnits revised;           // 改定償却率; 0 where the table has none (2 years)
    RateUnits guarantee;         // 保証率; 0 where the table has none (2 years)
};

// The whole table of a rule set from 2007-04-01 on, lives 2 to 50 in order;
// empty for the rules before 2007-04-01.
std::span<const StatutoryRates> StatutoryRateTable(DepreciationRules rules);

// The row for a useful life; nullopt for a life the table lacks and for the
// rules before 2007-04-01.
std::optional<StatutoryRates> StatutoryRatesFor(DepreciationRules rules, int lifeYears);

// The 旧定率法 rate of a useful life, for assets acquired before 2007-04-01
// (別表第七 of the ordinance); nullopt for a life outside 2 to 50 years.
std::optional<RateUnits> OldDecliningBalanceRate(int lifeYears);

}  // namespace registers
