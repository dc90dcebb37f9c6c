#pragma once
// The bank books: for each bank account of the company, the journal rows that
// move it, money in and money out, and the balance after each row from the
// account's own opening balance. An account is identified by its bank code,
// branch code and deposit kind (種別, the name of the deposit account), so two
// accounts that share names, or an account whose bank name is missing, each
// get their own book.

#include "books/BookText.h"
#include "books/JournalRow.h"
#include "books/Posting.h"
#include "platform/dao/Engine.h"
#include "platform/printing/PrinterDevice.h"

#include <functional>
#include <string>
#include <vector>

namespace books {

inline constexpr int kBankSlots = 4;  // the window shows and prints four accounts

struct BankAccount {
    std::string bankName;      // 銀行名 (joined; may be missing)
    std::string branchName;    // 支店名
    std::string kind;          // 種別
    std::int64_t opening = 0;  // 期首残高 (null counts 0)
    std::string bankCode;      // 銀行コード
    std::string branchCode;    // 支店コード
};

BankAccount readBankAccount(dao::Recordset& accounts);  // the current row of Q_取引銀行

// Each row of Q_取引銀行仕訳 in the query's order, read in one pass; no copy
// of the query's rows is kept.
void readBankJournal(dao::Recordset& bankJournal, const std::function<void(const JournalRow&)>& visit);

bool carriesAccount(const JournalRow& row, const BankAccount& account);  // same bank and branch codes
bool belongsTo(const JournalRow& row, const BankAccount& account);       // ... and the kind on one side
Posting bankPosting(const JournalRow& row, const BankAccount& account);

struct BankBook {
    BankAccount account;
    dao::Bookmark row;               // of the account in the accounts' recordset
    std::vector<std::string> lines;  // the opening line, then one line per row (unless handed to a sink)
    std::int64_t balance = 0;        // after the last row
    bool journalEmpty = false;       // Q_取引銀行仕訳 had no rows: no current-balance label
};

inline const dao::Date kBankDateStart{1900, 1, 1};  // each book's date column starts here

// A row line: 128 bytes on the screen (description 34, five blanks before the
// balance), 116 on paper (description 26, one blank).
std::string bankRowLine(DateColumn& dates, const JournalRow& row, const Posting& posting, std::int64_t balance,
                        int descriptionBytes, int gapBeforeBalance);

// One account's book, built as the rows of Q_取引銀行仕訳 come. Its lines go
// to `lines` when it is given; otherwise the book keeps them.
class BankBookBuilder {
public:
    explicit BankBookBuilder(const BankAccount& account, LineSink lines = {});  // the opening line
    void add(const JournalRow& row);  // a line when the row belongs to the account
    BankBook take() { return std::move(m_book); }
private:
    void addLine(const std::string& line);
    BankBook m_book;
    DateColumn m_dates;
    LineSink m_sink;
};

BankBook bankBook(const BankAccount& account, const std::vector<JournalRow>& journal);

// Label4 to Label7 of a slot.
struct BankLabels {
    std::string bankAndBranch;
    std::string kind;
    std::string opening;
    std::string current;
};
BankLabels bankLabels(const BankBook& book);

// The books of every account of Q_取引銀行, in its order, from one pass over
// Q_取引銀行仕訳. The i-th book hands its lines to lineSinks[i] where there is
// one, and keeps them itself otherwise.
std::vector<BankBook> bankBooksOf(dao::Recordset& accounts, dao::Recordset& bankJournal,
                                  const std::vector<LineSink>& lineSinks = {});

// A book's balance, for the account row it was read from (a bookmark of the
// accounts' recordset) as it was then: its bank, branch and kind.
struct BankBalance {
    dao::Bookmark row;
    std::string bankCode;
    std::string branchCode;
    std::string kind;
    std::int64_t balance = 0;
};
std::vector<BankBalance> balancesOf(const std::vector<BankBook>& books);

// Stores each balance into the 現残高 of the account row it was read from,
// found again when the write lock is held: a row another program deleted since,
// or gave another bank, branch or kind, is not written (nor is an account added
// since). All in one transaction of `workspace`: when a write fails it is
// rolled back and the error passed on.
void storeCurrentBalances(dao::Workspace& workspace, dao::Recordset& accounts,
                          const std::vector<BankBalance>& balances);

// Both: the books of every account, and every account's 現残高 stored.
std::vector<BankBook> showBankBooks(dao::Workspace& workspace, dao::Recordset& accounts, dao::Recordset& bankJournal);

// Prints the books of the first four accounts on a print run the caller has
// prepared and will end, as a printout of its own size. Every account gets its
// book, with its opening balance also when no journal row moves it; 65 rows
// on a book's first page, 67 on each further page (which has no header); a
// book ends without a page break.
void printBankBooks(printing::PrinterDevice& printer, dao::Recordset& accounts, dao::Recordset& bankJournal,
                    const std::string& company, const dao::Date& now);

}  // namespace books
