#include "registers/FixedAssetRates.h"

#include "registers/StatutoryRates.h"

#include <cmath>
#include <cstdio>

namespace registers {

namespace {

struct TableRates {
    RateUnits rate = 0;
    RateUnits guarantee = 0;  // 0: none
    int lifeYears = 0;
};

std::optional<TableRates> TableRatesFor(const FixedAssetFields& fields)
{
    const auto acquiredOn = AcquisitionDate(fields);
    const int life = UsefulLifeYears(fields);
    if (!acquiredOn)
        return std::nullopt;
    const DepreciationRules rules = RulesFor(*acquiredOn);
    if (fields.method == "定率法" && rules == DepreciationRules::Before2007) {
        const auto rate = OldDecliningBalanceRate(life);
        if (!rate)
            return std::nullopt;
        return TableRates{*rate, 0, life};
    }
    if ((fields.method != "定額法" && fields.method != "定率法") || rules == DepreciationRules::Before2007)
        return std::nullopt;
    const auto row = StatutoryRatesFor(rules, life);
    if (!row)
        return std::nullopt;
    if (fields.method == "定額法")
        return TableRates{row->straightLine, 0, life};
    return TableRates{row->decliningBalance, row->guarantee, life};
}

// Hundred-thousandths as a percent with three decimals: 6552 → "6.552".
std::string Percent(RateUnits units)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d.%03d", units / 1000, units % 1000);
    return text;
}

// A typed percent that is a number and differs from `units` by a thousandth of
// a percent or more.
bool Differs(const std::string& typed, RateUnits units)
{
    if (typed.empty() || !IsNumericText(typed))
        return false;
    const double percent = dao::Value(typed).toDouble();
    return !std::isfinite(percent) || std::llround(percent * 1000) != units;
}

}  // namespace

std::optional<StatutoryPercents> StatutoryPercentsFor(const FixedAssetFields& fields)
{
    const auto table = TableRatesFor(fields);
    if (!table)
        return std::nullopt;
    return StatutoryPercents{Percent(table->rate), table->guarantee ? Percent(table->guarantee) : std::string()};
}

std::optional<std::string> RateDifferenceQuestion(const FixedAssetFields& fields)
{
    const auto table = TableRatesFor(fields);
    if (!table)
        return std::nullopt;
    std::string lines;
    if (Differs(fields.rate, table->rate))
        lines += "\n償却率：入力 " + fields.rate + "％、法定 " + Percent(table->rate) + "％";
    if (table->guarantee && Differs(fields.guarantee, table->guarantee))
        lines += "\n保証率：入力 " + fields.guarantee + "％、法定 " + Percent(table->guarantee) + "％";
    if (lines.empty())
        return std::nullopt;
    return "償却率・保証率は％で入力します。" + fields.method + "・耐用年数" + std::to_string(table->lifeYears)
        + "年の法定の率と違います" + lines + "\nこのまま登録しますか？";
}

}  // namespace registers
