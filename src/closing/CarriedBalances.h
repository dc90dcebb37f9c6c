#pragma once
// What the rollover carries from the closed period besides the chart's
// balances: each bank account's balance at the period's end, and each fixed
// asset's book value after the depreciation the period's journal posted for it.

#include "closing/ClosedJournalWalk.h"
#include "closing/ClosingRun.h"
#include "closing/PeriodJournal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dao {
class Database;
}

namespace closing {

// One row of 取引銀行 and its balance at the end of the period: its opening
// balance moved by the rows of the period that carry its bank and branch and
// name its deposit account (the bank book's own reckoning). Every account is
// carried, whether or not its bank is in the bank master.
struct BankCarry {
    long long rowid = 0;
    std::string bankCode;
    std::string branchCode;
    std::string kind;  // 種別
    std::int64_t balance = 0;
};

// `sums` are the period's bank rows as the closed journal's walk summed them;
// a sum beyond 64 bits is refused (RolloverRefused) naming the bank.
std::vector<BankCarry> BankBalancesAtPeriodEnd(dao::Database& database, const std::vector<BankRowsSum>& sums);

// One asset of 固定資産台帳 whose depreciation the period's depreciation
// journal posted: its new 残存価格 (the old one less what was posted).
struct AssetCarry {
    long long rowid = 0;
    std::string number;          // 管理番号
    std::string name;            // 名称
    std::int64_t posted = 0;     // the depreciation posted in the period
    std::int64_t bookValue = 0;  // 残存価格 after it
};

// The depreciation journal's rows of the period are the closing entries that
// debit the depreciation expense account and credit an asset's account with
// the asset's 管理番号 and 名称 as 摘要; `expenseRows` are the row numbers of
// the period's rows that debit that account, as the closed journal's walk
// found them. Assets that share number, name and account take such rows in
// turn, in the register's order, as the journal posts them (in the order the
// rows were written).
std::vector<AssetCarry> AssetsAfterDepreciation(dao::Database& database, const std::vector<long long>& expenseRows);

}  // namespace closing
