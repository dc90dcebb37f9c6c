#pragma once
// The general ledger of one account in use: an opening line with the
// account's opening balance, then every journal row that debits or credits
// the account with its counter account, the amount on the debit or the credit
// side and the running balance by the account's normal side. On screen the
// closing entries are left out; on paper they are in.

#include "books/JournalRow.h"
#include "books/Posting.h"
#include "platform/dao/Database.h"
#include "platform/printing/PrinterDevice.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace books {

struct LedgerAccount {
    std::string name;           // 勘定科目名
    std::string code;           // 勘定科目コード
    std::int64_t opening = 0;   // 期首残高 (null counts 0)
    bool creditNormal = false;  // 借貸区分 other than 0, or none
};

LedgerAccount readLedgerAccount(dao::Recordset& usedAccounts);  // the current row

// The names of the accounts in use that have one, in the query's order.
std::vector<std::string> ledgerAccountNames(dao::Recordset& usedAccounts);

// Walks from the first account to the first whose name equals `name` and
// leaves the recordset there; nullopt when there is none.
std::optional<LedgerAccount> findLedgerAccount(dao::Recordset& usedAccounts, const std::string& name);

bool touchesAccount(const std::string& debitCode, const std::string& creditCode, const LedgerAccount& account);
Posting ledgerPosting(const JournalRow& row, const LedgerAccount& account);

// A recordset on the journal query that holds only the rows debiting or
// crediting the account `code`, in the journal's order (日付, 伝票番号, 追番,
// then entry order): the ledger of one account reads its own rows, never the
// whole journal. The period file needs no index of its own for it: the
// journal's order index gives the order and each row's codes are checked as
// it is passed. Its membership is taken by its first walk, in the walk's pass.
std::unique_ptr<dao::Recordset> openAccountRows(dao::Database& database, const std::string& code);

// True when the journal has no row at all.
bool journalIsEmpty(dao::Database& database);

// Walks the journal rows that debit or credit the account, in the journal's order.
void forEachAccountRow(dao::Recordset& journal, const LedgerAccount& account,
                       const std::function<void(const JournalRow&)>& visit);

struct LedgerView {
    std::vector<std::string> lines;  // the opening line, then one line per row
    std::int64_t balance = 0;        // after the last row
};

// The ledger on screen: closing entries are left out of the list and the balance.
LedgerView showLedger(dao::Recordset& journal, const LedgerAccount& account, const dao::Date& now);

enum class LedgerPrintMode {
    ShownAccount,        // 表示元帳
    AllAccounts,         // 全元帳: a new page after each account
    AllAccountsNoBreak,  // 全元帳（改ページなし）
};

// Prints the ledger of the first account in use named `name` on a prepared
// print run (closing entries included). An account without rows prints
// nothing. The accounts recordset is left where it was.
void printLedger(printing::PrinterDevice& printer, dao::Recordset& usedAccounts, dao::Recordset& journal,
                 const std::string& name, const std::string& company, LedgerPrintMode mode, const dao::Date& now);

// What the print button prints for a mode: the shown account, or every
// account in use with a name. Returns false when nothing was to be printed
// (no account shown yet).
bool printLedgers(printing::PrinterDevice& printer, dao::Recordset& usedAccounts, dao::Recordset& journal,
                  const std::string& shownName, const std::string& company, LedgerPrintMode mode, const dao::Date& now);

}  // namespace books
