#pragma once
// The month-end tax-inclusive entries: for a company that books purchases and
// sales with the consumption tax included, the tax contained in each month's
// purchases and sales on credit or in cash is moved, once a month, to the
// input-tax and unpaid-tax accounts by up to four one-row vouchers dated on the
// month's last day.

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

// What the run reads of one journal row.
struct MonthEndJournalRow {
    std::optional<dao::Date> date;   // 日付
    std::string debitCode;           // 借方コード
    std::string creditCode;          // 貸方コード
    std::int64_t debit = 0;          // 入金 (null reads 0)
    std::int64_t credit = 0;         // 出金
    std::string debitClass;          // 小分類
    std::string creditClass;         // 小分類2
    bool debitTaxable = false;       // 消費税 (null reads false)
    bool debitSimplified = false;    // 簡易課税
    bool creditTaxable = false;      // 消費税2
    bool creditSimplified = false;   // 簡易課税2
};

// Every row of a recordset on Q_仕訳台帳, from its first; leaves it on the first row.
std::vector<MonthEndJournalRow> ReadMonthEndRows(dao::Recordset& journal);

struct MonthEndVoucherList {
    std::vector<NumberedRow> rows;         // one row per voucher
    std::optional<std::string> error;      // a message when nothing may be posted
};

// The vouchers for the journal rows (in ascending 日付) of the period from
// `periodFirst` to `periodLast`, both days included. Each row's tax is taken
// at the rate in force on its own 日付. Fails, naming the account, when one of
// the five accounts is missing; an empty journal gives nothing and no failure.
MonthEndVoucherList MonthEndVouchers(const std::vector<MonthEndJournalRow>& journal, const dao::Date& periodFirst,
                                     const dao::Date& periodLast, const MonthEndAccounts& accounts,
                                     const TaxRateTable& rates, FractionRule rule);

// The run of the button "月末消費税仕訳登録（内税）".
struct MonthEndSources {
    dao::Workspace& workspace;
    dao::Database& database;   // the period file
    dao::Recordset& journal;   // the window's dynaset on Q_仕訳台帳 (opened on `database`)
    dao::Date periodFirst;     // 会計期間開始日
    dao::Date periodLast;      // 会計期間終了日
    MonthEndAccounts accounts;
    TaxRateTable rates;
    FractionRule rule = FractionRule::None;
};

inline const char* const kMonthEndAlreadyPosted = "月末の消費税仕訳は既に登録されています";

// Posts the month-end vouchers that the journal does not hold yet, all in one
// transaction. A missing account or a failed write posts nothing and says why.
RunOutcome PostMonthEndTaxEntries(MonthEndSources& sources);

}  // namespace journal
