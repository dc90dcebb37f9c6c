#pragma once
// Writing the vouchers of an automatic posting run (the month-end tax entries,
// the salary and the bonus postings): vouchers whose numbers are made from
// their date, so a run made again would repeat them. A voucher whose number the
// journal already holds is not posted again, and a run writes all its new
// vouchers in one transaction, or none of them.

#include "journal/VoucherRows.h"

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
    std::string number;   // 伝票番号
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
    int skippedVouchers = 0;   // already in the journal
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

// Every voucher number the journal of `database` holds.
std::set<std::string> JournalVoucherNumbers(dao::Database& database);

// Adds the rows to `journal` (a dynaset on Q_仕訳台帳 opened on `database`),
// leaving out every voucher whose number the journal already holds, all in one
// transaction of `workspace`. A failed write rolls the whole run back and
// throws the dao::DaoError.
PostingCount PostNewVouchers(dao::Workspace& workspace, dao::Database& database, dao::Recordset& journal,
                             const std::vector<NumberedRow>& rows);

}  // namespace journal
