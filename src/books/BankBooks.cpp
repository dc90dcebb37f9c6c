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

void readBankJournal(dao::Recordset& bankJournal, const std::function<void(const JournalRow&)>& visit)
{
    JournalRowReader reader(bankJournal);
    readEachRow(bankJournal, [&] { visit(reader.read()); });
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

BankBookBuilder::BankBookBuilder(const BankAccount& account, LineSink lines)
    : m_dates(kBankDateStart), m_sink(std::move(lines))
{
    m_book.account = account;
    m_book.balance = account.opening;
    m_book.journalEmpty = true;
    addLine(LineBuilder().gap(48).raw("期首残高").gap(60).amount(account.opening, 12).str());
}

void BankBookBuilder::addLine(const std::string& line)
{
    if (m_sink)
        m_sink(line);
    else
        m_book.lines.push_back(line);
}

void BankBookBuilder::add(const JournalRow& row)
{
    m_book.journalEmpty = false;
    if (!belongsTo(row, m_book.account))
        return;
    const Posting posting = bankPosting(row, m_book.account);
    m_book.balance += posting.balanceChange;
    addLine(bankRowLine(m_dates, row, posting, m_book.balance, 34, 5));
}

BankBook bankBook(const BankAccount& account, const std::vector<JournalRow>& journal)
{
    BankBookBuilder book(account);
    for (const JournalRow& row : journal)
        book.add(row);
    return book.take();
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

std::vector<BankBook> bankBooksOf(dao::Recordset& accounts, dao::Recordset& bankJournal,
                                  const std::vector<LineSink>& lineSinks)
{
    if (accounts.isEmpty())
        return {};
    std::vector<BankBookBuilder> building;
    std::vector<dao::Bookmark> rows;
    forEachRow(accounts, [&] {
        const std::size_t next = building.size();
        building.emplace_back(readBankAccount(accounts), next < lineSinks.size() ? lineSinks[next] : LineSink());
        rows.push_back(accounts.getBookmark());
    });
    // One pass over the bank journal: each row goes to every book it belongs to.
    readBankJournal(bankJournal, [&](const JournalRow& row) {
        for (BankBookBuilder& book : building)
            book.add(row);
    });
    std::vector<BankBook> books;
    books.reserve(building.size());
    for (std::size_t i = 0; i < building.size(); ++i) {
        books.push_back(building[i].take());
        books.back().row = rows[i];
    }
    return books;
}

std::vector<BankBalance> balancesOf(const std::vector<BankBook>& books)
{
    std::vector<BankBalance> balances;
    balances.reserve(books.size());
    for (const BankBook& book : books)
        balances.push_back({book.row, book.account.bankCode, book.account.branchCode, book.account.kind, book.balance});
    return balances;
}

void storeCurrentBalances(dao::Workspace& workspace, dao::Recordset& accounts, const std::vector<BankBalance>& balances)
{
    if (accounts.isEmpty() || balances.empty())
        return;
    const auto storeEach = [&] {
        for (const BankBalance& balance : balances) {
            try {
                accounts.setBookmark(balance.row);
            } catch (const dao::DaoError& e) {
                if (e.code() == dao::DaoError::Code::NoCurrentRecord)
                    continue;  // deleted since the books were read
                throw;
            }
            const BankAccount now = readBankAccount(accounts);
            if (now.bankCode != balance.bankCode || now.branchCode != balance.branchCode || now.kind != balance.kind)
                continue;  // another account now: its book was not read
            accounts.Edit();
            accounts.set(schema::column::PresentBalance, dao::Value(static_cast<long long>(balance.balance)));
            accounts.Update();
        }
    };
    dao::RunInTransaction(workspace, storeEach, {&accounts});
}

std::vector<BankBook> showBankBooks(dao::Workspace& workspace, dao::Recordset& accounts, dao::Recordset& bankJournal)
{
    std::vector<BankBook> books = bankBooksOf(accounts, bankJournal);
    storeCurrentBalances(workspace, accounts, balancesOf(books));
    return books;
}

}  // namespace books
