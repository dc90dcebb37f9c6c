#include "registers/FixedAssetRecord.h"

#include "periodfile/SchemaNames.h"

namespace registers {

namespace {

// A typed number as the field takes it: no value for an empty text.
dao::Value Number(const std::string& text, bool whole)
{
    if (text.empty())
        return dao::Value();
    const dao::Value typed(text);
    return whole ? dao::Value(static_cast<long long>(typed.toInt64())) : dao::Value(typed.toDouble());
}

}  // namespace

std::optional<std::string> UsedAccountCode(dao::Recordset& usedAccounts, const std::string& name)
{
    if (name.empty() || usedAccounts.isEmpty())
        return std::nullopt;
    usedAccounts.MoveFirst();
    usedAccounts.FindFirst(schema::column::AccountName, dao::Value(name));
    if (usedAccounts.NoMatch())
        return std::nullopt;
    return usedAccounts.get(schema::column::AccountCode).toText();
}

void WriteFixedAssetFields(dao::Recordset& assets, const FixedAssetFields& fields, const std::string& accountCode,
                           FixedAssetCheck button)
{
    const bool always = button == FixedAssetCheck::Update;
    assets.set(schema::column::AssetNumber, dao::Value(fields.number));
    assets.set(schema::column::AssetName, dao::Value(fields.name));
    assets.set(schema::column::Quantity, Number(fields.quantity, true));
    assets.set(schema::column::AccountCode, dao::Value(accountCode));
    if (const auto date = AcquisitionDate(fields))
        assets.set(schema::column::AcquiredOn, dao::Value(*date));
    assets.set(schema::column::AcquisitionCost, Number(fields.cost, true));
    assets.set(schema::column::DepreciationMethod, dao::Value(fields.method));
    assets.set(schema::column::UsefulLife, dao::Value(UsefulLifeYears(fields)));
    assets.set(schema::column::DepreciationRate, Number(fields.rate, false));
    assets.set(schema::column::ResidualValue, Number(fields.residual, true));
    if (always || !fields.guarantee.empty())
        assets.set(schema::column::GuaranteeRate, Number(fields.guarantee, false));
    if (always || !fields.depreciation.empty())
        assets.set(schema::column::Depreciation, Number(fields.depreciation, true));
    assets.set(schema::column::AssetDepartment, dao::Value(fields.department));
    assets.set(schema::column::Remarks, dao::Value(fields.remarks));
}

}  // namespace registers
