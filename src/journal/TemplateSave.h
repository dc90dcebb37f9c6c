#pragma once
// Saving the entry grid as a new journal template ("定型仕訳登録").

#include "journal/EntryRows.h"
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

// One row of Q_仕訳定型台帳 as the save writes it (仕訳ID is given by the save).
struct TemplateRowToSave {
    int rowNumber = 0;                      // 追番: the grid row number, so skipped rows leave gaps
    std::string description;                // 摘要
    std::optional<std::string> partner;     // 取引先, only when filled in
    std::string debitCode;                  // 借方コード
    std::string creditCode;                 // 貸方コード
    std::int32_t debit = 0;                 // 入金
    std::int32_t credit = 0;                // 出金
    std::optional<std::string> bankCode;    // 銀行コード, only when found
    std::optional<std::string> branchCode;  // 支店コード, only when found
};

// The rows to save, from the grid and the amount arrays as DataCheck left them:
// grid rows from the first until the first without a description; a row whose
// two amounts are 0 is left out; an account name without a code takes the code
// of the nearest saved row above. With `zeroAmounts` ("金額を０で登録") every
// row is saved with 0 and 0.
// The refusal for a grid whose saved rows name an account that is not registered
// ("借方勘定科目が登録されていません" / "貸方勘定科目が登録されていません"), or nothing.
// Only an empty account cell takes the account of the row above; a misspelt one
// would otherwise be saved with another row's account.
std::optional<std::string> UnregisteredTemplateAccount(const EntryRows& grid, const AmountArray& debitAmounts,
                                                       const AmountArray& creditAmounts, const CodeLookup& findCode);

// A row's branch is looked up among the branches of the row's own bank.
std::vector<TemplateRowToSave> BuildTemplateRows(const EntryRows& grid, const AmountArray& debitAmounts,
                                                 const AmountArray& creditAmounts, bool zeroAmounts,
                                                 const CodeLookup& findCode, const BranchLookup& findBranch);

// Adds the rows to `templates` (a dynaset on Q_仕訳定型台帳 opened on `database`)
// under a new 仕訳ID (the time `now` as "yymmddhhmmss", or the next second no
// template holds yet), all in one transaction, and returns the 仕訳ID; "" when
// there is no row to save. Throws dao::DaoError after rolling back when a write fails.
std::string SaveTemplate(dao::Workspace& workspace, dao::Database& database, dao::Recordset& templates,
                         const std::vector<TemplateRowToSave>& rows, const dao::Date& now);

}  // namespace journal
