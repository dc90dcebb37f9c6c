#pragma once
// The closing figures of every account in use (Q_使用勘定科目表), from the
// stored period totals and the opening balance:
//   期末貸借合計 = 借方合計 − 貸方合計 for a debit-natured account (借貸区分 0),
//                  貸方合計 − 借方合計 for a credit-natured one (借貸区分 1);
//                  any other 借貸区分 keeps the stored value;
//   期末残高     = 期首残高 + 期末貸借合計, on the account's natural side.
// Computed in 64 bits and stored whole (the fields hold 64-bit figures);
// every figure is computed before anything is written, and all are written in
// one transaction of `workspace` (a figure that passes the 64-bit range throws
// dao::DaoError(Overflow) naming the account; on any failure every stored
// figure stays as it was). Run it after TallyAccountTotals on the same period
// file. A closing balance is carried into the next period's 32-bit fields by
// the rollover, which checks it there.

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace statements {

void ComputeClosingBalances(dao::Workspace& workspace, dao::Database& database);

}  // namespace statements
