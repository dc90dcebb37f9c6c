#include "setup/FixedAssetRegister.h"

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Transaction.h"
#include "registers/FixedAssetRecord.h"
#include "setup/RegisterLists.h"

#include <memory>

namespace setup {

namespace {

std::unique_ptr<dao::Recordset> openAssets(dao::Database& db)
{
    return db.OpenRecordset("Q_固定資産台帳", dao::RecordsetType::Dynaset);
}

}  // namespace

void RegisterFixedAsset(dao::Workspace& ws, dao::Database& db, const registers::FixedAssetFields& fields,
                        const std::string& accountCode)
{
    dao::RunInTransaction(ws, [&] {
        auto assets = openAssets(db);
        assets->AddNew();
        registers::WriteFixedAssetFields(*assets, fields, accountCode, registers::FixedAssetCheck::Register);
        assets->Update();
    });
}

std::optional<std::string> UpdateFixedAsset(dao::Workspace& ws, dao::Database& db, const ShownLine& line,
                                            const registers::FixedAssetFields& fields, const std::string& accountCode)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto assets = openAssets(db);
        if (const ShownState state = LocateShownRecord(*assets, FixedAssetKey, line); state != ShownState::Unchanged) {
            refusal = ShownStateMessage(state, kFixedAssetWhat);
            return;
        }
        assets->Edit();
        registers::WriteFixedAssetFields(*assets, fields, accountCode, registers::FixedAssetCheck::Update);
        assets->Update();
    });
    return refusal;
}

std::optional<std::string> DeleteFixedAsset(dao::Workspace& ws, dao::Database& db, const ShownLine& line)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto assets = openAssets(db);
        if (const ShownState state = LocateShownRecord(*assets, FixedAssetKey, line); state != ShownState::Unchanged) {
            refusal = ShownStateMessage(state, kFixedAssetWhat);
            return;
        }
        assets->Delete();
    });
    return refusal;
}

}  // namespace setup
