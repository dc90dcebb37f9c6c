#include "registers/Depreciation.h"

#include "registers/StatutoryRates.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace o {

namespace {

using registers::DepreciationRules;
using registers::kRateScale;
using registers::RateUnits;

__extension__ using Wide = __int128;  // products of yen and rates, before the one rounding step

// base × numerator / denominator with the fraction dropped (all non-negative).
std::int64_t Fraction(std::int64_t base, std::int64_t numerator, std::int64_t denominator)
{
    return static_cast<std::int64_t>(static_cast<Wide>(base) * numerator / denominator);
}

enum class MethodKind { StraightLine, DecliningBalance, LumpSum, Unknown };

MethodKind KindOf(const std::string& method)
{
    if (method == "定額法")
        return MethodKind::StraightLine;
    if (method == "定率法")
        return MethodKind::DecliningBalance;
    if (method == "一括償却")
        return MethodKind::LumpSum;
    return MethodKind::Unknown;
}

// A rate in percent as hundred-thousandths of the base; nullopt outside 0..100 %.
std::optional<RateUnits> RateFromPercent(double percent)
{
    if (!std::isfinite(percent) || percent < 0 || percent > 100)
        return std::nullopt;
    return static_cast<RateUnits>(std::llround(percent * 1000.0));
}

// Everything the yearly charges depend on.
struct Plan {
    MethodKind method = MethodKind::Unknown;
    DepreciationRules rules = DepreciationRules::From2012;
    std::int64_t cost = 0;
    RateUnits rate = 0;
    RateUnits guarantee = 0;
    RateUnits revised = 0;
    int lifeYears = 0;
    int firstYearMonths = 12;  // months of the asset's first fiscal year
    int currentYear = 1;       // the asset's fiscal year that ends with PeriodEnd
    dao::Date periodStart;     // first day of that year
    std::int64_t memorandum = 1;
    std::int64_t oldLimitValue = 0;  // before 2007-04-01: the 5 % of the cost the old methods stop at

