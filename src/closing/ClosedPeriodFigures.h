#pragma once
// The closed period's figures, recomputed in the rollover's copy by the
// statements' own routines, from the rows dated within the period: every
// account's period totals and closing balance stored in the chart, and the
// period's 当期未処分利益.

#include "closing/ClosingRun.h"
#include "statements/TallyAccountTotals.h"

#include <cstdint>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace closing {

struct ClosedPeriodFigures {
    std::int64_t profit = 0;        // 当期未処分利益
    statements::TallyReport tally;  // the rows the figures left out, and why
};

// Stores the period figures of every account in use of `copy` (借方合計,
// 貸方合計, 期末貸借合計, 期末残高) and returns the 当期未処分利益 with the
// tally's report. Runs inside the caller's transaction of `workspace`; throws
// on failure, and throws RolloverRefused naming the account when a closing
// balance, carried into the next period's 32-bit fields, lies beyond their
// range.
// `alongside` is shown every journal row of the tally's walk.
ClosedPeriodFigures RecomputeClosedPeriodFigures(dao::Workspace& workspace, dao::Database& copy,
                                                 const statements::JournalWalkAlongside& alongside);

}  // namespace closing
