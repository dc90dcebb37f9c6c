#include "closing/ClosedPeriodFigures.h"

#include "closing/RollForward.h"

namespace closing {

std::int64_t RecomputeClosedPeriodFigures(dao::Workspace&, dao::Database&)
{
    // The statements' tally and profit routines are not built in yet.
    throw RolloverRefused("決算の集計処理が組み込まれていないため、年次更新はまだできません");
}

}  // namespace closing
