#include "setup/TemplateRegister.h"

#include "journal/AmountRange.h"
#include "journal/EntryChecks.h"
#include "journal/VoucherNumber.h"
#include "journal/VoucherRows.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Transaction.h"
#include "setup/ShownRecords.h"

#include <memory>

namespace setup {

namespace {

bool isDepositAccount(const std::string& name)
{
    return name == "当座預金" || name == "普通預金" || name == "通知預金";
}

bool endsTemplate(const journal::EntryRow& row)
{
    return row.description.empty() && row.debitAccount.empty() && row.creditAccount.empty();
}

// The amount of a cell as shown: 0 when empty; nullopt with the message otherwise.
std::optional<std::int32_t> cellAmount(const std::string& text, int gridRow, std::optional<std::string>& error)
{
    const journal::AmountText amount = journal::ReadAmountText(text);
    switch (amount.kind) {
    case journal::AmountText::Kind::Empty: return 0;
    case journal::AmountText::Kind::Amount: return amount.amount;
    case journal::AmountText::Kind::NotNumeric: error = journal::messages::AmountNotNumeric(gridRow); break;
    case journal::AmountText::Kind::OutOfRange: error = journal::messages::AmountOutOfRange(gridRow); break;
    }
    return std::nullopt;
}

std::unique_ptr<dao::Recordset> openTemplates(dao::Database& db)
{
    return db.OpenRecordset(schema::query::Templates, dao::RecordsetType::Dynaset);
}

void addRows(dao::Recordset& templates, const std::string& id, const std::vector<TemplateRowToStore>& rows,
             const TemplateHeader& header)
{
    for (const TemplateRowToStore& row : rows) {
        templates.AddNew();
        templates.set(schema::column::TemplateId, id);
        templates.set(schema::column::RowNumber, row.rowNumber);
        templates.set(schema::column::Description, row.description);
        if (row.partner)
            templates.set(schema::column::Partner, *row.partner);
        templates.set(schema::column::DebitCode, row.debitCode);
        templates.set(schema::column::DebitAmount, row.debit);
        templates.set(schema::column::CreditCode, row.creditCode);
        templates.set(schema::column::CreditAmount, row.credit);
        templates.set(schema::column::BankCode, row.bankCode);
        templates.set(schema::column::BranchCode, row.branchCode);
        templates.set(schema::column::ClosingEntry, header.closing);
        templates.set(schema::column::DisplayOrder, header.displayOrder);
        templates.Update();
    }
}

// The refusal when the stored rows of `id` are not those shown.
std::optional<std::string> shownRowsRefusal(dao::Recordset& templates, const std::string& id,
                                            const std::vector<std::string>& shown)
{
    const std::vector<std::string> stored = TemplateFingerprints(templates, id);
    if (stored.empty())
        return VanishedMessage(kTemplateWhat);
    if (stored != shown)
        return ChangedElsewhereMessage(kTemplateWhat);
    return std::nullopt;
}

void deleteRows(dao::Recordset& templates, const std::string& id)
{
    for (templates.MoveFirst(); !templates.EOF_(); templates.MoveNext())
        if (templates.get(schema::column::TemplateId).toText() == id)
            templates.Delete();
}

}  // namespace

std::optional<std::string> TemplateEntryRefusal(const journal::EntryRows& grid, const journal::CodeLookup& findCode)
{
    const journal::EntryRow& first = grid[0];
    if (first.description.empty() || first.debitAccount.empty() || first.creditAccount.empty())
        return std::string(kTemplateAccountNameMissing);
    if (findCode(2, first.debitAccount).empty())
        return std::string(journal::messages::kDebitAccountNotRegistered);
    if (findCode(3, first.creditAccount).empty())
        return std::string(journal::messages::kCreditAccountNotRegistered);
    for (const journal::EntryRow& row : grid)
        if ((isDepositAccount(row.debitAccount) || isDepositAccount(row.creditAccount))
            && (row.bank.empty() || row.branch.empty()))
            return std::string(journal::messages::kBankOrBranchMissing);
    return std::nullopt;
}

TemplateRows BuildTemplateRows(const journal::EntryRows& grid, const journal::CodeLookup& findCode,
                               const journal::BranchLookup& findBranch)
{
    TemplateRows build;
    std::optional<std::string> partner;
    std::string debitCode, creditCode;
    const std::string firstBankCode = findCode(4, grid[0].bank);
    const std::string firstBranchCode = findBranch(firstBankCode, grid[0].branch);
    for (int g = 0; g < journal::kGridRows; ++g) {
        const journal::EntryRow& cells = grid[g];
        if (endsTemplate(cells))
            break;
        TemplateRowToStore row;
        row.rowNumber = g + 1;
        row.description = cells.description;
        if (!cells.partner.empty())
            partner = cells.partner;
        row.partner = partner;

        if (!cells.debitAccount.empty()) {
            debitCode = findCode(2, cells.debitAccount);
            if (debitCode.empty()) {
                build.error = journal::messages::kDebitAccountNotRegistered;
                return build;
            }
        }
        row.debitCode = debitCode;
        if (!cells.creditAccount.empty()) {
            creditCode = findCode(3, cells.creditAccount);
            if (creditCode.empty()) {
                build.error = journal::messages::kCreditAccountNotRegistered;
                return build;
            }
        }
        row.creditCode = creditCode;

        const auto debit = cellAmount(cells.debitAmount, g + 1, build.error);
        const auto credit = debit ? cellAmount(cells.creditAmount, g + 1, build.error) : std::nullopt;
        if (!debit || !credit)
            return build;
        row.debit = *debit;
        row.credit = *credit;

        if (cells.bank.empty() && cells.branch.empty()) {
            row.bankCode = firstBankCode;
            row.branchCode = firstBranchCode;
        } else {
            row.bankCode = findCode(4, cells.bank);
            row.branchCode = findBranch(row.bankCode, cells.branch);
        }
        build.rows.push_back(std::move(row));
    }
    return build;
}

std::string RegisterTemplate(dao::Workspace& ws, dao::Database& db, const std::vector<TemplateRowToStore>& rows,
                             const TemplateHeader& header, const dao::Date& now)
{
    std::string id;
    dao::RunInTransaction(ws, [&] {
        id = journal::TemplateIds(db).next(now);
        auto templates = openTemplates(db);
        addRows(*templates, id, rows, header);
    });
    return id;
}

std::vector<std::string> TemplateFingerprints(dao::Recordset& templates, const std::string& id)
{
    std::vector<std::string> prints;
    if (templates.isEmpty())
        return prints;
    for (templates.MoveFirst(); !templates.EOF_(); templates.MoveNext())
        if (templates.get(schema::column::TemplateId).toText() == id)
            prints.push_back(RecordFingerprint(templates));
    return prints;
}

std::optional<std::string> ReplaceTemplate(dao::Workspace& ws, dao::Database& db, const std::string& id,
                                           const std::vector<std::string>& shown,
                                           const std::vector<TemplateRowToStore>& rows, const TemplateHeader& header)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto templates = openTemplates(db);
        refusal = shownRowsRefusal(*templates, id, shown);
        if (refusal)
            return;
        deleteRows(*templates, id);
        addRows(*templates, id, rows, header);
    });
    return refusal;
}

std::optional<std::string> DeleteTemplate(dao::Workspace& ws, dao::Database& db, const std::string& id,
                                          const std::vector<std::string>& shown)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto templates = openTemplates(db);
        refusal = shownRowsRefusal(*templates, id, shown);
        if (!refusal)
            deleteRows(*templates, id);
    });
    return refusal;
}

}  // namespace setup
