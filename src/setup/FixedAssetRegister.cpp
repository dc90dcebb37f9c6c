#include "setup/FixedAssetRegister.h"

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Transaction.h"
#include "registers/FixedAssetRecord.h"
#include "setup/RegisterLists.h"
#include "setup/ShownRecordWrites.h"

#include <memory>

namespace setup {

namespace {

constexpr const char* kAssetSource = "Q_固定資産台帳";

std::unique_ptr<dao::Recordset> openAssets(dao::Database& db)
{
    return db.OpenRecordset(kAssetSource, dao::RecordsetType::Dynaset);
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
    return ChangeShownRecord(ws, db, kAssetSource, FixedAssetKey, line, kFixedAssetWhat, [&](dao::Recordset& asset) {
        asset.Edit();
        registers::WriteFixedAssetFields(asset, fields, accountCode, registers::FixedAssetCheck::Update);
        asset.Update();
        return std::optional<std::string>();
    });
}

std::optional<std::string> DeleteFixedAsset(dao::Workspace& ws, dao::Database& db, const ShownLine& line)
{
    return DeleteShownRecord(ws, db, kAssetSource, FixedAssetKey, line, kFixedAssetWhat);
}

}  // namespace setup
