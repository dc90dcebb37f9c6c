#include "books/GeneralLedger.h"

#include "books/BookPrinting.h"
#include "books/RowLine.h"

namespace books {

namespace {

// Puts the accounts recordset back where a call found it.
class AccountPosition {
public:
    explicit AccountPosition(dao::Recordset& rs) : m_rs(rs)
    {
        m_atEnd = rs.EOF_();
        if (!m_atEnd && !rs.BOF())
            m_bookmark = rs.getBookmark();
    }
    ~AccountPosition()
    {
        try {
            if (m_bookmark) {
                m_rs.setBookmark(*m_bookmark);
            } else if (!m_rs.isEmpty()) {
                if (m_atEnd) {
                    m_rs.MoveLast();
                    m_rs.MoveNext();
                } else {
                    m_rs.MoveFirst();
                    m_rs.MovePrevious();
                }
            }
        } catch (const dao::DaoError&) {
            // the row it stood on is gone; the next walk starts from the first row anyway
        }
    }
private:
    dao::Recordset& m_rs;
    std::optional<dao::Bookmark> m_bookmark;
    bool m_atEnd = false;
};

}  // namespace

void printLedger(printing::PrinterDevice& printer, dao::Recordset& usedAccounts, dao::Recordset& journal,
                 const std::string& name, const std::string& company, LedgerPrintMode mode,
                 const dao::Date& now)
{
    AccountPosition keep(usedAccounts);
    if (usedAccounts.isEmpty())
        return;
    usedAccounts.MoveFirst();
    usedAccounts.FindFirst("勘定科目名", dao::Value(name));
    if (usedAccounts.NoMatch())
        return;
    const LedgerAccount account = readLedgerAccount(usedAccounts);

    // The bank and branch go on a line of their own under the row.
    const RowLineLayout rowLayout{.description = 20, .partner = 13, .bankGap = -1};
    BookPages pages(printer, company, " 総勘定元帳　" + account.name, now, PageText::Ledger);
    std::int64_t balance = account.opening;
    DateColumn dates(now);
    forEachAccountRow(journal, account, [&](const JournalRow& row) {
        if (pages.open()) {
            printAt(printer, 10, openingLine(account.opening, 21, 59, 14));
            printLineGap(printer);
        }
        const Posting posting = ledgerPosting(row, account);
        balance += posting.balanceChange;
        printAt(printer, 10, rowLine(dates.next(row.date), row, posting, balance, rowLayout));
        int lines = 1;
        if (!row.bankName.empty()) {
            std::string bankLine = fit(row.bankName, 14) + "  ";
            if (!row.branchName.empty())
                bankLine += fit(row.branchName, 14);
            printAt(printer, 60, bankLine);
            ++lines;
        }
        pages.count(lines);
    });
    if (mode == LedgerPrintMode::AllAccounts && pages.pageOpen())
        printer.newPage();
}

bool printLedgers(printing::PrinterDevice& printer, dao::Recordset& usedAccounts, dao::Recordset& journal,
                  const std::string& shownName, const std::string& company, LedgerPrintMode mode,
                  const dao::Date& now)
{
    if (mode == LedgerPrintMode::ShownAccount) {
        if (shownName.empty())
            return false;
        printLedger(printer, usedAccounts, journal, shownName, company, mode, now);
        return true;
    }
    const std::vector<std::string> names = ledgerAccountNames(usedAccounts);
    for (const std::string& name : names)
        printLedger(printer, usedAccounts, journal, name, company, mode, now);
    return true;
}

}  // namespace books
