#pragma once
// Turning the grid into the journal rows of one voucher, every row checked
// before anything is written.

#include "journal/EntryRows.h"
#include "platform/dao/Value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace journal {

// One row of Q_仕訳台帳 as this window writes it (伝票番号 and 決算仕訳 are set by the store).
struct VoucherRow {
    dao::Date date;                          // 日付
    int rowNumber = 0;                       // 追番, from 1
    std::optional<std::string> description;  // 摘要 (unset when nullopt)
    std::optional<std::string> partner;      // 取引先
    std::string debitCode;                   // 借方コード
    std::int32_t debit = 0;                  // 入金
    std::string creditCode;                  // 貸方コード
    std::int32_t credit = 0;                 // 出金
    std::optional<std::string> bankCode;     // 銀行コード
    std::optional<std::string> branchCode;   // 支店コード
};

// Register leaves empty texts unset and carries a partner down to the rows below;
// update writes the cells as they stand.
enum class BuildMode { Register, Update };

struct VoucherBuild {
    std::vector<VoucherRow> rows;
    std::optional<std::string> error;  // the message when the grid cannot be stored
};

namespace messages {
std::string AmountNotNumeric(int gridRow);  // gridRow counts from 1
std::string AmountOutOfRange(int gridRow);
inline const char* const kTotalOutOfRange = "合計金額が扱える範囲（-2,147,483,648～2,147,483,647円）を超えています";
inline const char* const kNoRowToStore = "金額の入力された行がありません";
}  // namespace messages

// The rows with an amount text, numbered from 1. An empty account cell takes the
// code of the nearest stored row above; an empty amount cell beside a filled one
// is stored as 0. Fails on an amount that is not a number or not in the 32-bit
// range, on totals outside that range, on a row whose account cannot be found
// (ValidateEntry reports misspelt names first), and when no row holds an amount.
// A row's branch is looked up among the branches of the row's own bank.
VoucherBuild BuildVoucherRows(const EntryRows& grid, const dao::Date& date, const CodeLookup& findCode,
                              const BranchLookup& findBranch, BuildMode mode);

}  // namespace journal
