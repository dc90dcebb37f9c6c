#pragma once
// Resets a period file for a fresh start, as one transaction: every balance of
// the chart to 0 (budgets kept) and the opening cash and deposits of the
// settings row recomputed from it, the company's bank accounts rebuilt from the
// branches in use with zero balances (a branch whose bank the bank master
// lacks gets none), the partners, fixed assets, leases, the
// journal and its change history emptied, and the templates too when asked.
// Company information, period, tax settings and rates, the accounts themselves
// and the bank masters stay. On any failure everything is rolled back and the
// dao::DaoError goes on to the caller.

#include "setup/OpeningCash.h"

#include <string>
#include <vector>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace setup {

struct InitialisedSystem {
    // One text for each branch in use that got no bank account, naming it and
    // the master that lacks it.
    std::vector<std::string> skippedBranches;
    OpeningCash openingCash;  // as stored from the zeroed chart
};

InitialisedSystem InitialiseSystem(dao::Workspace& ws, dao::Database& db, bool deleteTemplates);

}  // namespace setup
