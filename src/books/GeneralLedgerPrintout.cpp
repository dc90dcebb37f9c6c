#include "books/GeneralLedger.h"

#include "books/BookPrinting.h"
#include "books/BookText.h"

namespace books {

namespace {

// Puts the accounts recordset back where a call found it.
class AccountPosition {
public:
    explicit AccountPosition(dao::Recordset& rs) : m_rs(rs)
    {
        m_atEnd = rs.EOF_();
        m_atStart = !m_atEnd && rs.BOF();
        if (!m_atEnd && !m_atStart)
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
    bool m_atStart = false;
};

std::string openingLine(const LedgerAccount& account)
{
    return LineBuilder()
        .gap(12).gap(1)
        .text("前期より繰り越し", 21).gap(1)
        .gap(57).gap(1)
        .amount(account.opening, 14, kOpeningMask)
        .str();
}

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

    std::int64_t balance = account.opening;
    int page = 1;
    int lineCount = 0;
    JournalRowReader reader(journal);
    DateColumn dates(now);
    forEachRow(journal, [&] {
        if (!touchesAccount(reader.text("借方コード"), reader.text("貸方コード"), account))
            return;
        const JournalRow row = reader.read();
        if (lineCount == 0) {
            printPageHead(printer, company, " 総勘定元帳　" + account.name, now, PageText::Ledger, page);
            lineCount = 3;
            if (page == 1) {
                printAt(printer, 10, openingLine(account));
                printLineGap(printer);
            }
        }
        const Posting posting = ledgerPosting(row, account);
        balance += posting.balanceChange;
        printAt(printer, 10, LineBuilder()
                                 .raw(dates.next(row.date)).gap(1)
                                 .text(row.description, 20).gap(1)
                                 .text(row.partner, 13).gap(3)
                                 .text(posting.account, 15).gap(2)
                                 .amountOrNone(posting.debit, 12).gap(1)
                                 .amountOrNone(posting.credit, 12).gap(1)
                                 .amount(balance, 14)
                                 .str());
        if (!row.bankName.empty()) {
            std::string bankLine = fit(row.bankName, 14);
            if (!row.branchName.empty())
                bankLine += "  " + fit(row.branchName, 14);
            else
                bankLine += "  ";
            printAt(printer, 60, bankLine);
            ++lineCount;
        }
        ++lineCount;
        if (lineCount > 80) {
            printer.newPage();
            lineCount = 0;
            ++page;
        }
    });
    if (mode == LedgerPrintMode::AllAccounts && lineCount > 0)
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
