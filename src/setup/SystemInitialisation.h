#pragma once
// Resets a period file for a fresh start, as one transaction: every balance of
// the chart to 0 (budgets kept), the company's bank accounts rebuilt from the
// branches in use with zero balances, the partners, fixed assets, leases, the
// journal and its change history emptied, and the templates too when asked.
// Company information, period, tax settings and rates, the accounts themselves
// and the bank masters stay. On any failure everything is rolled back and the
// dao::DaoError goes on to the caller.

namespace dao {
class Database;
class Workspace;
}

namespace setup {

void InitialiseSystem(dao::Workspace& ws, dao::Database& db, bool deleteTemplates);

}  // namespace setup
