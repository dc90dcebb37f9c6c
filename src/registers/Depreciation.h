#pragma once
// A fixed asset's depreciation for the current fiscal period, in whole yen.
//
// Both routines take the values of the asset's register record and return this
// period's depreciation with a book value beside it.
//
//   PeriodDepreciation: this period from the book value at its start
//     (`Residual`); the book value given is the one at the end of the period.
//   DepreciationToDate: walks from the acquisition to this period, year by year
//     from `Cost`; the book value given is the one at the start of the period.
//
// Methods (compared exactly): "定額法" straight line, "定率法" declining balance,
// "一括償却" lump sum. Rates are percent per year as the register holds them
// (20 for 0.200); they are read to three decimals of a percent.
//
// Rules (法人税法施行令 第48条, 第48条の2; the tables of the ministerial
// ordinance on useful lives, registers/StatutoryRates.h):
//   - The asset's fiscal years are counted by calendar months from the month of
//     acquisition to the month of `PeriodEnd`: the first year takes the months
//     up to the end of its fiscal year, every later year twelve. Only the year
//     of acquisition is prorated; every later year charges a full year's amount.
//   - Each year's charge is rounded once, fractions of a yen dropped, and never
//     takes the book value below its floor: 1 yen (the memorandum value), 0 for
//     "一括償却", 5 % of the cost for the old methods until they reach it.
//   - Acquisitions from 2007-04-01 on: "定額法" charges `Cost` × `Rate` each
//     year until 1 yen remains, the last year only what is left above it.
//     "定率法" charges the book value at the start of the year × `Rate` until
//     that falls below `Cost` × `GuaranteeRate`; from that year on it charges the
//     book value at the start of that first such year × the statutory revised
//     rate of the life (the 250 % table for acquisitions up to 2012-03-31, the
//     200 % table from 2012-04-01), the same each year, until 1 yen remains.
//   - Acquisitions before 2007-04-01 (旧定額法, 旧定率法): "定額法" charges
//     `Cost` × 0.9 × `Rate` and "定率法" the book value × `Rate`, until the book
//     value reaches 5 % of the cost (the year that reaches it charges only what
//     is left above it). From the next fiscal year, in fiscal years beginning on
//     or after 2007-04-01, the 5 % less 1 yen is spread evenly over 60 months
//     ((5 % − 1) × 12 / 60 a year, fractions dropped) until 1 yen remains.
//   - "一括償却": `Cost` / `LifeYears` in each of the first `LifeYears` fiscal years
//     whatever the month of acquisition, the last of them the rest; nothing after.
//   - An acquisition after `PeriodEnd` gives 0 with the book value `Cost`; a book
//     value at the start of the period at or below the memorandum value gives 0
//     (the book value `Residual`); an unknown method gives 0 with the book value
//     `Cost`.
//
// Refusals (nothing computed):
//   - NoRule: "定率法" from 2007-04-01 with a life the statutory table lacks
//     (2 to 50 years).
//   - InvalidInput: a useful life of 0 or less, a negative cost, a rate outside 0
//     to 100 %, or a period that ends before it starts.

#include "platform/dao/Value.h"

#include <cstdint>
#include <string>

namespace o {

enum class DepreciationOutcome { Computed, NoRule, InvalidInput };

struct Depreciation {
    DepreciationOutcome outcome = DepreciationOutcome::Computed;
    std::int64_t amount = 0;     // this period's depreciation, whole yen
    std::int64_t bookValue = 0;  // see above: at the period's end or start

    bool computed() const { return outcome == DepreciationOutcome::Computed; }
};

Depreciation PeriodDepreciation(const dao::Date& PeriodStart, const dao::Date& PeriodEnd, const std::string& Method,
                                const dao::Date& AcquiredOn, std::int64_t Cost, double Rate, std::int64_t Residual,
                                int LifeYears, double GuaranteeRate);

Depreciation DepreciationToDate(const dao::Date& PeriodStart, const dao::Date& PeriodEnd, const std::string& Method,
                                const dao::Date& AcquiredOn, std::int64_t Cost, double Rate, std::int64_t Residual,
                                int LifeYears, double GuaranteeRate);

}  // namespace o
