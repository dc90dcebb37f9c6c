#pragma once
// The journal templates of the setup window's tab "定型仕訳入力": the check of
// the grid, the rows the grid stores as a template, and registering, replacing
// and deleting a template, each in one transaction. A template is named by its
// 仕訳ID; replacing or deleting it is refused when its stored rows are no
// longer those its list lines showed.

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

namespace setup {

inline constexpr const char* kTemplateWhat = "定型仕訳";
inline constexpr const char* kTemplateNotChosenMessage = "定型仕訳が選択されていません";
inline constexpr const char* kTemplateAccountNameMissing = "勘定科目名が設定されていません";

// ValidateEntry: the message of the first check that fails, nullopt when all pass:
// row 0's description, debit or credit account empty; row 0's debit, then credit
// account not in the chart; a row with "当座預金", "普通預金" or "通知預金" on
// either side without a bank or a branch name.
std::optional<std::string> TemplateEntryRefusal(const journal::EntryRows& grid, const journal::CodeLookup& findCode);

// One row of Q_仕訳定型台帳 as the grid stores it.
struct TemplateRowToStore {
    int rowNumber = 0;                   // 追番, from 1 without gaps
    std::string description;             // 摘要
    std::optional<std::string> partner;  // 取引先, carried down; unset before any row named one
    std::string debitCode;               // 借方コード, carried down where the cell is empty
    std::int32_t debit = 0;              // 入金, the cell's amount as shown (0 when empty)
    std::string creditCode;              // 貸方コード
    std::int32_t credit = 0;             // 出金
    std::string bankCode;                // 銀行コード ("" when not found)
    std::string branchCode;              // 支店コード, a branch of that bank ("" when not found)
};

struct TemplateRows {
    std::vector<TemplateRowToStore> rows;
    std::optional<std::string> error;  // why the grid cannot be stored
};

// The grid rows from the first to the row before the first whose description
// and both account cells are empty. An empty account cell takes the code of the
// nearest row above that has one, an empty partner the partner above; an
// account name the chart lacks is refused (it would otherwise be stored with
// another row's account). Amounts are the cells' texts; one that is not a
// number or out of range is refused. Each row keeps its own bank and branch; a
// row with neither takes those of row 0. The branch is found among the
// branches of the row's bank.
TemplateRows BuildTemplateRows(const journal::EntryRows& grid, const journal::CodeLookup& findCode,
                               const journal::BranchLookup& findBranch);

// What every row of a template holds besides its own cells.
struct TemplateHeader {
    bool closing = false;      // 決算仕訳, from "決算整理仕訳"
    std::string displayOrder;  // 表示順位
};

// Adds the rows as a new template under the 仕訳ID of `now` ("yymmddhhmmss"), or
// of the first later second that no template holds, and returns that 仕訳ID.
std::string RegisterTemplate(dao::Workspace& ws, dao::Database& db, const std::vector<TemplateRowToStore>& rows,
                             const TemplateHeader& header, const dao::Date& now);

// The fingerprints (RecordFingerprint) of the rows of template `id` in the
// recordset's order.
std::vector<std::string> TemplateFingerprints(dao::Recordset& templates, const std::string& id);

// Replaces every row of template `id` by `rows`, keeping the 仕訳ID. Refused
// (the message comes back, nothing is written) when the stored rows are not
// those with the fingerprints `shown`, or the template is gone.
std::optional<std::string> ReplaceTemplate(dao::Workspace& ws, dao::Database& db, const std::string& id,
                                           const std::vector<std::string>& shown,
                                           const std::vector<TemplateRowToStore>& rows, const TemplateHeader& header);

// Deletes every row of template `id`, refused as ReplaceTemplate is.
std::optional<std::string> DeleteTemplate(dao::Workspace& ws, dao::Database& db, const std::string& id,
                                          const std::vector<std::string>& shown);

}  // namespace setup
