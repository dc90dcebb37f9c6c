#pragma once
// Writes vouchers into the journal Q_仕訳台帳 and their change history into
// Q_仕訳変更履歴. Each register, update and delete is one transaction: the
// voucher's rows and their history rows are all written, or nothing is.
//
// An update or a delete names the voucher by its number and says what its
// caller loaded of it; the store reads the voucher afresh inside the
// transaction and refuses when another window or program has deleted or
// changed it since.

#include "journal/JournalRecord.h"
#include "journal/VoucherRows.h"

#include <functional>
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

// What a window loaded of a voucher: its number and its rows' fingerprints.
struct LoadedVoucher {
    std::string number;
    std::vector<RowFingerprint> rows;  // sorted (VoucherFingerprints)
};
LoadedVoucher LoadedVoucherOf(const std::string& number, const std::vector<JournalRecord>& rows);

enum class StoreOutcome {
    Done,
    Vanished,  // the journal no longer holds the voucher
    Changed,   // its rows are not the ones loaded
};

// WriteChangeHistory: one history row (変更日 = now) per row of a voucher, as
// the rows were before the change.
void WriteChangeHistory(dao::Recordset& history, const std::vector<JournalRecord>& rows, const std::string& reason,
                        const dao::Date& now);

// Adds one row of voucher `number` to `journal` (a dynaset on Q_仕訳台帳): the
// optional texts only when set, 決算仕訳 only when `closingEntry` is not null.
// Every journal row the program writes is written here.
void AddJournalRow(dao::Recordset& journal, const VoucherRow& row, const std::string& number,
                   const dao::Value& closingEntry = dao::Value());

// A stored row as it is written back (the joined names left out); throws
// dao::DaoError (Overflow) for an amount outside the 32-bit range.
VoucherRow VoucherRowOf(const JournalRecord& stored);

class VoucherStore {
public:
    // `journal` is a dynaset on Q_仕訳台帳 (or on a query of its layout, such as
    // Q_決算仕訳台帳) and `history` one on Q_仕訳変更履歴,
    // both opened on `database`, which was opened through `workspace`.
    VoucherStore(dao::Workspace& workspace, dao::Database& database, dao::Recordset& journal, dao::Recordset& history);

    // Adds the rows under a new voucher number (the time `now` as "yymmddhhmmss",
    // or the next second not yet in the journal) and returns that number.
    // Throws dao::DaoError after rolling back when a write fails.
    std::string Register(const std::vector<VoucherRow>& rows, const dao::Date& now);

    // Replaces the voucher as a whole: its rows go to the history with reason
    // "1" and are removed, and `rows` are added under the same number with the
    // voucher's 決算仕訳. Rows beyond the tenth, which the grid never shows, are
    // kept after the new rows, renumbered and under the new date.
    StoreOutcome Replace(const LoadedVoucher& loaded, const std::vector<VoucherRow>& rows, const dao::Date& now);

    // Removes the voucher, its rows going to the history with reason "2".
    StoreOutcome Remove(const LoadedVoucher& loaded, const dao::Date& now);

    // Work of the caller's inside each write's transaction, with the write lock
    // held: `locked` before the store reads or writes anything, `written` once
    // the voucher is written (not when it is refused), with its number.
    struct Watch {
        std::function<void()> locked;
        std::function<void(const std::string& number)> written;
    };
    void watch(Watch watch) { m_watch = std::move(watch); }

private:
    template <typename Work> void inTransaction(Work&& work);
    // The voucher's rows as the file holds them, when they are the ones loaded.
    StoreOutcome check(const LoadedVoucher& loaded, std::vector<JournalRecord>& stored);
    void deleteVoucherRows(const std::string& number);

    dao::Workspace& m_workspace;
    dao::Database& m_database;
    dao::Recordset& m_journal;
    dao::Recordset& m_history;
    Watch m_watch;
};

}  // namespace journal
