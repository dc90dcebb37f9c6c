#include "books/BankBooks.h"

#include "books/BookPrinting.h"

namespace books {

namespace {

std::string accountLine(const BankAccount& account)
{
    return account.bankName + " " + account.branchName + " " + account.kind + " " + "期首残高 "
        + amountField(account.opening, kLabelMask, 0) + "円";
}

}  // namespace

void printBankBooks(printing::PrinterDevice& printer, dao::Recordset& accounts, dao::Recordset& bankJournal,
                    const std::string& company, const dao::Date& now)
{
    if (accounts.isEmpty())
        return;
    printer.startPrintout();
    std::vector<BankAccount> shown;
    forEachRow(accounts, [&] {
        if (static_cast<int>(shown.size()) < kBankSlots)
            shown.push_back(readBankAccount(accounts));
    });
    const std::vector<JournalRow> journal = readBankJournal(bankJournal);

    printNewLines(printer, 1);
    bool printedBefore = false;
    for (const BankAccount& account : shown) {
        // A book without rows still shows the account with its opening balance.
        auto first = std::find_if(journal.begin(), journal.end(),
                                  [&](const JournalRow& row) { return carriesAccount(row, account); });
        if (printedBefore) {
            printer.newPage();
            printNewLines(printer, 1);
        }
        printedBefore = true;
        printPageHeader(printer, company, " 会計 取引銀行  ", now, PageText::Books, 1);
        printLineGap(printer);
        printNewLines(printer, 1);
        int lineCount = 2;
        printAt(printer, 10, accountLine(account));
        std::int64_t balance = account.opening;
        printNewLines(printer, 1);
        DateColumn dates(kBankDateStart);
        for (auto it = first; it != journal.end() && carriesAccount(*it, account); ++it) {
            if (!belongsTo(*it, account))
                continue;
            const Posting posting = bankPosting(*it, account);
            balance += posting.balanceChange;
            printAt(printer, 10, bankRowLine(dates, *it, posting, balance, 26, 1));
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
