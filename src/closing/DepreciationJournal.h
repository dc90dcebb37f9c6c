#pragma once
// The depreciation journal of the closing window: each fixed asset's
// depreciation for the period, as the register holds it, posted as a closing
// entry that debits the expense account "減価償却費" and credits the asset's
// own account. Ten assets at most make one voucher (rows 1 to n, n <= 10),
// each voucher under a number the journal does not hold yet, and the whole
// posting is one transaction.

#include "closing/ClosingRun.h"
#include "closing/PeriodJournal.h"
#include "journal/VoucherRows.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace closing {

inline constexpr int kDepreciationRowsPerVoucher = 10;

// The question the window asks before the run (Yes/No).
inline const char* const kDepreciationQuestion = "固定資産台帳から減価償却費の仕訳を作成します よろしいですか？";
inline const char* const kDepreciationQuestionTitle = "決算処理";
inline const char* const kDepreciationExpenseAccount = "減価償却費";

// What the journal reads of one asset of Q_固定資産台帳.
struct FixedAssetFigure {
    std::string number;                        // 管理番号
    std::string name;                          // 名称
    std::string accountCode;                   // 勘定科目コード
    std::optional<std::int32_t> depreciation;  // 減価償却費; nullopt: the register holds no figure
};

// Every asset of Q_固定資産台帳, in the register's order.
std::vector<FixedAssetFigure> ReadFixedAssets(dao::Database& database);

// 摘要 of an asset's row: 管理番号 immediately followed by 名称.
std::string DepreciationDescription(const FixedAssetFigure& asset);

struct DepreciationPlan {
    std::vector<std::vector<journal::VoucherRow>> vouchers;  // rows numbered 1..n, n <= 10
    std::vector<std::string> leftOut;                        // one line per asset left out
};

// The vouchers for the assets, dated `date`, debiting `expenseCode`. An asset
// without an account, with an account the chart does not hold, or without a
// figure is left out and named; a figure of 0 gives a row of 0.
DepreciationPlan PlanDepreciationJournal(const std::vector<FixedAssetFigure>& assets, const std::string& expenseCode,
                                         const dao::Date& date, const ChartCodes& chart);

// The message naming the assets left out.
std::string LeftOutAssetsMessage(const std::vector<std::string>& leftOut);

// The vouchers of an earlier posting among the period's rows, in the order
// first met: closing entries debiting `expenseCode` that carry an asset's
// description (管理番号 and 名称) and credit that asset's account.
std::vector<std::string> EarlierDepreciationVouchers(const std::vector<PeriodJournalRow>& rows,
                                                     const std::vector<FixedAssetFigure>& assets,
                                                     const std::string& expenseCode);

// "この会計期間の減価償却費仕訳（伝票番号 …、…）は既に登録されています…"
std::string AlreadyPostedDepreciationMessage(const std::vector<std::string>& vouchers);

// The run of the button "減価償却費仕訳登録", after the window's question was
// answered Yes. `boxes` are the date boxes of the closing tab; `now` numbers
// the vouchers ("yymmddhhmmss", or the next second the journal does not hold).
// Refuses, writing nothing: a date that does not exist or lies outside the
// period, a chart without "減価償却費", a period whose journal holds the
// vouchers of an earlier posting (AlreadyPostedDepreciationMessage: they are
// deleted before the journal is posted again). The register and the journal
// are read inside the write transaction, once the lock is held, so that two
// runs at once post once. An empty register posts nothing and says nothing. Assets left out are named in a notice. A
// failed write rolls the whole posting back and says so.
ClosingRunResult PostDepreciationJournal(dao::Workspace& workspace, dao::Database& database,
                                         const ClosingDateBoxes& boxes, const dao::Date& now);

}  // namespace closing
