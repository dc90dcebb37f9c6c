#include "setup/OpeningCash.h"

#include "journal/AmountRange.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"

namespace setup {

std::optional<OpeningCash> ComputeOpeningCash(dao::Recordset& chart)
{
    std::int64_t sum = 0;
    std::int64_t cash = 0;
    if (!chart.isEmpty()) {
        for (chart.MoveFirst(); !chart.EOF_(); chart.MoveNext()) {
            const dao::Value balance = chart.get(schema::column::OpeningBalance);
            const std::int64_t amount = balance.isNumeric() ? balance.toInt64() : 0;
            if (chart.get(schema::column::MinorClass).toText() == "現金預金")
                sum += amount;
            if (chart.get(schema::column::AccountName).toText() == "現金")
                cash = amount;
        }
    }
    const std::int64_t deposits = sum - cash;
    if (!journal::FitsAmount(sum) || !journal::FitsAmount(cash) || !journal::FitsAmount(deposits))
        return std::nullopt;
    return OpeningCash{static_cast<std::int32_t>(cash), static_cast<std::int32_t>(deposits),
                       static_cast<std::int32_t>(sum)};
}

void StoreOpeningCash(dao::Recordset& settings, const OpeningCash& figures)
{
    settings.Edit();
    settings.set(schema::column::OpeningCash, figures.cash);
    settings.set(schema::column::OpeningDeposits, figures.deposits);
    settings.Update();
}

OpeningCash StoreOpeningCashOfChart(dao::Database& db)
{
    auto chart = db.OpenRecordset(schema::query::Chart, dao::RecordsetType::Dynaset);
    const std::optional<OpeningCash> figures = ComputeOpeningCash(*chart);
    if (!figures)
        throw dao::DaoError(dao::DaoError::Code::Overflow, kOpeningCashOutOfRange);
    auto settings = db.OpenRecordset(schema::table::Settings, dao::RecordsetType::Dynaset);
    if (!settings->isEmpty()) {
        settings->MoveFirst();
        StoreOpeningCash(*settings, *figures);
    }
    return *figures;
}

}  // namespace setup
