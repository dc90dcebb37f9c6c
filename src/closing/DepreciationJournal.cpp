#include "closing/DepreciationJournal.h"

#include "closing/ClosingVouchers.h"
#include "journal/MonthEndPosting.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/DaoError.h"
#include "platform/dao/Recordset.h"

#include <algorithm>
#include <set>
#include <utility>

namespace closing {

std::vector<FixedAssetFigure> ReadFixedAssets(dao::Database& database)
{
    std::vector<FixedAssetFigure> assets;
    auto register_ = database.OpenRecordset(schema::query::FixedAssets, dao::RecordsetType::Snapshot);
    if (register_->isEmpty())
        return assets;
    for (register_->MoveFirst(); !register_->EOF_(); register_->MoveNext()) {
        FixedAssetFigure asset;
        asset.number = register_->get(schema::column::AssetNumber).toText();
        asset.name = register_->get(schema::column::AssetName).toText();
        asset.accountCode = register_->get(schema::column::AccountCode).toText();
        const dao::Value figure = register_->get(schema::column::Depreciation);
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

std::vector<std::string> EarlierDepreciationVouchers(const std::vector<PeriodJournalRow>& rows,
                                                     const std::vector<FixedAssetFigure>& assets,
                                                     const std::string& expenseCode)
{
    std::set<std::pair<std::string, std::string>> postings;  // (摘要, 貸方コード) an asset's row carries
    for (const FixedAssetFigure& asset : assets)
        postings.emplace(DepreciationDescription(asset), asset.accountCode);
    std::vector<std::string> vouchers;
    for (const PeriodJournalRow& row : rows) {
        if (!row.closingEntry || row.debitCode != expenseCode || !postings.count({row.description, row.creditCode}))
            continue;
        if (std::find(vouchers.begin(), vouchers.end(), row.voucher) == vouchers.end())
            vouchers.push_back(row.voucher);
    }
    return vouchers;
}

std::string AlreadyPostedDepreciationMessage(const std::vector<std::string>& vouchers)
{
    std::string numbers;
    for (const std::string& voucher : vouchers)
        numbers += (numbers.empty() ? "" : "、") + voucher;
    return "この会計期間の減価償却費仕訳（伝票番号 " + numbers
        + "）は既に登録されています　作成し直すときは、先にその仕訳を削除してください";
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

    // Read under the write lock: another run that posts meanwhile is seen.
    std::vector<std::string> leftOut;
    const auto plan = [&]() -> PlannedVouchers {
        leftOut.clear();
        const std::vector<FixedAssetFigure> assets = ReadFixedAssets(database);
        if (assets.empty())
            return {};  // an empty register: nothing to post, nothing to say
        const std::vector<std::string> earlier = EarlierDepreciationVouchers(
            ReadPeriodJournal(database, *checked.period, "決算仕訳 <> 0 AND 借方コード = " + SqlText(expenseCode)),
            assets, expenseCode);
        if (!earlier.empty())
            return {{}, Refusal(AlreadyPostedDepreciationMessage(earlier))};
        DepreciationPlan planned = PlanDepreciationJournal(assets, expenseCode, *checked.date, chart);
        leftOut = std::move(planned.leftOut);
        return {std::move(planned.vouchers), std::nullopt};
    };
    try {
        const PostedVouchers posted = PostPlannedClosingVouchers(workspace, database, plan, now);
        if (posted.refusal) {
            result.notices.push_back(*posted.refusal);
            return result;
        }
        result.postedVouchers = posted.numbers;
        result.postedRows = posted.rows;
    } catch (const dao::DaoError& e) {
        result.notices.push_back(Refusal(journal::PostingFailedMessage(e.what())));
        return result;
    }
    if (!leftOut.empty())
        result.notices.push_back(Information(LeftOutAssetsMessage(leftOut)));
    return result;
}

}  // namespace closing
