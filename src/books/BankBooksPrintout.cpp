#include "books/BankBooks.h"

#include "books/BookPrinting.h"

namespace books {

namespace {

std::string accountLine(const BankAccount& account)
{
    return account.bankName + " " + account.branchName + " " + account.kind + " " + "期首残高 "
        + amountField(account.opening, kLabelMask, 0) + "円";
}

// The printed rows of one account: from the first row of Q_取引銀行仕訳 that
// carries its bank and branch codes, while the rows that follow carry them,
// each row of its kind, with the balance after it.
class PrintedRows {
public:
    explicit PrintedRows(const BankAccount& account) : m_account(account), m_balance(account.opening) {}
    void add(const JournalRow& row)
    {
        if (m_state == State::After)
            return;
        if (!carriesAccount(row, m_account)) {
            if (m_state == State::Within)
                m_state = State::After;
            return;
        }
        m_state = State::Within;
        if (!belongsTo(row, m_account))
            return;
        const Posting posting = bankPosting(row, m_account);
        m_balance += posting.balanceChange;
        m_lines.push_back(bankRowLine(m_dates, row, posting, m_balance, 26, 1));
    }
    const BankAccount& account() const { return m_account; }
    const std::vector<std::string>& lines() const { return m_lines; }
private:
    enum class State { Before, Within, After };
    BankAccount m_account;
    std::int64_t m_balance;
    DateColumn m_dates{kBankDateStart};
    State m_state = State::Before;
    std::vector<std::string> m_lines;
};

}  // namespace

void printBankBooks(printing::PrinterDevice& printer, dao::Recordset& accounts, dao::Recordset& bankJournal,
                    const std::string& company, const dao::Date& now)
{
    if (accounts.isEmpty())
        return;
    printer.startPrintout();
    std::vector<PrintedRows> books;
    forEachRow(accounts, [&] {
        if (static_cast<int>(books.size()) < kBankSlots)
            books.emplace_back(readBankAccount(accounts));
    });
    // One pass over the bank journal; only the lines to print are kept.
    readBankJournal(bankJournal, [&](const JournalRow& row) {
        for (PrintedRows& book : books)
            book.add(row);
    });

    printNewLines(printer, 1);
    bool printedBefore = false;
    for (const PrintedRows& book : books) {
        // A book without rows still shows the account with its opening balance.
        if (printedBefore) {
            printer.newPage();
            printNewLines(printer, 1);
        }
        printedBefore = true;
        printPageHeader(printer, company, " 会計 取引銀行  ", now, PageText::Books, 1);
        printLineGap(printer);
        printNewLines(printer, 1);
        int lineCount = 2;
        printAt(printer, 10, accountLine(book.account()));
        printNewLines(printer, 1);
        for (const std::string& line : book.lines()) {
            printAt(printer, 10, line);
            printLineGap(printer);
            ++lineCount;
            if (lineCount > 66) {
                printer.newPage();
                lineCount = 0;
            }
        }
    }
}

}  // namespace books
