#include "statements/ClosingFileChecks.h"

#include "common/StoredRows.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "statements/PeriodRange.h"

namespace statements {

void RequireClosingFile(const ClosingFileRows& rows, const std::string& path)
{
    o::RequireSettingsRow(rows.settings, path);
    o::RequireReadableRows(rows.settings);
    RequirePossiblePeriod(rows.settings.get(schema::column::PeriodStart).toDate(),
                          rows.settings.get(schema::column::PeriodEnd).toDate(), path);
    o::RequireReadableRows(rows.chart);
    o::RequireReadableRows(rows.taxRates);
    o::RequireReadableRows(rows.bankAccounts);
    dao::Recordset& used = rows.usedAccounts;
    if (used.isEmpty())
        return;
    for (used.MoveFirst(); !used.EOF_(); used.MoveNext())
        used.getRequired(schema::column::MajorClass,
                         "「資産の部」「負債の部」「資本の部」「経常損益」「特別損益」「決算」のどれか");
    used.MoveFirst();
}

void RequireClosingFile(dao::Database& database)
{
    using dao::RecordsetType;
    const auto settings = database.OpenRecordset(schema::table::Settings, RecordsetType::Snapshot);
    const auto chart = database.OpenRecordset(schema::query::Chart, RecordsetType::Snapshot);
    const auto used = database.OpenRecordset(schema::query::UsedAccounts, RecordsetType::Snapshot);
    const auto rates = database.OpenRecordset(schema::query::TaxRates, RecordsetType::Snapshot);
    const auto banks = database.OpenRecordset(schema::query::BankAccounts, RecordsetType::Snapshot);
    RequireClosingFile({*settings, *chart, *used, *rates, *banks}, database.storedIn());
}

}  // namespace statements
