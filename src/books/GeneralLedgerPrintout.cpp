#include "books/GeneralLedger.h"

#include "books/BookPrinting.h"
#include "books/RowLine.h"
#include "periodfile/SchemaNames.h"

#include <cstdint>
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

// The journal's rows read once and sorted to their accounts, for the ledgers
// of all accounts: each row's fields that a ledger line shows, the texts that
// repeat (codes, account, bank and branch names) kept once, and for each
// account code the rows that debit or credit it, in the journal's order (a
// row with the account on both sides once).
class RowsByAccount {
public:
    explicit RowsByAccount(dao::Recordset& journal)
    {
        JournalRowReader reader(journal, JournalRowReader::Fields::LedgerLine);
        forEachRow(journal, [&] {
            JournalRow row = reader.read();
            const auto index = static_cast<std::uint32_t>(m_rows.size());
            StoredRow stored{row.date,
                             std::move(row.description),
                             std::move(row.partner),
                             idOf(row.debitCode),
                             idOf(row.creditCode),
                             idOf(row.debitName),
                             idOf(row.creditName),
                             idOf(row.bankName),
                             idOf(row.branchName),
                             row.debitAmount,
                             row.creditAmount,
                             row.closingEntry};
            m_byAccount[stored.debitCode].push_back(index);
            if (stored.creditCode != stored.debitCode)
                m_byAccount[stored.creditCode].push_back(index);
            m_rows.push_back(std::move(stored));
        });
    }

    void forEachRowOf(const LedgerAccount& account, const std::function<void(const JournalRow&)>& visit) const
    {
        const auto id = m_ids.find(account.code);
        if (id == m_ids.end())
            return;
        const auto rows = m_byAccount.find(id->second);
        if (rows == m_byAccount.end())
            return;
        JournalRow row;
        for (std::uint32_t index : rows->second) {
            const StoredRow& stored = m_rows[index];
            row.date = stored.date;
            row.description = stored.description;
            row.partner = stored.partner;
            row.debitCode = m_texts[stored.debitCode];
            row.creditCode = m_texts[stored.creditCode];
            row.debitName = m_texts[stored.debitName];
            row.creditName = m_texts[stored.creditName];
            row.bankName = m_texts[stored.bankName];
            row.branchName = m_texts[stored.branchName];
            row.debitAmount = stored.debitAmount;
            row.creditAmount = stored.creditAmount;
            row.closingEntry = stored.closing;
            visit(row);
        }
    }

private:
    struct StoredRow {
        std::optional<dao::Date> date;
        std::string description;
        std::string partner;
        std::uint32_t debitCode, creditCode, debitName, creditName, bankName, branchName;  // in m_texts
        std::int64_t debitAmount, creditAmount;
        bool closing;
    };

    std::uint32_t idOf(const std::string& text)
    {
        const auto [it, added] = m_ids.emplace(text, static_cast<std::uint32_t>(m_texts.size()));
        if (added)
            m_texts.push_back(text);
        return it->second;
    }

    std::vector<StoredRow> m_rows;
    std::vector<std::string> m_texts;
    std::unordered_map<std::string, std::uint32_t> m_ids;
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> m_byAccount;
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
    usedAccounts.FindFirst(schema::column::AccountName, dao::Value(name));
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
                 const std::string& name, const std::string& company, LedgerPrintMode mode, const dao::Date& now)
{
    const RowWalk walk = [&journal](const LedgerAccount& account, const std::function<void(const JournalRow&)>& visit) {
        forEachAccountRow(journal, account, visit);
    };
    printAccount(printer, usedAccounts, walk, name, company, mode, now, nullptr);
}

bool printLedgers(printing::PrinterDevice& printer, dao::Recordset& usedAccounts, dao::Recordset& journal,
                  const std::string& shownName, const std::string& company, LedgerPrintMode mode, const dao::Date& now)
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
