#include "common/EraYearText.h"

#include "common/o.h"
#include "periodfile/SchemaNames.h"

namespace o {

namespace {

long long dayOf(const dao::Date& d)
{
    dao::Date dateOnly{d.year, d.month, d.day};
    return dateOnly.dayNumber();
}

}  // namespace

std::string EraYearText(dao::Recordset* eras, const dao::Date& date)
{
    if (eras == nullptr || !eras->isOpen() || eras->isEmpty())
        return {};
    const long long day = dayOf(date);

    // Walk from the last era backwards to the first one that began on or before the date.
    eras->MoveLast();
    while (!eras->BOF()) {
        const std::optional<dao::Date> eraStart = eras->get(schema::column::EraStart).toDate();
        if (eraStart && dayOf(*eraStart) <= day) {
            const int n = date.year - eraStart->year + 1;
            const std::string name = eras->get(schema::column::EraName).toText();
            if (n == 1)
                return name + "元年";
            return name + std::to_string(n) + "年";
        }
        eras->MovePrevious();
    }
    // Before the first era: no era year. Leave the recordset on a row.
    eras->MoveFirst();
    return {};
}

std::string EraYearText(const dao::Date& date)
{
    return EraYearText(EraRecordset.get(), date);
}

std::string EraYearText(const dao::Value& date)
{
    const std::optional<dao::Date> d = date.toDate();
    if (!d)
        return {};
    return EraYearText(EraRecordset.get(), *d);
}

}  // namespace o
