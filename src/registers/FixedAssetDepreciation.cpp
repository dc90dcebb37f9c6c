#include "registers/FixedAssetDepreciation.h"

#include "common/NumberFormat.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "registers/Depreciation.h"
#include "registers/StatutoryRates.h"

#include <exception>

namespace registers {

namespace {

FixedAssetFigures Refused(const std::string& message, bool beep = true)
{
    FixedAssetFigures figures;
    figures.kind = FixedAssetFigures::Kind::Refused;
    figures.message = message;
    figures.beep = beep;
    return figures;
}

bool NeedsRate(const std::string& method)
{
    return method == "定額法" || method == "定率法";
}

bool NeedsGuarantee(const std::string& method, const dao::Date& acquiredOn)
{
    return method == "定率法" && RulesFor(acquiredOn) != DepreciationRules::Before2007;
}

FixedAssetFigures FromOutcome(const o::Depreciation& result, bool showResidual)
{
    switch (result.outcome) {
    case o::DepreciationOutcome::NoRule: return Refused(kNoDepreciationRuleMessage, false);
    case o::DepreciationOutcome::InvalidInput: return Refused(kBadNumberMessage);
    case o::DepreciationOutcome::Computed: break;
    }
    FixedAssetFigures figures;
    figures.depreciation = o::FormatNumber(result.amount, o::kAmountMask);
    if (showResidual)
        figures.residual = o::FormatNumber(result.bookValue, o::kAmountMask);
    return figures;
}

}  // namespace

std::string StoredLifeMessage(const std::string& name, const std::string& number, const std::string& life)
{
    return "固定資産「" + name + "」（管理番号 " + number + "）の耐用年数「" + life
        + "」では償却できません（1 年以上の耐用年数を入れて更新してください）";
}

FixedAssetFigures DepreciationOnLeavingResidual(const FixedAssetFields& fields, const dao::Date& periodStart,
                                                const dao::Date& periodEnd)
{
    if (!IsNumericText(fields.residual)) {
        FixedAssetFigures figures;
        figures.kind = FixedAssetFigures::Kind::BeepOnly;
        return figures;
    }
    if (const auto message = CheckFixedAssetFields(fields, FixedAssetCheck::LeaveResidual))
        return Refused(*message);
    const dao::Date acquiredOn = *AcquisitionDate(fields);
    if (NeedsRate(fields.method) && !IsNumericText(fields.rate))
        return Refused(kBadNumberMessage);
    if (NeedsGuarantee(fields.method, acquiredOn)) {
        if (fields.guarantee.empty())
            return Refused(kNoDataMessage);
        if (!IsNumericText(fields.guarantee))
            return Refused(kBadNumberMessage);
    }
    try {
        const double rate = IsNumericText(fields.rate) ? dao::Value(fields.rate).toDouble() : 0;
        const double guarantee = IsNumericText(fields.guarantee) ? dao::Value(fields.guarantee).toDouble() : 0;
        return FromOutcome(
            o::PeriodDepreciation(periodStart, periodEnd, fields.method, acquiredOn, dao::Value(fields.cost).toInt64(),
                                  rate, dao::Value(fields.residual).toInt64(), UsefulLifeYears(fields), guarantee),
            false);
    } catch (const std::exception&) {
        return Refused(kBadNumberMessage);  // a number too large for the register
    }
}

FixedAssetFigures DepreciationFromAcquisition(const dao::Recordset& asset, const dao::Date& periodStart,
                                              const dao::Date& periodEnd)
{
    const std::string method = asset.get(schema::column::DepreciationMethod).toText();
    const auto acquiredOn = asset.get(schema::column::AcquiredOn).toDate();
    const dao::Value cost = asset.get(schema::column::AcquisitionCost);
    if (!acquiredOn || cost.isNull())
        return Refused(kNoDataMessage);
    const int lifeYears = static_cast<int>(asset.get(schema::column::UsefulLife).toInt64());
    if (lifeYears <= 0)
        return Refused(StoredLifeMessage(asset.get(schema::column::AssetName).toText(),
                                         asset.get(schema::column::AssetNumber).toText(),
                                         asset.get(schema::column::UsefulLife).toText()));
    if (NeedsRate(method) && asset.get(schema::column::DepreciationRate).isNull())
        return Refused(kNoDataMessage);
    if (NeedsGuarantee(method, *acquiredOn) && asset.get(schema::column::GuaranteeRate).isNull())
        return Refused(kNoDataMessage);
    const dao::Value residual = asset.get(schema::column::ResidualValue);
    return FromOutcome(o::DepreciationToDate(periodStart, periodEnd, method, *acquiredOn, cost.toInt64(),
                                             asset.get(schema::column::DepreciationRate).toDouble(),
                                             residual.isNull() ? cost.toInt64() : residual.toInt64(), lifeYears,
                                             asset.get(schema::column::GuaranteeRate).toDouble()),
                       true);
}

}  // namespace registers
