#include "closing/RolloverChecks.h"

#include "closing/ClosingListLines.h"
#include "common/StoredRows.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "statements/ClosingFileChecks.h"

namespace closing {

void RequireRollableFile(dao::Database& closedPeriod)
{
    statements::RequireClosingFile(closedPeriod);
    // The closing entries read as the closing window's list reads them.
    const auto entries = closedPeriod.OpenRecordset(schema::query::ClosingJournal, dao::RecordsetType::Snapshot);
    ClosingEntryLines(*entries, dao::Date::now());
    // The fixed-asset register, whose book values it carries, read as the
    // setup window reads it.
    o::RequireReadableRows(*closedPeriod.OpenRecordset(schema::query::FixedAssets, dao::RecordsetType::Snapshot));
}

}  // namespace closing
