#pragma once
// The year-end consumption-tax settlement of the closing window, booked as
// one closing voucher dated on the closing date.
//
// Tax-exclusive bookkeeping (処理方法 "1"): the balances of the period's tax
// accounts, over every row dated within the period (closing entries and
// earlier settlements included), are cleared against the tax payable: a
// second run posts only what is left, and nothing when nothing is left.
//
// Tax-inclusive bookkeeping (処理方法 "2"): the tax contained in the period's
// taxable sales and purchases, S × r / (100 + r), each row's sum taken at the
// rate in force on its own date; one settlement per period. The taxable
// accounts are those of the profit and loss (大分類 "経常損益" or "特別損益")
// with 消費税 set: the debit-normal ones (借貸区分 0: costs of sales,
// manufacturing costs, expenses) are the purchases, the credit-normal ones the
// sales.
//
// Every run reads what it settles, and looks for an earlier settlement, inside
// the transaction that writes its voucher, once the write lock is held.

#include "closing/ClosingRun.h"
#include "closing/ClosingVouchers.h"
#include "closing/PeriodJournal.h"
#include "journal/TaxAmount.h"
#include "journal/TaxRateTable.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace closing {

inline const char* const kSettlementTitle = "精算仕訳自動作成";
inline const char* const kSettlementDescription = "消費税精算";
inline const char* const kExclusiveAccountsMissing =
    "勘定科目が登録されていません　仮受消費税、仮払消費税、仮払金、未払消費税、雑収入";
inline const char* const kInclusiveAccountsMissing = "租税公課、未払消費税の勘定科目が登録されていません";
inline const char* const kNothingToSettle = "精算する消費税の残高はありません";
inline const char* const kFractionRuleNotSet = "消費税の端数処理が設定されていません";

// ---- tax-exclusive -------------------------------------------------------------

struct TaxExclusiveAccounts {
    std::string outputTax;   // 仮受消費税
    std::string inputTax;    // 仮払消費税
    std::string interim;     // 仮払金 (the interim tax payments)
    std::string payable;     // 未払消費税
    std::string miscIncome;  // 雑収入
};

struct TaxExclusiveSettlement {
    std::int64_t outputTax = 0;  // A: credits − debits of 仮受消費税
    std::int64_t inputTax = 0;   // B: debits − credits of 仮払消費税
    std::int64_t interim = 0;    // M: debits − credits of 仮払金
    std::int64_t payable = 0;    // P: A − (B + M), truncated toward zero to whole thousands
    std::int64_t remainder = 0;  // R: what the truncation left, to miscellaneous income

    bool nothingLeft() const { return outputTax == 0 && inputTax == 0 && interim == 0; }
};

TaxExclusiveSettlement SettleTaxExclusive(const std::vector<PeriodJournalRow>& rows,
                                          const TaxExclusiveAccounts& accounts);

// The four rows, all debiting 仮受消費税: 消費税精算 A / B, （中間消費税支払）
// 0 / M, （確定納付額） 0 / P, （消費税雑収入） 0 / R. nullopt when an amount
// does not fit a stored amount.
std::optional<ClosingVoucher> TaxExclusiveVoucher(const TaxExclusiveSettlement& settlement,
                                                  const TaxExclusiveAccounts& accounts, const dao::Date& date);

// ---- tax-inclusive -------------------------------------------------------------

// Which side of the tax-inclusive settlement an account's rows feed.
enum class TaxSide { Purchases, Sales };

// The taxable profit-and-loss accounts by code (see above).
using TaxableAccounts = std::map<std::string, TaxSide>;

// Those of the chart of accounts (勘定科目コード表) of `database`.
TaxableAccounts ReadTaxableAccounts(dao::Database& database);

// Taxable sales and purchases of the period by the rate in force on each row's date.
struct TaxInclusiveSums {
    std::map<int, std::int64_t> sales;      // S_s: credits − debits of the taxable credit-normal accounts
    std::map<int, std::int64_t> purchases;  // S_p: debits − credits of the taxable debit-normal accounts
};

TaxInclusiveSums TaxInclusiveSumsOf(const std::vector<PeriodJournalRow>& rows, const journal::TaxRateTable& rates,
                                    const TaxableAccounts& taxable);

struct TaxInclusiveSettlement {
    std::int64_t salesTax = 0;     // T_s: per rate S_s × r / (100 + r) by the fraction rule, added up
    std::int64_t purchaseTax = 0;  // T_p: the same, always truncated
    std::int64_t payable() const { return salesTax - purchaseTax; }
};

TaxInclusiveSettlement SettleTaxInclusive(const TaxInclusiveSums& sums, journal::FractionRule salesRule);

// An earlier tax-inclusive settlement among the period's rows: the 伝票番号 of
// a closing entry "消費税精算" debiting 租税公課 and crediting 未払消費税.
std::optional<std::string> EarlierInclusiveSettlement(const std::vector<PeriodJournalRow>& rows,
                                                      const std::string& taxesCode, const std::string& payableCode);

// "この会計期間の消費税精算仕訳（伝票番号 …）は既に登録されています"
std::string AlreadySettledMessage(const std::string& voucher);

// ---- the run -------------------------------------------------------------------

// The run of the button "消費税精算仕訳登録" (no question is asked first).
// 申告区分 "1" (tax-exempt) and 処理方法 other than "1" and "2" post nothing
// and say nothing. Refused, with nothing written: a missing account (an
// OK/Cancel box titled "精算仕訳自動作成"), a date that does not exist or
// lies outside the period, an amount out of range, a tax-inclusive period
// already settled, a tax-inclusive run without a fraction rule. A failed
// write rolls the voucher back and says so. `now` numbers the voucher. What
// is settled, and whether the period is settled already, is read inside the
// write transaction, after the lock is held.
ClosingRunResult PostTaxSettlementEntries(dao::Workspace& workspace, dao::Database& database,
                                          const ClosingDateBoxes& boxes, const dao::Date& now);

}  // namespace closing
