#include "setup/IndustrySets.h"

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
        auto chart = db.OpenRecordset("Q_勘定科目コード表", dao::RecordsetType::Dynaset);
        if (chart->isEmpty())
            return;
        for (chart->MoveFirst(); !chart->EOF_(); chart->MoveNext()) {
            chart->Edit();
            chart->set(useColumn, chart->get("適用").toBool());
            chart->set(nameColumn, chart->get("勘定科目名").toText());
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
        auto chart = db.OpenRecordset("Q_勘定科目コード表", dao::RecordsetType::Dynaset);
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
            const std::string standardName = chart->get("標準勘定科目名").toText();
            const std::string name = !industryName.empty() ? industryName
                                   : !standardName.empty() ? standardName
                                                           : chart->get("勘定科目名").toText();
            const std::string oldName = chart->get("勘定科目名").toText();
            if (name != oldName)
                renames.emplace(oldName, name);
            chart->Edit();
            chart->set("勘定科目名", name);
            chart->set("適用", chart->get(useColumn).toBool());
            chart->Update();
        }
        CarryDepositKindNames(db, renames);
        RebuildAccountCopy(db);
    });
    return refusal;
}

}  // namespace setup
