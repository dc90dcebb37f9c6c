#include "journal/StoredDateOrder.h"

#include "platform/dao/Database.h"
#include "platform/dao/RowView.h"

namespace journal {

bool JournalDatesSortByValue(dao::Database& database)
{
    bool otherForm = true;
    // Read through the date index, which holds every row's 日付.
    database.ForEachRow("SELECT EXISTS (SELECT 1 FROM \"仕訳台帳\" WHERE NOT (typeof(\"日付\") = 'text'"
                        " AND length(\"日付\") = 10 AND \"日付\" GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'))",
                        {}, "仕訳台帳", [&](const dao::RowView& row) { otherForm = row.integer(0) != 0; });
    return !otherForm;
}

}  // namespace journal
