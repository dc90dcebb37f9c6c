#include "journal/TaxRateTable.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"

namespace journal {

int TaxRateOn(const TaxRateTable& periods, const dao::Date& d, bool taxable, bool simplified)
{
    if (!taxable)
        return 0;
    const long long day = d.dayNumber();
    int rate = 0;
    for (const TaxRatePeriod& period : periods) {
        if (period.from.dayNumber() > day)
            break;
        rate = simplified ? period.simplifiedRate : period.rate;
    }
    return rate;
}

TaxRateTable ReadTaxRateTable(dao::Recordset& rates)
{
    TaxRateTable table;
    if (rates.isEmpty())
        return table;
    for (rates.MoveFirst(); !rates.EOF_(); rates.MoveNext()) {
        const auto from = rates.get(schema::column::Date).toDate();
        if (!from)
            continue;  // a period without a first day can never apply
        const dao::Value rate = rates.get(schema::column::TaxRate);
        const dao::Value simplified = rates.get(schema::column::SimplifiedTaxRate);
        const int wholeRate = rate.isNumeric() ? static_cast<int>(rate.toInt64()) : 0;
        // A period without a simplified rate of its own takes its rate.
        table.push_back(
            {*from, wholeRate, simplified.isNumeric() ? static_cast<int>(simplified.toInt64()) : wholeRate});
    }
    return table;
}

}  // namespace journal
