#include "setup/SetupRecordsets.h"

namespace setup {

void SetupRecordsets::reopen(std::unique_ptr<dao::Recordset>& member, const std::string& source)
{
    auto fresh = database->OpenRecordset(source, dao::RecordsetType::Dynaset);
    if (member)
        member->Close();
    member = std::move(fresh);
}

void SetupRecordsets::reopenChart()
{
    reopen(AccountMasterRecordset, "Q_勘定科目コード表");
    reopen(AccountMaster2Recordset, "Q_勘定科目コード表2");
    reopen(UsedAccountsRecordset, "Q_使用勘定科目表");
}

}  // namespace setup
