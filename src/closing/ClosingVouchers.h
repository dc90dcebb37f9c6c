#pragma once
// Writing the vouchers of a closing run: journal rows marked 決算仕訳, each
// voucher under a number the journal does not hold, all in one transaction.

#include "journal/VoucherRows.h"

#include <string>
#include <vector>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace closing {

using ClosingVoucher = std::vector<journal::VoucherRow>;

// Adds the vouchers to Q_仕訳台帳 of `database` as closing entries, in one
// transaction of `workspace`. Each voucher takes the number of `now`
// ("yymmddhhmmss") or of the first later second that neither the journal nor
// an earlier voucher of the run holds. Returns the numbers, in order. A failed
// write rolls everything back and throws the dao::DaoError.
std::vector<std::string> PostClosingVouchers(dao::Workspace& workspace, dao::Database& database,
                                             const std::vector<ClosingVoucher>& vouchers, const dao::Date& now);

}  // namespace closing
