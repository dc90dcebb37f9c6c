#include "statements/PeriodProfit.h"

#include "statements/StatementClasses.h"

namespace statements {

AccountRun ProfitLossRun(const StatementAccounts& accounts)
{
    AccountRun run{accounts.size(), accounts.size()};
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        if (accounts[i].major == cls::kOrdinary) {
            run.begin = i;
            break;
        }
    }
    run.end = run.begin;
    while (run.end < accounts.size()
           && (accounts[run.end].major == cls::kOrdinary || accounts[run.end].major == cls::kExtraordinary))
        ++run.end;
    return run;
}

PeriodProfit ComputePeriodProfit(const StatementAccounts& accounts)
{
    PeriodProfit profit;
    const AccountRun run = ProfitLossRun(accounts);
    std::int64_t revenues = 0, expenses = 0;
    for (std::size_t i = run.begin; i < run.end; ++i) {
        if (accounts[i].side == 1)
            revenues += accounts[i].closing;
        else if (accounts[i].side == 0)
            expenses += accounts[i].closing;
    }
    profit.beforeTax = revenues - expenses;

    std::size_t i = run.end;
    for (; i < accounts.size() && accounts[i].middle != cls::kClosingList2; ++i) {
        if (accounts[i].middle == cls::kClosingList1 && accounts[i].closing != 0) {
            profit.list1.push_back({accounts[i].name, accounts[i].closing});
            profit.closing1 += accounts[i].closing;
        }
    }
    for (; i < accounts.size(); ++i) {
        if (accounts[i].middle == cls::kClosingList2 && accounts[i].closing != 0) {
            profit.list2.push_back({accounts[i].name, accounts[i].closing});
            profit.closing2 += accounts[i].closing;
        }
    }
    return profit;
}

PeriodProfit ComputePeriodProfit(dao::Database& database)
{
    return ComputePeriodProfit(ReadStatementAccounts(database));
}

}  // namespace statements
