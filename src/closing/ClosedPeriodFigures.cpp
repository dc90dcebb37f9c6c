#include "closing/ClosedPeriodFigures.h"

#include "statements/PeriodFigures.h"
#include "statements/PeriodProfit.h"

namespace closing {

ClosedPeriodFigures RecomputeClosedPeriodFigures(dao::Workspace& workspace, dao::Database& copy)
{
    ClosedPeriodFigures figures;
    figures.tally = statements::RecomputePeriodFigures(workspace, copy);
    figures.profit = statements::ComputePeriodProfit(copy).unappropriated();
    return figures;
}

}  // namespace closing
