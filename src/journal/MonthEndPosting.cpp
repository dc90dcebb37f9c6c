#include "journal/MonthEndPosting.h"

#include "journal/VoucherStore.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

namespace journal {

std::string MissingAccountMessage(const std::string& accountName)
{
    return "勘定科目に「" + accountName + "」が登録されていません";
}

std::string PostingFailedMessage(const std::string& cause)
{
    return "仕訳を登録できませんでした。何も登録していません。\n" + cause;
}

std::set<std::string> JournalVoucherNumbers(dao::Database& database)
{
    std::set<std::string> numbers;
    auto rows = database.OpenRecordset("SELECT 伝票番号 FROM Q_仕訳台帳", dao::RecordsetType::Snapshot);
    if (rows->isEmpty())
        return numbers;
    for (rows->MoveFirst(); !rows->EOF_(); rows->MoveNext())
        numbers.insert(rows->get("伝票番号").toText());
    return numbers;
}

PostingCount PostNewVouchers(dao::Workspace& workspace, dao::Database& database, dao::Recordset& journal,
                             const std::vector<NumberedRow>& rows)
{
    PostingCount count;
    dao::RunInTransaction(workspace, [&] {
        const std::set<std::string> taken = JournalVoucherNumbers(database);
        std::set<std::string> posted, skipped;
        for (const NumberedRow& row : rows) {
            if (taken.count(row.number)) {
                skipped.insert(row.number);
                continue;
            }
            AddJournalRow(journal, row.row, row.number);
            posted.insert(row.number);
            ++count.postedRows;
        }
        count.postedVouchers = static_cast<int>(posted.size());
        count.skippedVouchers = static_cast<int>(skipped.size());
    }, {&journal});
    return count;
}

}  // namespace journal
