#include "journal/TemplateSave.h"

#include "journal/EntryChecks.h"
#include "journal/VoucherNumber.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"

namespace journal {

std::optional<std::string> UnregisteredTemplateAccount(const EntryRows& grid, const AmountArray& debitAmounts,
                                                       const AmountArray& creditAmounts, const CodeLookup& findCode)
{
    for (int i = 0; i < kGridRows; ++i) {
        const EntryRow& cells = grid[i];
        if (cells.description.empty())
            break;
        if (debitAmounts[i] == 0 && creditAmounts[i] == 0)
            continue;
        if (!cells.debitAccount.empty() && findCode(2, cells.debitAccount).empty())
            return std::string(messages::kDebitAccountNotRegistered);
        if (!cells.creditAccount.empty() && findCode(3, cells.creditAccount).empty())
            return std::string(messages::kCreditAccountNotRegistered);
    }
    return std::nullopt;
}

std::vector<TemplateRowToSave> BuildTemplateRows(const EntryRows& grid, const AmountArray& debitAmounts,
                                                 const AmountArray& creditAmounts, bool zeroAmounts,
                                                 const CodeLookup& findCode, const BranchLookup& findBranch)
{
    std::vector<TemplateRowToSave> rows;
    std::string lastDebitCode, lastCreditCode;
    for (int i = 0; i < kGridRows; ++i) {
        const EntryRow& cells = grid[i];
        if (cells.description.empty())
            break;
        if (debitAmounts[i] == 0 && creditAmounts[i] == 0)
            continue;
        TemplateRowToSave row;
        row.rowNumber = i + 1;
        row.description = cells.description;
        if (!cells.partner.empty())
            row.partner = cells.partner;
        if (const std::string code = findCode(2, cells.debitAccount); !code.empty())
            lastDebitCode = code;
        row.debitCode = lastDebitCode;
        if (const std::string code = findCode(3, cells.creditAccount); !code.empty())
            lastCreditCode = code;
        row.creditCode = lastCreditCode;
        row.debit = zeroAmounts ? 0 : debitAmounts[i];
        row.credit = zeroAmounts ? 0 : creditAmounts[i];
        const std::string bankCode = findCode(4, cells.bank);
        if (!bankCode.empty())
            row.bankCode = bankCode;
        if (const std::string code = findBranch(bankCode, cells.branch); !code.empty())
            row.branchCode = code;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string SaveTemplate(dao::Workspace& workspace, dao::Database& database, dao::Recordset& templates,
                         const std::vector<TemplateRowToSave>& rows, const dao::Date& now)
{
    if (rows.empty())
        return {};
    std::string id;
    dao::RunInTransaction(workspace,
                          [&] {
                              id = TemplateIds(database).next(now);
                              for (const TemplateRowToSave& row : rows) {
                                  templates.AddNew();
                                  templates.set(schema::column::TemplateId, id);
                                  templates.set(schema::column::RowNumber, row.rowNumber);
                                  templates.set(schema::column::Description, row.description);
                                  if (row.partner)
                                      templates.set(schema::column::Partner, *row.partner);
                                  templates.set(schema::column::DebitCode, row.debitCode);
                                  templates.set(schema::column::CreditCode, row.creditCode);
                                  templates.set(schema::column::DebitAmount, row.debit);
                                  templates.set(schema::column::CreditAmount, row.credit);
                                  if (row.bankCode)
                                      templates.set(schema::column::BankCode, *row.bankCode);
                                  if (row.branchCode)
                                      templates.set(schema::column::BranchCode, *row.branchCode);
                                  templates.Update();
                              }
                          },
                          {&templates});
    return id;
}

}  // namespace journal
