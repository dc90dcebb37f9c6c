#include "setup/ShownRecordWrites.h"

#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Transaction.h"

namespace setup {

std::optional<std::string> ChangeShownRecord(dao::Workspace& ws, dao::Database& db, const std::string& source,
                                             const RecordKey& keyOf, const ShownLine& line, const std::string& what,
                                             const RecordChange& change)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto records = db.OpenRecordset(source, dao::RecordsetType::Dynaset);
        if (const ShownState state = LocateShownRecord(*records, keyOf, line); state != ShownState::Unchanged) {
            refusal = ShownStateMessage(state, what);
            return;
        }
        refusal = change(*records);
    });
    return refusal;
}

std::optional<std::string> DeleteShownRecord(dao::Workspace& ws, dao::Database& db, const std::string& source,
                                             const RecordKey& keyOf, const ShownLine& line, const std::string& what)
{
    return ChangeShownRecord(ws, db, source, keyOf, line, what, [](dao::Recordset& record) {
        record.Delete();
        return std::optional<std::string>();
    });
}

}  // namespace setup
