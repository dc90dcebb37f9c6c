#include "journal/StoredDateOrder.h"

#include "platform/dao/Database.h"
#include "platform/dao/RowView.h"

namespace journal {

bool JournalDatesSortByValue(dao::Database& database)
{
    bool otherForm = true;
    // Read through the date index, which holds every row's 日付. The shape is
    // enough: a text of that shape that is no date is no day at all, and a
    // list that holds one places no saves anyway (JournalListRows).
    database.ForEachRow("SELECT EXISTS (SELECT 1 FROM \"仕訳台帳\" WHERE \"日付\" IS NULL OR NOT (length(\"日付\") = 10"
                        " AND substr(\"日付\", 5, 1) = '-' AND substr(\"日付\", 8, 1) = '-'))",
                        {}, "仕訳台帳", [&](const dao::RowView& row) { otherForm = row.integer(0) != 0; });
    return !otherForm;
}

}  // namespace journal
