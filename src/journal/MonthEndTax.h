#pragma once
// The month-end tax-inclusive entries: for a company that books purchases and
// sales with the consumption tax included, the tax contained in each month's
// purchases and sales on credit or in cash is moved, once a month, to the
// input-tax and unpaid-tax accounts by up to four one-row vouchers dated on the
// month's last day.

#include "journal/JournalRecord.h"
#include "journal/MonthEndPosting.h"
#include "journal/TaxAmount.h"
#include "journal/TaxRateTable.h"
#include "platform/dao/Value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dao {
class Database;
class Recordset;
class Workspace;
}  // namespace dao

namespace journal {

// The codes of the accounts the entries need, looked up when the window loads
// ("" for an account the chart does not hold).
struct MonthEndAccounts {
    std::string inputTax;     // 仮払消費税
    std::string payables;     // 買掛金
    std::string cash;         // 現金
    std::string unpaidTax;    // 未払消費税
    std::string receivables;  // 売掛金
};

// What a month's voucher of one kind should hold: every closed month has one
// of each of the four kinds, also those whose total is 0 and are not posted.
struct MonthEndTotal {
    dao::Date monthEnd;       // the month's last day
    std::string number;       // 伝票番号
    std::string description;  // 摘要, "10月分仮払消費税（買掛金）"
    std::int64_t total = 0;
};

struct MonthEndVoucherList {
    std::vector<NumberedRow> rows;      // one row per voucher whose total is not 0
    std::vector<MonthEndTotal> totals;  // four per closed month
    std::optional<std::string> error;   // a message when nothing may be posted
};

// The vouchers for the journal rows (read with their tax columns; taken in
// the order of their dates' values, rows of one day in the given order) of the
// period from
// `periodFirst` to `periodLast`, both days included. Each row's tax is taken
// at the rate in force on its own 日付. Fails, naming the account, when one of
// the five accounts is missing; an empty journal gives nothing and no failure.
MonthEndVoucherList MonthEndVouchers(const std::vector<JournalRecord>& journal, const dao::Date& periodFirst,
                                     const dao::Date& periodLast, const MonthEndAccounts& accounts,
                                     const TaxRateTable& rates, FractionRule rule);

// The run of the button "月末消費税仕訳登録（内税）".
struct MonthEndSources {
    dao::Workspace& workspace;
    dao::Database& database;  // the period file
    dao::Recordset& journal;  // the window's dynaset on Q_仕訳台帳 (opened on `database`)
    dao::Date periodFirst;    // 会計期間開始日
    dao::Date periodLast;     // 会計期間終了日
    MonthEndAccounts accounts;
    TaxRateTable rates;
    FractionRule rule = FractionRule::None;
};

inline const char* const kMonthEndAlreadyPosted = "月末の消費税仕訳は既に登録されています";

// The notice of months whose stored voucher holds another amount than the
// journal gives now (purchases or sales corrected after a run): each named by
// its month and kind, with both figures. The stored vouchers are left as they are.
std::string MonthEndDifferencesMessage(const std::vector<std::pair<MonthEndTotal, std::int64_t>>& differences);

// Posts the month-end vouchers that the journal does not hold yet, all in one
// transaction. A damaged journal row (named by the file, the table, the row
// and the field), a missing account, a voucher number held by another voucher
// or a failed write posts nothing and says why; a stored voucher whose amount the
// journal no longer gives is named with both figures.
RunOutcome PostMonthEndTaxEntries(MonthEndSources& sources);

}  // namespace journal
