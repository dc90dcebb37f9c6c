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
                                             dao::Recordset& journal, const std::vector<ClosingVoucher>& vouchers,
                                             const dao::Date& now, const journal::VoucherStore::Watch& watch)
{
    std::vector<std::string> numbers;
    if (vouchers.empty())
        return numbers;
    dao::RunInTransaction(workspace,
                          [&] {
                              if (watch.locked)
                                  watch.locked();
                              numbers.clear();
                              journal::NumberIssuer voucherNumbers = journal::VoucherNumbers(database);
                              for (const ClosingVoucher& voucher : vouchers) {
                                  const std::string number = voucherNumbers.next(now);
                                  for (const journal::VoucherRow& row : voucher)
                                      journal::AddJournalRow(journal, row, number, dao::Value(true));
                                  numbers.push_back(number);
                                  if (watch.written)
                                      watch.written(number);
                              }
                          },
                          {&journal});
    return numbers;
}

PostedVouchers PostPlannedClosingVouchers(dao::Workspace& workspace, dao::Database& database,
                                          const std::function<PlannedVouchers()>& plan, const dao::Date& now)
{
    PostedVouchers posted;
    auto journal = database.OpenRecordset(schema::query::Journal, dao::RecordsetType::Dynaset);
    dao::RunInTransaction(workspace,
                          [&] {
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
                          },
                          {journal.get()});
    return posted;
}

}  // namespace closing
