#include "closing/ClosedPeriodFigures.h"

#include "closing/RollForward.h"
#include "journal/AmountRange.h"
#include "statements/PeriodFigures.h"
#include "statements/PeriodProfit.h"
#include "statements/StatementAccounts.h"

namespace closing {

namespace {

// The closing balance of every account in use opens the next period and
// becomes its 前年決算残高: both are 32-bit fields, though the period figures
// are 64-bit.
void requireCarriedBalances(const statements::StatementAccounts& accounts)
{
    for (const statements::StatementAccount& account : accounts)
        if (!journal::FitsAmount(account.closing))
            throw RolloverRefused(
                CarriedAmountOutOfRange("勘定科目 " + account.code + " " + account.name + " 期末残高"));
}

}  // namespace

ClosedPeriodFigures RecomputeClosedPeriodFigures(dao::Workspace& workspace, dao::Database& copy,
                                                 const statements::JournalWalkAlongside& alongside)
{
    ClosedPeriodFigures figures;
    figures.tally = statements::RecomputePeriodFigures(workspace, copy, &alongside);
    const statements::StatementAccounts accounts = statements::ReadStatementAccounts(copy);
    requireCarriedBalances(accounts);
    figures.profit = statements::ComputePeriodProfit(accounts).unappropriated();
    return figures;
}

}  // namespace closing
