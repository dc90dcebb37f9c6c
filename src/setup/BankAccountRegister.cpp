#include "setup/BankAccountRegister.h"

#include "common/FindCode.h"
#include "journal/AmountRange.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Database.h"
#include "platform/dao/Engine.h"
#include "platform/dao/Transaction.h"
#include "setup/FindRow.h"
#include "setup/RegisterLists.h"
#include "setup/ShownRecordWrites.h"

#include <memory>

namespace setup {

namespace {

constexpr const char* kAccountSource = "Q_取引銀行";

std::unique_ptr<dao::Recordset> openAccounts(dao::Database& db)
{
    return db.OpenRecordset(kAccountSource, dao::RecordsetType::Dynaset);
}

bool isAccount(const dao::Recordset& rs, const BankAccount& account)
{
    return rs.get(schema::column::BankCode).toText() == account.bankCode
        && rs.get(schema::column::BranchCode).toText() == account.branchCode
        && rs.get(schema::column::DepositKind).toText() == account.kind;
}

// How many stored accounts are the one named.
int countAccounts(dao::Recordset& accounts, const BankAccount& account)
{
    int count = 0;
    if (!accounts.isEmpty())
        for (accounts.MoveFirst(); !accounts.EOF_(); accounts.MoveNext())
            count += isAccount(accounts, account) ? 1 : 0;
    return count;
}

void writeAccount(dao::Recordset& accounts, const BankAccount& account)
{
    accounts.set(schema::column::BankCode, account.bankCode);
    accounts.set(schema::column::BranchCode, account.branchCode);
    accounts.set(schema::column::DepositKind, account.kind);
    accounts.set(schema::column::OpeningBalance, account.openingBalance);
}

}  // namespace

std::variant<std::string, BankAccount> CheckBankAccountBoxes(const BankAccountBoxes& boxes, dao::Recordset& banksInUse,
                                                             dao::Recordset& branchesInUse,
                                                             dao::Recordset& depositKinds)
{
    if (boxes.bank.empty() || boxes.branch.empty() || boxes.kind.empty())
        return std::string(kBankAccountBoxEmpty);
    const journal::AmountText balance = journal::ReadAmountText(boxes.openingBalance);
    if (balance.kind == journal::AmountText::Kind::OutOfRange)
        return std::string(journal::kAmountOutOfRangeMessage);
    if (balance.kind != journal::AmountText::Kind::Amount)
        return std::string(kBankAccountBalanceNotNumber);
    if (!FindRow(banksInUse, schema::column::BankName, boxes.bank))
        return std::string(kBankNotRegistered);
    BankAccount account;
    account.bankCode = banksInUse.get(schema::column::BankCode).toText();
    account.branchCode = o::FindBranchCode(branchesInUse, account.bankCode, boxes.branch);
    if (account.branchCode.empty())
        return std::string(kBranchNotRegistered);
    if (!FindRow(depositKinds, schema::column::DepositKind, boxes.kind))
        return std::string(kDepositKindWrong);
    account.kind = depositKinds.get(schema::column::DepositKind).toText();
    account.openingBalance = balance.amount;
    return account;
}

std::string DeleteBankAccountQuestion(const dao::Recordset& accounts)
{
    return "選択された取引銀行「" + accounts.get(schema::column::BankName).toText() + "　"
        + accounts.get(schema::column::BranchName).toText() + "　" + accounts.get(schema::column::DepositKind).toText()
        + "」を削除します　よろしいですか？";
}

std::optional<std::string> RegisterBankAccount(dao::Workspace& ws, dao::Database& db, const BankAccount& account)
{
    std::optional<std::string> refusal;
    dao::RunInTransaction(ws, [&] {
        auto accounts = openAccounts(db);
        if (countAccounts(*accounts, account) > 0) {
            refusal = kBankAccountExists;
            return;
        }
        accounts->AddNew();
        writeAccount(*accounts, account);
        accounts->set(schema::column::PresentBalance, 0);
        accounts->set(schema::column::ClosingBalance, 0);
        accounts->Update();
    });
    return refusal;
}

std::optional<std::string> UpdateBankAccount(dao::Workspace& ws, dao::Database& db, const ShownLine& line,
                                             const BankAccount& account)
{
    return ChangeShownRecord(ws, db, kAccountSource, BankAccountKey, line, kBankAccountWhat,
                             [&](dao::Recordset& accounts) -> std::optional<std::string> {
                                 const bool unchanged = isAccount(accounts, account);
                                 const dao::Bookmark chosen = accounts.getBookmark();
                                 if (countAccounts(accounts, account) > (unchanged ? 1 : 0))
                                     return std::string(kBankAccountExists);
                                 accounts.setBookmark(chosen);
                                 accounts.Edit();
                                 writeAccount(accounts, account);
                                 accounts.set(schema::column::ClosingBalance, 0);
                                 accounts.Update();
                                 return std::nullopt;
                             });
}

std::optional<std::string> DeleteBankAccount(dao::Workspace& ws, dao::Database& db, const ShownLine& line)
{
    return DeleteShownRecord(ws, db, kAccountSource, BankAccountKey, line, kBankAccountWhat);
}

}  // namespace setup
