#pragma once
// A salary or bonus run: the templates, the payroll database named by
// "wjDBPath.txt" (opened read only), the payslips of the fiscal period, and the
// vouchers posted in one transaction. Every check is made before anything is
// posted; a voucher the journal already holds (its number with its first-row
// description) is not posted again, and a run some of whose voucher numbers
// another voucher holds posts nothing and names them.

#include "journal/MonthEndPosting.h"
#include "journal/PayrollKind.h"
#include "platform/dao/Value.h"

#include <memory>
#include <string>

namespace dao {
class Database;
class Recordset;
class Workspace;
}  // namespace dao

namespace journal {

struct PayrollSources {
    dao::Workspace& workspace;     // the payroll database is opened through it too
    dao::Database& database;       // the period file
    dao::Recordset& templates;     // the window's dynaset on Q_仕訳定型台帳 (put back where it stood)
    dao::Recordset& usedAccounts;  // Q_使用勘定科目表: 法定福利費
    dao::Recordset& journal;       // the window's dynaset on Q_仕訳台帳
    dao::Date periodFirst;         // 会計期間開始日
    dao::Date periodLast;          // 会計期間終了日
    std::string startDir;          // where "wjDBPath.txt" is
};

struct PayrollOutcome : RunOutcome {
    // False when the run ended at the template lookups, before the payroll
    // database was opened: the journal list is then not refreshed.
    bool reloadJournal = true;
};

class PayrollRun {
public:
    PayrollOutcome Run(PayrollKind kind, PayrollSources& sources);

    // The payroll database opened by the latest run (kept open, read only).
    std::shared_ptr<dao::Database> PayrollDb;
};

}  // namespace journal
