#pragma once
// Writes vouchers into the journal Q_仕訳台帳 and their change history into
// Q_仕訳変更履歴. Each register, update and delete is one transaction: the
// voucher's rows and their history rows are all written, or nothing is.

#include "journal/VoucherRows.h"

#include <string>
#include <vector>

namespace dao {
class Database;
class Recordset;
class Workspace;
}  // namespace dao

namespace journal {

// Change-history reasons (変更理由).
inline const char* const kReasonUpdate = "1";
inline const char* const kReasonDelete = "2";

// WriteChangeHistory: with `journal` on the first row of a voucher, adds one
// history row per row of that voucher (変更日 = now) and puts `journal` back on
// the row it started from.
void WriteChangeHistory(dao::Recordset& journal, dao::Recordset& history, const std::string& reason,
                        const dao::Date& now);

// Adds one row of voucher `number` to `journal` (a dynaset on Q_仕訳台帳): the
// optional texts only when set, 決算仕訳 only when `closingEntry` is not null.
void AddJournalRow(dao::Recordset& journal, const VoucherRow& row, const std::string& number,
                   const dao::Value& closingEntry = dao::Value());

class VoucherStore {
public:
    // `journal` is a dynaset on Q_仕訳台帳 and `history` one on Q_仕訳変更履歴,
    // both opened on `database`, which was opened through `workspace`.
    VoucherStore(dao::Workspace& workspace, dao::Database& database, dao::Recordset& journal,
                 dao::Recordset& history);

    // Adds the rows under a new voucher number (the time `now` as "yymmddhhmmss",
    // or the next second not yet in the journal) and returns that number.
    // Throws dao::DaoError after rolling back when a write fails.
    std::string Register(const std::vector<VoucherRow>& rows, const dao::Date& now);

    // Replaces the voucher `number` as a whole: its rows go to the history with
    // reason "1" and are removed, and `rows` are added under the same number with
    // the voucher's 決算仕訳. Rows beyond the tenth, which the grid never shows,
    // are kept after the new rows, renumbered and under the new date.
    // Returns false when the journal does not hold it.
    bool Replace(const std::string& number, const std::vector<VoucherRow>& rows, const dao::Date& now);

    // Removes the voucher `number`, its rows going to the history with reason "2".
    bool Remove(const std::string& number, const dao::Date& now);

    // True when the journal file holds a row with this voucher number.
    bool IsNumberTaken(const std::string& number) const;

private:
    template <typename Work> void inTransaction(Work&& work);
    bool locate(const std::string& number);
    void deleteVoucherRows(const std::string& number);

    dao::Workspace& m_workspace;
    dao::Database& m_database;
    dao::Recordset& m_journal;
    dao::Recordset& m_history;
};

}  // namespace journal
