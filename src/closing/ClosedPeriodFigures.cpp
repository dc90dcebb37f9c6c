#include "closing/ClosedPeriodFigures.h"

#include "statements/PeriodFigures.h"
#include "statements/PeriodProfit.h"

namespace closing {

std::int64_t RecomputeClosedPeriodFigures(dao::Workspace& workspace, dao::Database& copy)
{
    statements::RecomputePeriodFigures(workspace, copy);
    return statements::ComputePeriodProfit(copy).unappropriated();
}

}  // namespace closing
