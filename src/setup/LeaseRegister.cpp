#include "setup/LeaseRegister.h"

#include "journal/EntryDate.h"
#include "periodfile/SchemaNames.h"
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
    leases.set(schema::column::ContractNumber, boxes.contract);
    leases.set(schema::column::LeasedAssetName, boxes.assetName);
    leases.set(schema::column::AccountCode, accountCode);
    leases.set(schema::column::AcquiredOn, acquiredOn);
    leases.set(schema::column::PurchasePrice, boxes.purchase);
    leases.set(schema::column::TotalPayments, boxes.total);
    leases.set(schema::column::LeasePayments, boxes.payments);
    leases.set(schema::column::MonthlyLeasePayment, boxes.monthly);
    leases.set(schema::column::MonthlyInterest, boxes.interest);
    leases.set(schema::column::Depreciation, boxes.monthly);
    leases.set(schema::column::LeaseCompany, boxes.lessor);
    if (withPurchaseDate)
        leases.set(schema::column::PurchasedOn, acquiredOn);
    leases.set(schema::column::LeaseDepartment, boxes.department);
    leases.set(schema::column::Remarks, boxes.remarks);
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
