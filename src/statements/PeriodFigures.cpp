#include "statements/PeriodFigures.h"

#include "platform/dao/Transaction.h"

namespace statements {

TallyReport RecomputePeriodFigures(dao::Workspace& workspace, dao::Database& database,
                                   const JournalWalkAlongside* alongside)
{
    TallyReport report;
    dao::RunInTransaction(workspace, [&] {
        report = TallyAccountTotals(workspace, database, alongside);
        ComputeClosingBalances(workspace, database);
    });
    return report;
}

}  // namespace statements
