#include "setup/RegisterPrintouts.h"

#include "common/DateFormat.h"
#include "common/FitByteWidth.h"
#include "common/NumberMasks.h"
#include "periodfile/SchemaNames.h"
#include "setup/PrintFields.h"

#include <functional>

namespace setup {

namespace {

std::string Text(const dao::Recordset& rs, const char* field, int bytes)
{
    return o::FitByteWidth(rs.get(field).toText(), bytes);
}

std::string DateText(const dao::Recordset& rs, const char* field, const char* pattern, int bytes)
{
    return o::FitByteWidth(o::FormatDate(rs.get(field), pattern), bytes);
}

// The register's walk: the header block on each page, `linesPerRecord` lines
// and a gap per record, a new page when a record does not fit.
void PrintRegister(SetupPage& page, dao::Recordset& records, const char* title, int linesPerRecord,
                   const std::function<void()>& headings, const std::function<void(const dao::Recordset&)>& record)
{
    if (records.isEmpty())
        return;
    int pageNumber = 1;
    auto header = [&] {
        page.headerBlock(title, SetupPageText(kOnePagePageLabel, pageNumber));
        headings();
    };
    header();
    for (records.MoveFirst(); !records.EOF_(); records.MoveNext()) {
        if (!page.roomFor(linesPerRecord)) {
            page.newPage();
            ++pageNumber;
            header();
        }
        record(records);
        page.gap();
    }
    page.newPage();
}

}  // namespace

std::string FixedAssetFirstLine(const dao::Recordset& asset)
{
    return Text(asset, schema::column::AssetNumber, 10) + " " + Text(asset, schema::column::AssetName, 16) + " "
        + NumberField(asset.get(schema::column::Quantity), o::kWholeMask, 4) + " "
        + Text(asset, schema::column::AccountName, 12) + " "
        + DateText(asset, schema::column::AcquiredOn, " yyyy/mm/dd", 12) + " "
        + NumberField(asset.get(schema::column::AcquisitionCost), o::kAmountMask, 12) + " "
        + Text(asset, schema::column::DepreciationMethod, 10)
        + NumberField(asset.get(schema::column::UsefulLife), o::kWholeMask, 4, "年") + "  "
        + RateField(asset.get(schema::column::DepreciationRate), 6) + "  "
        + RateField(asset.get(schema::column::GuaranteeRate), 8) + " "
        + NumberField(asset.get(schema::column::ResidualValue), o::kAmount8Mask, 10);
}

std::string FixedAssetSecondLine(const dao::Recordset& asset)
{
    return std::string(32, ' ') + NumberField(asset.get(schema::column::Depreciation), o::kAmount8Mask, 10) + " "
        + Text(asset, schema::column::AssetDepartment, 10) + " " + Text(asset, schema::column::Remarks, 10);
}

std::string LeaseLine(const dao::Recordset& lease)
{
    return Text(lease, schema::column::ContractNumber, 14) + " " + Text(lease, schema::queryColumn::LeaseItemName, 24)
        + " " + NumberField(lease.get(schema::queryColumn::LeasePeriod), o::kWholeMask, 10, "年") + " "
        + NumberField(lease.get(schema::queryColumn::LeaseTotal), o::kAmountMask, 14) + " "
        + NumberField(lease.get(schema::queryColumn::LeasePayment), o::kAmountMask, 14) + " "
        + Text(lease, schema::column::LeaseCompany, 18) + " "
        + DateText(lease, schema::column::AcquiredOn, " yyyy年     mm月     dd日", 30) + " "
        + Text(lease, schema::column::LeaseDepartment, 18) + " " + Text(lease, schema::column::Remarks, 30);
}

void PrintFixedAssetRegister(SetupPage& page, dao::Recordset& fixedAssets)
{
    PrintRegister(
        page, fixedAssets, kFixedAssetRegisterTitle, 2,
        [&] {
            page.line(kFixedAssetHeading1);
            page.gap();
            page.line(kFixedAssetHeading2);
            page.gap();
        },
        [&](const dao::Recordset& asset) {
            page.line(FixedAssetFirstLine(asset));
            page.line(FixedAssetSecondLine(asset));
        });
}

void PrintLeaseRegister(SetupPage& page, dao::Recordset& leases)
{
    PrintRegister(
        page, leases, kLeaseRegisterTitle, 1, [] {}, [&](const dao::Recordset& lease) { page.line(LeaseLine(lease)); });
}

}  // namespace setup
