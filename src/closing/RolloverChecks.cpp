#include "closing/RolloverChecks.h"

#include "closing/ClosingListLines.h"
#include "closing/RowChunks.h"
#include "common/StoredRows.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "statements/ClosingFileChecks.h"

namespace closing {

namespace {

// The closing entries' row numbers, in a table of the copy's own that the
// new file never holds.
constexpr const char* kEntryRows = "temp.\"決算仕訳の行\"";

}  // namespace

void RequireRollableFile(dao::Database& closedPeriod)
{
    statements::RequireClosingFile(closedPeriod);
    // The fixed-asset register, whose book values it carries, read as the
    // setup window reads it.
    o::RequireReadableRows(*closedPeriod.OpenRecordset(schema::query::FixedAssets, dao::RecordsetType::Snapshot));
}

void RequireListableClosingEntries(dao::Database& closedPeriod, const std::vector<long long>& rows)
{
    if (rows.empty())
        return;
    closedPeriod.Execute(std::string("CREATE TEMP TABLE ") + kEntryRows + " (行 INTEGER PRIMARY KEY)");
    ForEachRowChunk(rows, [&](const std::string& rowsIn, const std::vector<dao::Value>& params) {
        closedPeriod.Execute(std::string("INSERT INTO ") + kEntryRows + " SELECT rowid FROM \"" + schema::table::Journal
                                 + "\" WHERE " + rowsIn,
                             params);
    });
    {
        const auto entries =
            closedPeriod.OpenRecordset(std::string("SELECT * FROM \"") + schema::query::ClosingJournal
                                           + "\" WHERE dao_rowid IN (SELECT 行 FROM " + kEntryRows + ")",
                                       dao::RecordsetType::Snapshot);
        ClosingEntryLines(*entries, dao::Date::now());
    }
    closedPeriod.Execute(std::string("DROP TABLE ") + kEntryRows);
}

}  // namespace closing
