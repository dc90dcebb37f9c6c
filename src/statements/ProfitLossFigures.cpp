#include "statements/ProfitLossFigures.h"

#include "statements/StatementClasses.h"

namespace statements {

bool ListedInProfitLoss(const StatementAccount& a, ProfitLossFigures figures)
{
    if (figures == ProfitLossFigures::ByBalances)
        return a.closing != 0;
    return a.opening != 0 || a.debitTotal != 0 || a.creditTotal != 0;
}

std::int64_t ProfitLossFigure(const StatementAccount& a, ProfitLossFigures figures, bool creditSide)
{
    if (figures == ProfitLossFigures::ByBalances)
        return a.closing;
    return a.opening + (creditSide ? a.creditTotal - a.debitTotal : a.debitTotal - a.creditTotal);
}

std::int64_t ProfitLossAmount(const StatementAccount& a, ProfitLossFigures figures)
{
    return ProfitLossFigure(a, figures, a.side == 1);
}

std::int64_t ManufacturingNetCost(const StatementAccounts& accounts, const AccountRun& run, ProfitLossFigures figures)
{
    std::int64_t cost = 0;
    for (std::size_t i = run.begin; i < run.end; ++i) {
        const StatementAccount& a = accounts[i];
        if (!cls::IsManufacturingAccount(a.middle) || !ListedInProfitLoss(a, figures))
            continue;
        if (a.side == 0)
            cost += ProfitLossAmount(a, figures);
        else if (a.side == 1)
            cost -= ProfitLossAmount(a, figures);
    }
    return cost;
}

}  // namespace statements
