#include "books/GeneralLedger.h"

#include "books/RowLine.h"
#include "periodfile/SchemaNames.h"

namespace books {

LedgerAccount readLedgerAccount(dao::Recordset& usedAccounts)
{
    LedgerAccount account;
    account.name = usedAccounts.get(schema::column::AccountName).toText();
    account.code = usedAccounts.get(schema::column::AccountCode).toText();
    account.opening = amountOf(usedAccounts.get(schema::column::OpeningBalance));
    account.creditNormal = !isDebitNormal(usedAccounts.get(schema::column::DebitCredit));
    return account;
}

std::vector<std::string> ledgerAccountNames(dao::Recordset& usedAccounts)
{
    std::vector<std::string> names;
    forEachRow(usedAccounts, [&] {
        std::string name = usedAccounts.get(schema::column::AccountName).toText();
        if (!name.empty())
            names.push_back(std::move(name));
    });
    return names;
}

std::optional<LedgerAccount> findLedgerAccount(dao::Recordset& usedAccounts, const std::string& name)
{
    if (usedAccounts.isEmpty())
        return std::nullopt;
    usedAccounts.MoveFirst();
    while (!usedAccounts.EOF_()) {
        try {
            if (usedAccounts.get(schema::column::AccountName).toText() == name)
                return readLedgerAccount(usedAccounts);
        } catch (const dao::DaoError& e) {
            if (e.code() != dao::DaoError::Code::NoCurrentRecord)
                throw;
        }
        usedAccounts.MoveNext();
    }
    return std::nullopt;
}

bool touchesAccount(const std::string& debitCode, const std::string& creditCode, const LedgerAccount& account)
{
    return debitCode == account.code || creditCode == account.code;
}

Posting ledgerPosting(const JournalRow& row, const LedgerAccount& account)
{
    const std::string& normalSideCode = account.creditNormal ? row.creditCode : row.debitCode;
    const std::string& otherSideCode = account.creditNormal ? row.debitCode : row.creditCode;
    return bookPosting(row, account.creditNormal, normalSideCode == account.code, otherSideCode == account.code);
}

std::unique_ptr<dao::Recordset> openAccountRows(dao::Database& database, const std::string& code)
{
    const std::string literal = dao::criteriaLiteral(code);
    return database.OpenRecordsetForWalk("SELECT * FROM \"Q_仕訳台帳\" WHERE \"借方コード\" = " + literal
                                         + " OR \"貸方コード\" = " + literal
                                         + " ORDER BY \"日付\", \"伝票番号\", \"追番\", dao_rowid");
}

bool journalIsEmpty(dao::Database& database)
{
    bool empty = true;
    database.ForEachRow("SELECT 1 FROM \"仕訳台帳\" LIMIT 1", {}, "仕訳台帳",
                        [&](const dao::RowView&) { empty = false; });
    return empty;
}

void forEachAccountRow(dao::Recordset& journal, const LedgerAccount& account,
                       const std::function<void(const JournalRow&)>& visit)
{
    JournalRowReader reader(journal, JournalRowReader::Fields::LedgerLine);
    readEachRow(journal, [&] {
        std::string debit = reader.debitCode();
        std::string credit = reader.creditCode();
        if (touchesAccount(debit, credit, account))
            visit(reader.read(std::move(debit), std::move(credit)));
    });
}

LedgerView showLedger(dao::Recordset& journal, const LedgerAccount& account, const dao::Date& now)
{
    LedgerView view;
    view.balance = account.opening;
    view.lines.push_back(openingLine(account.opening, 41, 59, 14));
    DateColumn dates(now);
    forEachAccountRow(journal, account, [&](const JournalRow& row) {
        if (row.closingEntry)
            return;
        const Posting posting = ledgerPosting(row, account);
        view.balance += posting.balanceChange;
        view.lines.push_back(rowLine(dates.next(row.date), row, posting, view.balance,
                                     {.description = 40, .partner = 13, .balanceGap = 2}));
    });
    return view;
}

}  // namespace books
