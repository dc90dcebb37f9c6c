#include "journal/TaxRowAccount.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"

namespace journal {

std::optional<AccountTaxFlags> TaxRowFlagsOf(const TaxRowCell& cell, const AccountTaxFlagsLookup& flagsOf,
                                             const TaxRowRules& rules)
{
    if (cell.row < 1 || cell.row >= kGridRows || cell.account != TaxAccountName(cell.debitSide))
        return std::nullopt;
    if (!rules.taxCalculation)
        return std::nullopt;
    if (rules.creditTaxAccountMustBeInChart && !cell.debitSide && !flagsOf(cell.account))
        return std::nullopt;
    const bool ownFlags = rules.emptyAboveTakesTaxAccountFlags && cell.accountAbove.empty();
    const std::string& source = ownFlags ? cell.account : cell.accountAbove;
    if (source.empty())
        return AccountTaxFlags{};
    return flagsOf(source).value_or(AccountTaxFlags{});
}

AccountTaxFlagsLookup ChartTaxFlags(const CodeLookup& findCode, int kind, dao::Recordset& chart)
{
    return [findCode, kind, &chart](const std::string& name) -> std::optional<AccountTaxFlags> {
        if (findCode(kind, name).empty())
            return std::nullopt;
        return AccountTaxFlags{chart.get(schema::column::Taxable).toBool(),
                               chart.get(schema::column::SimplifiedTax).toBool()};
    };
}

}  // namespace journal
