#include "setup/LeaseRegister.h"

#include "journal/EntryDate.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Transaction.h"
#include "registers/FixedAssetFields.h"
#include "setup/RegisterLists.h"
#include "setup/ShownRecordWrites.h"

#include <memory>

namespace setup {

namespace {

constexpr const char* kLeaseSource = "Q_リース資産管理";

std::unique_ptr<dao::Recordset> openLeases(dao::Database& db)
{
    return db.OpenRecordset(kLeaseSource, dao::RecordsetType::Dynaset);
}

// The fields of the record table in their order; 購入日 only when asked.
void writeLease(dao::Recordset& leases, const LeaseBoxes& boxes, const dao::Date& acquiredOn,
                const std::string& accountCode, bool withPurchaseDate)
{
    leases.set("契約番号", boxes.contract);
    leases.set("資産名称", boxes.assetName);
    leases.set("勘定科目コード", accountCode);
    leases.set("取得年月日", acquiredOn);
    leases.set("購入金額", boxes.purchase);
    leases.set("支払総額", boxes.total);
    leases.set("リース回数", boxes.payments);
    leases.set("月リース料金", boxes.monthly);
    leases.set("月支払利息", boxes.interest);
    leases.set("減価償却費", boxes.monthly);
    leases.set("リース会社", boxes.lessor);
    if (withPurchaseDate)
        leases.set("購入日", acquiredOn);
    leases.set("使用部署", boxes.department);
    leases.set("備考", boxes.remarks);
}

}  // namespace

LeaseCheck CheckLeaseBoxes(const LeaseBoxes& boxes, LeaseButton button)
{
    LeaseCheck check;
    for (const std::string* required : {&boxes.contract, &boxes.assetName, &boxes.purchase, &boxes.total,
                                        &boxes.accountName, &boxes.year, &boxes.month, &boxes.day})
        if (required->empty()) {
            check.message = registers::kNoDataMessage;
            return check;
        }
    if (button == LeaseButton::Register && boxes.payments.empty()) {
        check.message = registers::kNoDataMessage;
        return check;
    }
    if (!registers::IsNumericText(boxes.purchase) || !registers::IsNumericText(boxes.total)) {
        check.message = registers::kBadNumberMessage;
        return check;
    }
    check.date = journal::DateFromBoxes(boxes.year, boxes.month, boxes.day);
    if (!check.date)
        check.message = registers::kBadDateMessage;
    return check;
}

void RegisterLease(dao::Workspace& ws, dao::Database& db, const LeaseBoxes& boxes, const dao::Date& acquiredOn,
                   const std::string& accountCode)
{
    dao::RunInTransaction(ws, [&] {
        auto leases = openLeases(db);
        leases->AddNew();
        writeLease(*leases, boxes, acquiredOn, accountCode, true);
        leases->Update();
    });
}

std::optional<std::string> UpdateLease(dao::Workspace& ws, dao::Database& db, const ShownLine& line,
                                       const LeaseBoxes& boxes, const dao::Date& acquiredOn,
                                       const std::string& accountCode)
{
    return ChangeShownRecord(ws, db, kLeaseSource, LeaseKey, line, kLeaseWhat, [&](dao::Recordset& lease) {
        lease.Edit();
        writeLease(lease, boxes, acquiredOn, accountCode, false);
        lease.Update();
        return std::optional<std::string>();
    });
}

std::optional<std::string> DeleteLease(dao::Workspace& ws, dao::Database& db, const ShownLine& line)
{
    return DeleteShownRecord(ws, db, kLeaseSource, LeaseKey, line, kLeaseWhat);
}

}  // namespace setup
