#pragma once
// Writing the vouchers of an automatic posting run (the month-end tax entries,
// the salary and the bonus postings): vouchers whose numbers are made from
// their date, so a run made again would repeat them. A voucher is known to be
// in the journal already when the journal holds its number with its own
// first-row description; it is then not posted again. When its number is held
// by another voucher (one entered by hand at the matching second, say), the run
// posts nothing and names the voucher: it is never skipped without a word. A
// run writes all its new vouchers in one transaction, or none of them.

#include "journal/VoucherRows.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace dao {
class Database;
class Recordset;
class Workspace;
}  // namespace dao

namespace journal {

// One journal row to add, with its voucher number.
struct NumberedRow {
    std::string number;  // 伝票番号
    VoucherRow row;
};

// What a run tells the user: an OK box without a title, after a beep or not.
struct RunNotice {
    std::string text;
    bool beep = false;
};

struct PostingCount {
    int postedVouchers = 0;
    int postedRows = 0;
    int skippedVouchers = 0;  // already in the journal
};

// A voucher the journal holds, as a run compares it with one it would post.
struct StoredVoucher {
    std::optional<dao::Date> date;  // 日付 of its first row
    std::string firstDescription;   // 摘要 of its first row (the lowest 追番)
    std::int64_t debitTotal = 0;    // its 入金 summed
    std::int64_t creditTotal = 0;   // its 出金 summed
};

// A voucher of a run whose number the journal holds for another voucher.
struct TakenNumber {
    std::string number;
    std::string description;  // the first-row description of the voucher the run would post
    StoredVoucher holder;     // the voucher that holds the number
};

struct PostingResult {
    PostingCount count;
    std::vector<TakenNumber> taken;  // not empty: nothing was posted
};

// What a run did and what it tells the user.
struct RunOutcome {
    std::vector<RunNotice> notices;
    PostingCount count;
};

inline const char* const kPeriodNotSetMessage = "会計期間が設定されていません";

// "勘定科目に「name」が登録されていません"
std::string MissingAccountMessage(const std::string& accountName);

// "仕訳を登録できませんでした。何も登録していません。" and the cause.
std::string PostingFailedMessage(const std::string& cause);

// The refusal of a run some of whose vouchers find their numbers taken: names
// each such voucher and the voucher that holds its number.
std::string TakenNumbersMessage(const std::vector<TakenNumber>& taken);

// The vouchers among `numbers` that the journal of `database` holds now.
std::map<std::string, StoredVoucher> ReadStoredVouchers(dao::Database& database, const std::set<std::string>& numbers);

// Adds the rows to `journal` (a dynaset on Q_仕訳台帳 opened on `database`),
// in one transaction of `workspace`: a voucher the journal already holds (its
// number with its first-row description) is left out; when any voucher's
// number is held by another voucher, nothing is added and `taken` names them.
// A failed write rolls the whole run back and throws the dao::DaoError.
PostingResult PostNewVouchers(dao::Workspace& workspace, dao::Database& database, dao::Recordset& journal,
                              const std::vector<NumberedRow>& rows);

}  // namespace journal
