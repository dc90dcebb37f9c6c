#include "setup/IndustrySets.h"

#include "periodfile/SchemaNames.h"
#include "setup/AccountRegister.h"
#include "setup/CompanySettings.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

#include <map>

namespace setup {

void CopyMasterToIndustry(dao::Workspace& ws, dao::Database& db, int industry)
{
    const std::string nameColumn(kIndustryNameColumns.at(industry));
    const std::string useColumn(kIndustryUseColumns.at(industry));
    dao::RunInTransaction(ws, [&] {
        auto chart = db.OpenRecordset(schema::query::Chart, dao::RecordsetType::Dynaset);
        if (chart->isEmpty())
            return;
        for (chart->MoveFirst(); !chart->EOF_(); chart->MoveNext()) {
            chart->Edit();
            chart->set(useColumn, chart->get(schema::column::InUse).toBool());
            chart->set(nameColumn, chart->get(schema::column::AccountName).toText());
            chart->Update();
        }
    });
}

std::optional<std::string> CopyIndustryToMaster(dao::Workspace& ws, dao::Database& db, int industry)
{
    const std::string nameColumn(kIndustryNameColumns.at(industry));
    const std::string useColumn(kIndustryUseColumns.at(industry));
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto chart = db.OpenRecordset(schema::query::Chart, dao::RecordsetType::Dynaset);
        bool anyInUse = false;
        if (!chart->isEmpty())
            for (chart->MoveFirst(); !chart->EOF_() && !anyInUse; chart->MoveNext())
                anyInUse = chart->get(useColumn).toBool();
        if (!anyInUse) {
            refusal = "業種別勘定科目「" + std::string(kIndustryCaptions.at(industry))
                + "」には使用する勘定科目がありません。先にマスターから業種別勘定科目へ複写してください";
            return;
        }
        std::map<std::string, std::string> renames;
        for (chart->MoveFirst(); !chart->EOF_(); chart->MoveNext()) {
            const std::string industryName = chart->get(nameColumn).toText();
            const std::string standardName = chart->get(schema::column::StandardAccountName).toText();
            const std::string name = !industryName.empty() ? industryName
                : !standardName.empty()                    ? standardName
                                                           : chart->get(schema::column::AccountName).toText();
            const std::string oldName = chart->get(schema::column::AccountName).toText();
            if (name != oldName)
                renames.emplace(oldName, name);
            chart->Edit();
            chart->set(schema::column::AccountName, name);
            chart->set(schema::column::InUse, chart->get(useColumn).toBool());
            chart->Update();
        }
        CarryDepositKindNames(db, renames);
        RebuildAccountCopy(db);
    });
    return refusal;
}

}  // namespace setup
