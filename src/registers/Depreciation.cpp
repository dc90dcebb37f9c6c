#include "registers/Depreciation.h"

#include "common/o.h"
#include "registers/StatutoryRates.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace o {

namespace {

using registers::DepreciationRules;
using registers::kRateScale;
using registers::RateUnits;

__extension__ using Wide = __int128;   // products of yen and rates, before the one rounding step

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
    int firstYearMonths = 12;   // months of the asset's first fiscal year
    int lifeEndYear = 0;        // the asset's fiscal year in which its life ends
    int lastYearMonths = 0;     // months of the life in that year (0 after a full first year)
    int currentYear = 1;        // the asset's fiscal year that ends with PeriodEnd
    std::int64_t memorandum = 1;

    bool endsWithLife() const { return rules != DepreciationRules::Before2007 && method != MethodKind::LumpSum; }
};

// Whether the declining balance has switched to the revised rate, and its base.
struct SwitchState {
    bool switched = false;
    std::int64_t revisedBase = 0;   // the book value at the start of the first switched year
};

// Months the charge of the asset's fiscal year `year` covers.
int MonthsCharged(const Plan& plan, int year)
{
    if (year == 1)
        return plan.firstYearMonths;
    if (plan.endsWithLife()) {
        if (year > plan.lifeEndYear)
            return 0;
        if (year == plan.lifeEndYear)
            return plan.lastYearMonths;
    }
    return 12;
}

// The switch to the revised rate happens in the first year whose start book
// value (walked from the cost) times the rate falls below the cost times the
// guarantee rate.
void DecideSwitch(const Plan& plan, std::int64_t walkedBookValue, SwitchState& state)
{
    if (plan.method != MethodKind::DecliningBalance || plan.rules == DepreciationRules::Before2007 || state.switched)
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
    std::int64_t charge = 0;
    switch (plan.method) {
    case MethodKind::StraightLine:
        charge = plan.rules == DepreciationRules::Before2007
                     ? Fraction(plan.cost, 9 * plan.rate * months, 10 * perYear)
                     : Fraction(plan.cost, plan.rate * months, perYear);
        break;
    case MethodKind::DecliningBalance:
        charge = state.switched ? Fraction(state.revisedBase, plan.revised * months, perYear)
                                : Fraction(std::max<std::int64_t>(startBookValue, 0), plan.rate * months, perYear);
        break;
    case MethodKind::LumpSum:
        if (year < plan.lifeYears)
            charge = plan.cost / plan.lifeYears;
        else if (year == plan.lifeYears)
            charge = startBookValue;   // the last year takes the rest
        break;
    case MethodKind::Unknown:
        break;
    }
    return std::clamp<std::int64_t>(charge, 0, std::max<std::int64_t>(startBookValue - plan.memorandum, 0));
}

struct WalkResult {
    std::int64_t bookValue = 0;   // at the start of the current year
    SwitchState state;            // as decided for the current year
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
    if (plan.method == MethodKind::DecliningBalance) {
        if (plan.rules == DepreciationRules::Before2007) {
            if (routine == Routine::ToDate)
                return Refused(DepreciationOutcome::NoRule);
        } else {
            const auto table = registers::StatutoryRatesFor(plan.rules, in.lifeYears);
            if (!table)
                return Refused(DepreciationOutcome::NoRule);
            plan.revised = table->revised;
        }
    }

    // Calendar months from the month of acquisition to the month of PeriodEnd, both counted.
    const int monthCount = (in.periodEnd.year - in.acquiredOn.year) * 12 + (in.periodEnd.month - in.acquiredOn.month) + 1;
    plan.firstYearMonths = monthCount % 12 == 0 ? 12 : monthCount % 12;
    plan.currentYear = (monthCount - plan.firstYearMonths) / 12 + 1;
    // The life ends in the month after its last month; year 1 holds months
    // 1..firstYearMonths, every later year the next twelve.
    const int lifeMonths = in.lifeYears * 12;
    plan.lifeEndYear = (lifeMonths - plan.firstYearMonths) / 12 + 2;
    plan.lastYearMonths = (12 - plan.firstYearMonths) % 12;

    const WalkResult walk = WalkToCurrentYear(plan);
    if (routine == Routine::ToDate)
        return Computed(YearCharge(plan, plan.currentYear, walk.bookValue, walk.state), walk.bookValue);
    const std::int64_t amount = YearCharge(plan, plan.currentYear, in.residual, walk.state);
    return Computed(amount, in.residual - amount);
}

Depreciation Run(Routine routine, const Inputs& inputs)
{
    const Depreciation result = Compute(routine, inputs);
    if (result.computed())
        DepreciationBookValue = dao::Value(static_cast<long long>(result.bookValue));
    return result;
}

}  // namespace

Depreciation PeriodDepreciation(const dao::Date& PeriodStart, const dao::Date& PeriodEnd, const std::string& Method,
                                const dao::Date& AcquiredOn, std::int64_t Cost, double Rate, std::int64_t Residual,
                                int LifeYears, double GuaranteeRate)
{
    return Run(Routine::Period,
               {PeriodStart, PeriodEnd, Method, AcquiredOn, Cost, Rate, Residual, LifeYears, GuaranteeRate});
}

Depreciation DepreciationToDate(const dao::Date& PeriodStart, const dao::Date& PeriodEnd, const std::string& Method,
                                const dao::Date& AcquiredOn, std::int64_t Cost, double Rate, std::int64_t Residual,
                                int LifeYears, double GuaranteeRate)
{
    return Run(Routine::ToDate,
               {PeriodStart, PeriodEnd, Method, AcquiredOn, Cost, Rate, Residual, LifeYears, GuaranteeRate});
}

}  // namespace o
