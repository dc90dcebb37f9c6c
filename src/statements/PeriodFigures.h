#pragma once
// Every period figure of the accounts in use rebuilt from the journal in one
// transaction: TallyAccountTotals, then ComputeClosingBalances. When either
// fails (a figure out of range, a failed write) nothing of either is kept.
// What the closing window runs when it opens and on "決算処理"; the rollover
// reads the journal for what it carries in the same walk (`alongside`).

#include "statements/ComputeClosingBalances.h"
#include "statements/TallyAccountTotals.h"

namespace statements {

TallyReport RecomputePeriodFigures(dao::Workspace& workspace, dao::Database& database,
                                   const JournalWalkAlongside* alongside = nullptr);

}  // namespace statements
