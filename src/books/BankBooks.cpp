#include "books/BankBooks.h"

#include "books/BookText.h"
#include "periodfile/SchemaNames.h"
#include "platform/dao/Transaction.h"

namespace books {

std::string bankRowLine(DateColumn& dates, const JournalRow& row, const Posting& posting, std::int64_t balance,
                        int descriptionBytes, int gapBeforeBalance)
{
    return LineBuilder()
        .raw(dates.next(row.date))
        .gap(1)
        .text(row.description, descriptionBytes)
        .gap(1)
        .text(row.partner, 20)
        .gap(1)
        .text(posting.account, 16)
        .gap(1)
        .amountOrNone(posting.debit, 12)
        .gap(1)
        .amountOrNone(posting.credit, 12)
        .gap(gapBeforeBalance)
        .amount(balance, 12)
        .str();
}

BankAccount readBankAccount(dao::Recordset& accounts)
{
    BankAccount account;
    account.bankName = accounts.get(schema::column::BankName).toText();
    account.branchName = accounts.get(schema::column::BranchName).toText();
    account.kind = accounts.get(schema::column::DepositKind).toText();
    account.opening = amountOf(accounts.get(schema::column::OpeningBalance));
    account.bankCode = accounts.get(schema::column::BankCode).toText();
    account.branchCode = accounts.get(schema::column::BranchCode).toText();
    return account;
}

std::vector<JournalRow> readBankJournal(dao::Recordset& bankJournal)
{
    std::vector<JournalRow> rows;
    JournalRowReader reader(bankJournal);
    forEachRow(bankJournal, [&] { rows.push_back(reader.read()); });
    return rows;
}

bool carriesAccount(const JournalRow& row, const BankAccount& account)
{
    return row.bankCode == account.bankCode && row.branchCode == account.branchCode;
}

bool belongsTo(const JournalRow& row, const BankAccount& account)
{
    return carriesAccount(row, account) && (row.debitName == account.kind || row.creditName == account.kind);
}

Posting bankPosting(const JournalRow& row, const BankAccount& account)
{
    // Money in is the normal side: a row that credits the deposit pays out.
    return postingBySide(row, false, row.creditName != account.kind);
}

BankBook bankBook(const BankAccount& account, const std::vector<JournalRow>& journal)
{
    BankBook book;
    book.account = account;
    book.balance = account.opening;
    book.lines.push_back(LineBuilder().gap(48).raw("期首残高").gap(60).amount(account.opening, 12).str());
    book.journalEmpty = journal.empty();
    DateColumn dates(kBankDateStart);
    for (const JournalRow& row : journal) {
        if (!belongsTo(row, account))
            continue;
        const Posting posting = bankPosting(row, account);
        book.balance += posting.balanceChange;
        book.lines.push_back(bankRowLine(dates, row, posting, book.balance, 34, 5));
    }
    return book;
}

BankLabels bankLabels(const BankBook& book)
{
    BankLabels labels;
    labels.bankAndBranch = book.account.bankName + " " + book.account.branchName;
    labels.kind = book.account.kind;
    labels.opening = "期首残高：" + amountField(book.account.opening, kLabelMask, 11) + "円";
    if (!book.journalEmpty)
        labels.current = "現在残高：" + amountField(book.balance, kLabelMask, 12) + "円";
    return labels;
}

std::vector<BankBook> bankBooksOf(dao::Recordset& accounts, dao::Recordset& bankJournal)
{
    std::vector<BankBook> books;
    if (accounts.isEmpty())
        return books;
    const std::vector<JournalRow> journal = readBankJournal(bankJournal);
    forEachRow(accounts, [&] { books.push_back(bankBook(readBankAccount(accounts), journal)); });
    return books;
}

void storeCurrentBalances(dao::Workspace& workspace, dao::Recordset& accounts, const std::vector<BankBook>& books)
{
    if (accounts.isEmpty() || books.empty())
        return;
    std::size_t next = 0;
    dao::RunInTransaction(workspace,
                          [&] {
                              forEachRow(accounts, [&] {
                                  if (next >= books.size())
                                      return;
                                  accounts.Edit();
                                  accounts.set(schema::column::PresentBalance,
                                               dao::Value(static_cast<long long>(books[next].balance)));
                                  accounts.Update();
                                  ++next;
                              });
                          },
                          {&accounts});
}

std::vector<BankBook> showBankBooks(dao::Workspace& workspace, dao::Recordset& accounts, dao::Recordset& bankJournal)
{
    std::vector<BankBook> books = bankBooksOf(accounts, bankJournal);
    storeCurrentBalances(workspace, accounts, books);
    return books;
}

}  // namespace books
