#include "setup/SetupTax.h"

#include "journal/TaxAmount.h"
#include "journal/TaxRateTable.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"

namespace setup {

int SetupTaxRateOn(dao::Recordset& rates, const dao::Date& d, bool taxable, bool simplified)
{
    if (!taxable)
        return 0;
    return journal::TaxRateOn(journal::ReadTaxRateTable(rates), d, taxable, simplified);
}

std::optional<std::int32_t> SetupTaxExclusiveAmount(dao::Recordset& rates, dao::Recordset& settings,
                                                    const dao::Date& d, std::int64_t amount, bool taxable,
                                                    bool simplified)
{
    if (!taxable)
        return 0;
    const journal::FractionRule rule = journal::FractionRuleOf(settings.get(schema::column::Rounding).toText());
    return journal::TaxExclusiveAmount(journal::ReadTaxRateTable(rates), d, amount, taxable, simplified, rule);
}

}  // namespace setup
