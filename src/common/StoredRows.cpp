#include "common/StoredRows.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Recordset.h"

#include <vector>

namespace o {

void RequireReadableRows(dao::Recordset& rows)
{
    if (rows.isEmpty())
        return;
    const std::vector<std::string> fields = rows.fieldNames();
    for (rows.MoveFirst(); !rows.EOF_(); rows.MoveNext())
        for (const std::string& field : fields)
            rows.get(field);
    rows.MoveFirst();
}

void RequireSettingsRow(dao::Recordset& settings, const std::string& path)
{
    if (settings.isEmpty())
        throw dao::DaoError(dao::DaoError::Code::NoCurrentRecord,
                            "期ファイル「" + path + "」の「会計設定」に行がありません");
    RequireSingleSettingsRow(settings, path);
    // A row without its period opens no window: each would show and compute
    // from nothing (a settings row of nulls once opened them all).
    settings.getRequired(schema::column::PeriodNumber, "1 以上の期の番号");
    settings.getRequired(schema::column::PeriodStart, "会計期間の最初の日");
    settings.getRequired(schema::column::PeriodEnd, "会計期間の最後の日");
}

void RequireSingleSettingsRow(dao::Recordset& settings, const std::string& path)
{
    long long rows = 0;
    if (!settings.isEmpty())
        for (settings.MoveFirst(); !settings.EOF_(); settings.MoveNext())
            ++rows;
    if (rows > 1)
        throw dao::DaoError(
            dao::DaoError::Code::General,
            "ファイル「" + path + "」の「会計設定」に行が " + std::to_string(rows)
                + " 行あります（会計設定は 1 行だけのはずです）。余分な行を除いてから、もう一度開いてください。");
    if (rows == 1)
        settings.MoveFirst();
}

}  // namespace o
