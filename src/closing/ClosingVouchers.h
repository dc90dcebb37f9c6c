#pragma once
// Writing the vouchers of a closing run: journal rows marked 決算仕訳, each
// voucher under a number the journal does not hold, all in one transaction.

#include "closing/ClosingRun.h"
#include "journal/VoucherRows.h"
#include "journal/VoucherStore.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dao {
class Database;
class Recordset;
class Workspace;
}  // namespace dao

namespace closing {

using ClosingVoucher = std::vector<journal::VoucherRow>;

// Adds the vouchers to the journal of `database` as closing entries, through
// `journal` (a dynaset on Q_仕訳台帳 or Q_決算仕訳台帳 of `database`: one on
// the closing entries alone opens without reading the keys of every journal
// row), in one transaction of `workspace`. Each voucher takes the number of
// `now` ("yymmddhhmmss") or of the first later second that neither the journal
// nor an earlier voucher of the run holds. Returns the numbers, in order. A
// failed write rolls everything back and throws the dao::DaoError. `watch`
// does its caller's work inside the transaction, as a voucher store's watch
// does: once the write lock is held, and after each voucher is written.
std::vector<std::string> PostClosingVouchers(dao::Workspace& workspace, dao::Database& database,
                                             dao::Recordset& journal, const std::vector<ClosingVoucher>& vouchers,
                                             const dao::Date& now, const journal::VoucherStore::Watch& watch = {});

// What a run decides from the file as it stands once it holds the write lock:
// the vouchers to write, or the refusal that writes none.
struct PlannedVouchers {
    std::vector<ClosingVoucher> vouchers;
    std::optional<ClosingNotice> refusal;
};

struct PostedVouchers {
    std::vector<std::string> numbers;      // 伝票番号 of the vouchers written, in order
    int rows = 0;                          // rows written
    std::optional<ClosingNotice> refusal;  // the plan's refusal: nothing was written
};

// Plans and writes in one transaction of `workspace`: `plan` runs after the
// write lock is held, so that what it reads (an earlier run's vouchers, the
// balances it settles) cannot change before its vouchers are written by
// another program, which waits meanwhile. Numbers as PostClosingVouchers. A
// failed write rolls everything back and throws the dao::DaoError.
PostedVouchers PostPlannedClosingVouchers(dao::Workspace& workspace, dao::Database& database,
                                          const std::function<PlannedVouchers()>& plan, const dao::Date& now);

}  // namespace closing
