#include "books/GeneralLedger.h"

#include "books/BookText.h"

namespace books {

LedgerAccount readLedgerAccount(dao::Recordset& usedAccounts)
{
    LedgerAccount account;
    account.name = usedAccounts.get("勘定科目名").toText();
    account.code = usedAccounts.get("勘定科目コード").toText();
    account.opening = amountOf(usedAccounts.get("期首残高"));
    account.creditNormal = amountOf(usedAccounts.get("借貸区分")) != 0;
    return account;
}

std::vector<std::string> ledgerAccountNames(dao::Recordset& usedAccounts)
{
    std::vector<std::string> names;
    forEachRow(usedAccounts, [&] {
        std::string name = usedAccounts.get("勘定科目名").toText();
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
            if (usedAccounts.get("勘定科目名").toText() == name)
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
    if (!account.creditNormal) {
        if (row.debitCode == account.code)
            return Posting::onDebit(row.creditName, row.debitAmount, row.debitAmount);
        return Posting::onCredit(row.debitName, row.creditAmount, -row.creditAmount);
    }
    if (row.creditCode == account.code)
        return Posting::onCredit(row.debitName, row.creditAmount, row.creditAmount);
    return Posting::onDebit(row.creditName, row.debitAmount, -row.debitAmount);
}

LedgerView showLedger(dao::Recordset& journal, const LedgerAccount& account, const dao::Date& now)
{
    LedgerView view;
    view.balance = account.opening;
    view.lines.push_back(LineBuilder()
                             .gap(12).gap(1)
                             .text("前期より繰り越し", 41).gap(1)
                             .gap(57).gap(1)
                             .amount(account.opening, 14, kOpeningMask)
                             .str());
    JournalRowReader reader(journal);
    DateColumn dates(now);
    forEachRow(journal, [&] {
        if (!touchesAccount(reader.text("借方コード"), reader.text("貸方コード"), account))
            return;
        const JournalRow row = reader.read();
        if (row.closingEntry)
            return;
        const Posting posting = ledgerPosting(row, account);
        view.balance += posting.balanceChange;
        view.lines.push_back(LineBuilder()
                                 .raw(dates.next(row.date)).gap(1)
                                 .text(row.description, 40).gap(1)
                                 .text(row.partner, 13).gap(3)
                                 .text(posting.account, 15).gap(2)
                                 .amountOrNone(posting.debit, 12).gap(1)
                                 .amountOrNone(posting.credit, 12).gap(1)
                                 .amount(view.balance, 14).gap(2)
                                 .text(row.bankName, 14).gap(2)
                                 .text(row.branchName, 14)
                                 .str());
    });
    return view;
}

}  // namespace books
