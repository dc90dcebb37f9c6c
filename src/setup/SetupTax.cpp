#include "setup/SetupTax.h"

#include "journal/TaxRateTable.h"
#include "platform/dao/Recordset.h"

namespace setup {

int SetupTaxRateOn(dao::Recordset& rates, const dao::Date& d, bool taxable, bool simplified)
{
    if (!taxable)
        return 0;
    return journal::TaxRateOn(journal::ReadTaxRateTable(rates), d, taxable, simplified);
}

}  // namespace setup
