#include "setup/PeriodDateStore.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

namespace setup {

PeriodEdit StorePeriodDate(dao::Workspace& ws, dao::Database& db, SettingsDate edited, const dao::Date& date,
                           const std::optional<dao::Date>& pendingOther)
{
    const SettingsDate other =
        edited == SettingsDate::PeriodStart ? SettingsDate::PeriodEnd : SettingsDate::PeriodStart;
    PeriodEdit edit;
    dao::RunInTransaction(ws, [&] {
        auto settings = db.OpenRecordset(schema::table::Settings, dao::RecordsetType::Dynaset);
        if (settings->isEmpty())
            throw dao::DaoError(dao::DaoError::Code::NoCurrentRecord, "「会計設定」に行がありません");
        settings->MoveFirst();
        edit = PeriodAfterEdit(edited, date,
                               pendingOther ? pendingOther : settings->get(SettingsDateField(other)).toDate());
        if (edit.fault != o::FiscalPeriodFault::None)
            return;
        settings->Edit();
        settings->set(SettingsDateField(edited), date);
        if (pendingOther)
            settings->set(SettingsDateField(other), *pendingOther);
        settings->Update();
    });
    if (!pendingOther)
        edit.other.reset();
    return edit;
}

}  // namespace setup
