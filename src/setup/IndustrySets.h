#pragma once
// The industry account sets of the chart: each account keeps a name and a use
// flag per industry (CompanySettings.h). Each copy is one transaction.

#include <optional>
#include <string>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace setup {

// Saves the current chart as the industry's set: its use flag takes 適用 and its
// name column 勘定科目名, on every account.
void CopyMasterToIndustry(dao::Workspace& ws, dao::Database& db, int industry);

// Makes the industry's set the current chart: every account takes the set's
// name, else 標準勘定科目名, and keeps its own name when both are empty; 適用
// takes the set's use flag. Refused (its message, nothing written) when the set
// has no account in use. The credit-side copy is rebuilt in the same transaction.
std::optional<std::string> CopyIndustryToMaster(dao::Workspace& ws, dao::Database& db, int industry);

}  // namespace setup
