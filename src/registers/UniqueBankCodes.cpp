#include "registers/UniqueBankCodes.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Recordset.h"

#include <string>

namespace registers {

namespace {

struct Master {
    const char* table;
    const char* code;
    const char* name;
};

void requireUnique(dao::Database& database, const Master& master)
{
    const std::string table = std::string("\"") + master.table + "\"";
    auto twice =
        database.OpenRecordset(std::string("SELECT \"") + master.code + "\" AS code, count(*) AS rows_with_it, "
                                   + "group_concat(\"" + master.name + "\", '、') AS names FROM " + table
                                   + " GROUP BY \"" + master.code + "\" HAVING count(*) > 1 ORDER BY 1",
                               dao::RecordsetType::Snapshot);
    if (twice->isEmpty())
        return;
    twice->MoveFirst();
    throw dao::DaoError(dao::DaoError::Code::General,
                        "ファイル「" + database.path() + "」の「" + master.table + "」で、" + master.code + "「"
                            + twice->get("code").toText() + "」の行が " + twice->get("rows_with_it").toText()
                            + " 行あります（" + master.name + " " + twice->get("names").toText()
                            + "）。同じコードの行を一つにしてから、もう一度開いてください。");
}

}  // namespace

void RequireUniqueBankCodes(dao::Database& database)
{
    requireUnique(database, {schema::table::BankMaster, schema::column::BankCode, schema::column::BankName});
    requireUnique(database, {schema::table::BranchMaster, schema::column::BranchCode, schema::column::BranchName});
}

}  // namespace registers
