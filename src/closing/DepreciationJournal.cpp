#include "closing/DepreciationJournal.h"

#include "closing/ClosingVouchers.h"
#include "journal/MonthEndPosting.h"
#include "platform/dao/Database.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Recordset.h"

namespace closing {

std::vector<FixedAssetFigure> ReadFixedAssets(dao::Database& database)
{
    std::vector<FixedAssetFigure> assets;
    auto register_ = database.OpenRecordset("Q_固定資産台帳", dao::RecordsetType::Snapshot);
    if (register_->isEmpty())
        return assets;
    for (register_->MoveFirst(); !register_->EOF_(); register_->MoveNext()) {
        FixedAssetFigure asset;
        asset.number = register_->get("管理番号").toText();
        asset.name = register_->get("名称").toText();
        asset.accountCode = register_->get("勘定科目コード").toText();
        const dao::Value figure = register_->get("減価償却費");
        if (figure.isNumeric())
            asset.depreciation = figure.toInt32();
        assets.push_back(std::move(asset));
    }
    return assets;
}

std::string DepreciationDescription(const FixedAssetFigure& asset)
{
    return asset.number + asset.name;
}

DepreciationPlan PlanDepreciationJournal(const std::vector<FixedAssetFigure>& assets, const std::string& expenseCode,
                                         const dao::Date& date, const ChartCodes& chart)
{
    DepreciationPlan plan;
    for (const FixedAssetFigure& asset : assets) {
        const char* lacking = nullptr;
        if (asset.accountCode.empty())
            lacking = "勘定科目がありません";
        else if (!chart.has(asset.accountCode))
            lacking = "勘定科目コードが登録されていません";
        else if (!asset.depreciation)
            lacking = "減価償却費がありません";
        if (lacking) {
            plan.leftOut.push_back(asset.number + " " + asset.name + "（" + lacking + "）");
            continue;
        }
        if (plan.vouchers.empty() || static_cast<int>(plan.vouchers.back().size()) == kDepreciationRowsPerVoucher)
            plan.vouchers.emplace_back();
        journal::VoucherRow row;
        row.date = date;
        row.rowNumber = static_cast<int>(plan.vouchers.back().size()) + 1;
        row.description = DepreciationDescription(asset);
        row.partner = std::string();
        row.debitCode = expenseCode;
        row.debit = *asset.depreciation;
        row.creditCode = asset.accountCode;
        row.credit = *asset.depreciation;
        row.bankCode = std::string();
        row.branchCode = std::string();
        plan.vouchers.back().push_back(std::move(row));
    }
    return plan;
}

std::string LeftOutAssetsMessage(const std::vector<std::string>& leftOut)
{
    std::string text = "次の固定資産は仕訳を作成しませんでした";
    for (const std::string& line : leftOut)
        text += "\n" + line;
    return text;
}

ClosingRunResult PostDepreciationJournal(dao::Workspace& workspace, dao::Database& database,
                                         const ClosingDateBoxes& boxes, const dao::Date& now)
{
    ClosingRunResult result;
    const CheckedClosingDate checked = CheckClosingDate(database, boxes);
    if (!checked.date) {
        result.notices.push_back(*checked.refusal);
        return result;
    }
    const ChartCodes chart(database);
    const std::string expenseCode = chart.codeOf(kDepreciationExpenseAccount);
    if (expenseCode.empty()) {
        result.notices.push_back(Refusal(journal::MissingAccountMessage(kDepreciationExpenseAccount)));
        return result;
    }
    const std::vector<FixedAssetFigure> assets = ReadFixedAssets(database);
    if (assets.empty())
        return result;   // an empty register: nothing to post, nothing to say

    const DepreciationPlan plan = PlanDepreciationJournal(assets, expenseCode, *checked.date, chart);
    try {
        result.postedVouchers = PostClosingVouchers(workspace, database, plan.vouchers, now);
    } catch (const dao::DaoError& e) {
        result.postedVouchers.clear();
        result.notices.push_back(Refusal(journal::PostingFailedMessage(e.what())));
        return result;
    }
    for (const ClosingVoucher& voucher : plan.vouchers)
        result.postedRows += static_cast<int>(voucher.size());
    if (!plan.leftOut.empty())
        result.notices.push_back(Information(LeftOutAssetsMessage(plan.leftOut)));
    return result;
}

}  // namespace closing
