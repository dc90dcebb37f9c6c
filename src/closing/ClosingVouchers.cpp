#include "closing/ClosingVouchers.h"

#include "journal/VoucherNumber.h"
#include "journal/VoucherStore.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

namespace closing {

std::vector<std::string> PostClosingVouchers(dao::Workspace& workspace, dao::Database& database,
                                             const std::vector<ClosingVoucher>& vouchers, const dao::Date& now)
{
    std::vector<std::string> numbers;
    if (vouchers.empty())
        return numbers;
    auto journal = database.OpenRecordset(schema::query::Journal, dao::RecordsetType::Dynaset);
    dao::RunInTransaction(workspace, [&] {
        numbers.clear();
        journal::NumberIssuer voucherNumbers = journal::VoucherNumbers(database);
        for (const ClosingVoucher& voucher : vouchers) {
            const std::string number = voucherNumbers.next(now);
            for (const journal::VoucherRow& row : voucher)
                journal::AddJournalRow(*journal, row, number, dao::Value(true));
            numbers.push_back(number);
        }
    }, {journal.get()});
    return numbers;
}

PostedVouchers PostPlannedClosingVouchers(dao::Workspace& workspace, dao::Database& database,
                                          const std::function<PlannedVouchers()>& plan, const dao::Date& now)
{
    PostedVouchers posted;
    auto journal = database.OpenRecordset(schema::query::Journal, dao::RecordsetType::Dynaset);
    dao::RunInTransaction(workspace, [&] {
        posted = PostedVouchers();
        const PlannedVouchers planned = plan();
        posted.refusal = planned.refusal;
        if (planned.refusal)
            return;
        journal::NumberIssuer voucherNumbers = journal::VoucherNumbers(database);
        for (const ClosingVoucher& voucher : planned.vouchers) {
            const std::string number = voucherNumbers.next(now);
            for (const journal::VoucherRow& row : voucher)
                journal::AddJournalRow(*journal, row, number, dao::Value(true));
            posted.numbers.push_back(number);
            posted.rows += static_cast<int>(voucher.size());
        }
    }, {journal.get()});
    return posted;
}

}  // namespace closing
