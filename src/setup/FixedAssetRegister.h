#pragma once
// Storing the fixed-asset register's fields (Q_固定資産台帳) from the setup
// window: adding an asset, writing the fields over the asset of a chosen line
// and deleting it, each in one transaction. The fields have passed the
// register's checks and their account has been found among the accounts in use
// (registers/FixedAssetFields.h, FixedAssetRecord.h). A chosen line's asset is
// found again by its number and its place among the assets of that number.

#include "registers/FixedAssetFields.h"
#include "setup/ShownRecords.h"

#include <optional>
#include <string>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace setup {

inline constexpr const char* kFixedAssetWhat = "固定資産";

void RegisterFixedAsset(dao::Workspace& ws, dao::Database& db, const registers::FixedAssetFields& fields,
                        const std::string& accountCode);

std::optional<std::string> UpdateFixedAsset(dao::Workspace& ws, dao::Database& db, const ShownLine& line,
                                            const registers::FixedAssetFields& fields, const std::string& accountCode);

std::optional<std::string> DeleteFixedAsset(dao::Workspace& ws, dao::Database& db, const ShownLine& line);

}  // namespace setup