    bool oldRules() const { return rules == DepreciationRules::Before2007; }
};

// Whether the declining balance has switched to the revised rate, and its base.
struct SwitchState {
    bool switched = false;
    std::int64_t revisedBase = 0;  // the book value at the start of the first switched year
};

// Months the charge of the asset's fiscal year `year` covers: only the year of
// acquisition is prorated.
int MonthsCharged(const Plan& plan, int year)
{
    return year == 1 ? plan.firstYearMonths : 12;
}

// The first day of the asset's fiscal year `year` (year 1 began before the acquisition).
dao::Date YearStart(const Plan& plan, int year)
{
    const int yearsBack = plan.currentYear - year;
    dao::Date start{plan.periodStart.year - yearsBack, plan.periodStart.month, plan.periodStart.day};
    if (!start.isValid())  // 29 February in a common year
        start = dao::Date{start.year, start.month, 28};
    return start;
}

// Old methods, once the book value is down to 5 % of the cost: the 5 % less
// 1 yen is spread evenly over 60 months, from the year after the one that
// reached it, in fiscal years beginning on or after 2007-04-01 (earlier ones
// charged nothing more), until 1 yen remains.
std::int64_t OldRulesSpread(const Plan& plan, int year)
{
    if (YearStart(plan, year) < dao::Date{2007, 4, 1})
        return 0;
    return Fraction(std::max<std::int64_t>(plan.oldLimitValue - 1, 0), MonthsCharged(plan, year), 60);
}

// The switch to the revised rate happens in the first year whose start book
// value (walked from the cost) times the rate falls below the cost times the
// guarantee rate.
void DecideSwitch(const Plan& plan, std::int64_t walkedBookValue, SwitchState& state)
{
    if (plan.method != MethodKind::DecliningBalance || plan.oldRules() || state.switched)
        return;
    if (static_cast<Wide>(walkedBookValue) * plan.rate < static_cast<Wide>(plan.cost) * plan.guarantee) {
        state.switched = true;
        state.revisedBase = walkedBookValue;
    }
}

// The charge of the asset's fiscal year `year` from the book value at its start.
std::int64_t YearCharge(const Plan& plan, int year, std::int64_t startBookValue, const SwitchState& state)
{
    const std::int64_t months = MonthsCharged(plan, year);
    constexpr std::int64_t perYear = kRateScale * 12;
    const std::int64_t bookValue = std::max<std::int64_t>(startBookValue, 0);
    // The old methods charge down to 5 % of the cost, then spread the rest.
    const bool oldSpread = plan.oldRules() && plan.method != MethodKind::LumpSum && bookValue <= plan.oldLimitValue;
    std::int64_t floor = plan.memorandum;
    if (plan.oldRules() && !oldSpread && plan.method != MethodKind::LumpSum)
        floor = plan.oldLimitValue;
    std::int64_t charge = 0;
    switch (plan.method) {
    case MethodKind::StraightLine:
        if (oldSpread)
            charge = OldRulesSpread(plan, year);
        else if (plan.oldRules())
            charge = Fraction(plan.cost, std::int64_t{9} * plan.rate * months, 10 * perYear);
        else
            charge = Fraction(plan.cost, plan.rate * months, perYear);
        break;
    case MethodKind::DecliningBalance:
        if (oldSpread)
            charge = OldRulesSpread(plan, year);
        else if (state.switched)
            charge = Fraction(state.revisedBase, plan.revised * months, perYear);
        else
            charge = Fraction(bookValue, plan.rate * months, perYear);
        break;
    case MethodKind::LumpSum:
        if (year < plan.lifeYears)
            charge = plan.cost / plan.lifeYears;
        else if (year == plan.lifeYears)
            charge = startBookValue;  // the last year takes the rest
        break;
    case MethodKind::Unknown: break;
    }
    return std::clamp<std::int64_t>(charge, 0, std::max<std::int64_t>(startBookValue - floor, 0));
}

struct WalkResult {
    std::int64_t bookValue = 0;  // at the start of the current year
    SwitchState state;           // as decided for the current year
};

// Walks from the cost through the asset's earlier fiscal years to the start of
// the current one.
WalkResult WalkToCurrentYear(const Plan& plan)
{
    WalkResult walk{plan.cost, {}};
    for (int year = 1; year < plan.currentYear; ++year) {
        DecideSwitch(plan, walk.bookValue, walk.state);
        walk.bookValue -= YearCharge(plan, year, walk.bookValue, walk.state);
    }
    DecideSwitch(plan, walk.bookValue, walk.state);
    return walk;
}

enum class Routine { Period, ToDate };

struct Inputs {
    const dao::Date& periodStart;
    const dao::Date& periodEnd;
    const std::string& method;
    const dao::Date& acquiredOn;
    std::int64_t cost;
    double rate;
    std::int64_t residual;
    int lifeYears;
    double guaranteeRate;
};

Depreciation Refused(DepreciationOutcome outcome)
{
    Depreciation result;
    result.outcome = outcome;
    return result;
}

Depreciation Computed(std::int64_t amount, std::int64_t bookValue)
{
    return Depreciation{DepreciationOutcome::Computed, amount, bookValue};
}

Depreciation Compute(Routine routine, const Inputs& in)
{
    const auto rate = RateFromPercent(in.rate);
    const auto guarantee = RateFromPercent(in.guaranteeRate);
    if (!in.periodStart.isValid() || !in.periodEnd.isValid() || !in.acquiredOn.isValid()
        || in.periodEnd < in.periodStart || in.cost < 0 || !rate || !guarantee)
        return Refused(DepreciationOutcome::InvalidInput);

    Plan plan;
    plan.method = KindOf(in.method);
    plan.memorandum = plan.method == MethodKind::LumpSum ? 0 : 1;
    if (in.residual <= plan.memorandum)
        return Computed(0, in.residual);
    if (in.acquiredOn > in.periodEnd || plan.method == MethodKind::Unknown)
        return Computed(0, in.cost);
    if (in.lifeYears <= 0)
        return Refused(DepreciationOutcome::InvalidInput);

    plan.rules = registers::RulesFor(in.acquiredOn);
    plan.cost = in.cost;
    plan.rate = *rate;
    plan.guarantee = *guarantee;
    plan.lifeYears = in.lifeYears;
    if (plan.method == MethodKind::DecliningBalance && !plan.oldRules()) {
        const auto table = registers::StatutoryRatesFor(plan.rules, in.lifeYears);
        if (!table)
            return Refused(DepreciationOutcome::NoRule);
        plan.revised = table->revised;
    }
    // The old methods' limit: 95 % of the cost may be charged, so 5 % stays.
    plan.oldLimitValue = in.cost - Fraction(in.cost, 95, 100);

    // Calendar months from the month of acquisition to the month of PeriodEnd, both counted.
    const int monthCount =
        (in.periodEnd.year - in.acquiredOn.year) * 12 + (in.periodEnd.month - in.acquiredOn.month) + 1;
    plan.firstYearMonths = monthCount % 12 == 0 ? 12 : monthCount % 12;
    plan.currentYear = (monthCount - plan.firstYearMonths) / 12 + 1;
    plan.periodStart = in.periodStart;

    const WalkResult walk = WalkToCurrentYear(plan);
    if (routine == Routine::ToDate)
        return Computed(YearCharge(plan, plan.currentYear, walk.bookValue, walk.state), walk.bookValue);
    const std::int64_t amount = YearCharge(plan, plan.currentYear, in.residual, walk.state);
    return Computed(amount, in.residual - amount);
}

}  // namespace

Depreciation PeriodDepreciation(const dao::Date& PeriodStart, const dao::Date& PeriodEnd, const std::string& Method,
                                const dao::Date& AcquiredOn, std::int64_t Cost, double Rate, std::int64_t Residual,
                                int LifeYears, double GuaranteeRate)
{
    return Compute(Routine::Period,
                   {PeriodStart, PeriodEnd, Method, AcquiredOn, Cost, Rate, Residual, LifeYears, GuaranteeRate});
}

Depreciation DepreciationToDate(const dao::Date& PeriodStart, const dao::Date& PeriodEnd, const std::string& Method,
                                const dao::Date& AcquiredOn, std::int64_t Cost, double Rate, std::int64_t Residual,
                                int LifeYears, double GuaranteeRate)
{
    return Compute(Routine::ToDate,
                   {PeriodStart, PeriodEnd, Method, AcquiredOn, Cost, Rate, Residual, LifeYears, GuaranteeRate});
}

}  // namespace o
