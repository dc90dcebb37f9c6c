#include "registers/FixedAssetRecord.h"

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
    usedAccounts.FindFirst("勘定科目名", dao::Value(name));
    if (usedAccounts.NoMatch())
        return std::nullopt;
    return usedAccounts.get("勘定科目コード").toText();
}

void WriteFixedAssetFields(dao::Recordset& assets, const FixedAssetFields& fields, const std::string& accountCode,
                           FixedAssetCheck button)
{
    const bool always = button == FixedAssetCheck::Update;
    assets.set("管理番号", dao::Value(fields.number));
    assets.set("名称", dao::Value(fields.name));
    assets.set("数量", Number(fields.quantity, true));
    assets.set("勘定科目コード", dao::Value(accountCode));
    if (const auto date = AcquisitionDate(fields))
        assets.set("取得年月日", dao::Value(*date));
    assets.set("取得価格", Number(fields.cost, true));
    assets.set("償却方法", dao::Value(fields.method));
    assets.set("耐用年数", dao::Value(UsefulLifeYears(fields)));
    assets.set("償却率", Number(fields.rate, false));
    assets.set("残存価格", Number(fields.residual, true));
    if (always || !fields.guarantee.empty())
        assets.set("保証率", Number(fields.guarantee, false));
    if (always || !fields.depreciation.empty())
        assets.set("減価償却費", Number(fields.depreciation, true));
    assets.set("使用部署名", dao::Value(fields.department));
    assets.set("備考", dao::Value(fields.remarks));
}

}  // namespace registers
