#pragma once
// The period totals of every account in use (Q_使用勘定科目表):
//   借方合計 = the sum of 入金 of the journal rows whose 借方コード is the account,
//   貸方合計 = the sum of 出金 of the journal rows whose 貸方コード is the account,
// over the rows of the journal table (closing entries included) dated within
// the period, 会計期間開始日 .. 会計期間終了日 of 会計設定. Rows dated outside
// it (entries already made for the next period) are not this period's. A code
// that names no account in use adds nothing; such rows are counted and their
// codes listed (an empty code is normal and not reported).
//
// A row lies within the period by its date's value, whatever form the row
// stores it in ("2025-03-31", "2025/3/31", with a time of day or without).
// Every row is read as the journal window reads it: a 日付 that holds no date
// (not empty, not a date), or an amount that is no whole number in its range,
// throws the dao::DaoError that names the file, the table, the row and the
// field, and nothing is written.
//
// One walk over the journal table's rows, sums in 64 bits and stored whole
// (the fields hold 64-bit figures); every total is checked before anything is
// written, and all of them are written in one transaction of `workspace`: a
// sum that passes the 64-bit range throws dao::DaoError(Overflow) naming the
// account, and a failed write throws too, and in both cases every stored
// figure stays as it was.
// `alongside`, when given, is shown every row of the same walk (JournalWalkAlongside.h).
// Works on whatever period file it is given (the closing window's, or a copy
// of it at the fiscal-year rollover).

#include "statements/JournalWalkAlongside.h"

#include <string>
#include <vector>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace statements {

struct TallyReport {
    long long rowsTallied = 0;              // journal rows dated within the period
    long long rowsOutsidePeriod = 0;        // rows dated outside it, or not dated
    long long rowsWithUnknownCode = 0;      // rows within the period with a non-empty code no account in use has
    std::vector<std::string> unknownCodes;  // those codes, sorted, each once
};

TallyReport TallyAccountTotals(dao::Workspace& workspace, dao::Database& database,
                               const JournalWalkAlongside* alongside = nullptr);

// What the closing window tells of a tally: the rows left out and why; "" when
// every row of the journal was counted.
std::string TallyNotice(const TallyReport& report);

// What the closing window shows, and its print runs and CSV button answer,
// while its last tally failed for `reason`: the figures stored before are not
// this journal's, so no statement is made from them.
std::string TallyRefusalText(const std::string& reason);

}  // namespace statements
