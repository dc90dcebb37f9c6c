#include "books/GeneralLedger.h"

#include "books/BookPrinting.h"
#include "books/RowLine.h"

#include <unordered_map>

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

// The journal's rows sorted to their accounts in one walk: for each account
// code, the positions of the rows that debit or credit it, in the journal's
// order (a row with the account on both sides once).
class RowsByAccount {
public:
    explicit RowsByAccount(dao::Recordset& journal) : m_journal(journal)
    {
        JournalRowReader reader(journal);
        forEachRow(journal, [&] {
            const dao::Bookmark at = journal.getBookmark();
            const std::string debit = reader.text("借方コード");
            const std::string credit = reader.text("貸方コード");
            m_rows[debit].push_back(at);
            if (credit != debit)
                m_rows[credit].push_back(at);
        });
    }

    // Visits the rows of the account, read afresh; a row deleted since the
    // walk is passed over.
    void forEachRowOf(const LedgerAccount& account, const std::function<void(const JournalRow&)>& visit) const
    {
        const auto it = m_rows.find(account.code);
        if (it == m_rows.end())
            return;
        JournalRowReader reader(m_journal);
        for (const dao::Bookmark& at : it->second) {
            try {
                m_journal.setBookmark(at);
            } catch (const dao::DaoError& e) {
                if (e.code() != dao::DaoError::Code::NoCurrentRecord)
                    throw;
                continue;
            }
            const JournalRow row = reader.read();
            if (touchesAccount(row.debitCode, row.creditCode, account))
                visit(row);
        }
    }

private:
    dao::Recordset& m_journal;
    std::unordered_map<std::string, std::vector<dao::Bookmark>> m_rows;
};

using RowWalk = std::function<void(const LedgerAccount&, const std::function<void(const JournalRow&)>&)>;

// The ledger of the first account in use named `name`, its rows from `walk`.
void printAccount(printing::PrinterDevice& printer, dao::Recordset& usedAccounts, const RowWalk& walk,
                  const std::string& name, const std::string& company, LedgerPrintMode mode, const dao::Date& now,
                  SharedPage* shared)
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
    BookPages pages(printer, company, " 総勘定元帳　" + account.name, now, PageText::Ledger, shared);
    std::int64_t balance = account.opening;
    DateColumn dates(now);
    walk(account, [&](const JournalRow& row) {
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

}  // namespace

void printLedger(printing::PrinterDevice& printer, dao::Recordset& usedAccounts, dao::Recordset& journal,
                 const std::string& name, const std::string& company, LedgerPrintMode mode,
                 const dao::Date& now)
{
    const RowWalk walk = [&journal](const LedgerAccount& account,
                                    const std::function<void(const JournalRow&)>& visit) {
        forEachAccountRow(journal, account, visit);
    };
    printAccount(printer, usedAccounts, walk, name, company, mode, now, nullptr);
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
    const RowsByAccount rows(journal);
    const RowWalk walk = [&rows](const LedgerAccount& account, const std::function<void(const JournalRow&)>& visit) {
        rows.forEachRowOf(account, visit);
    };
    SharedPage shared;
    for (const std::string& name : names)
        printAccount(printer, usedAccounts, walk, name, company, mode, now,
                     mode == LedgerPrintMode::AllAccountsNoBreak ? &shared : nullptr);
    return true;
}

}  // namespace books
