#include "statements/ProfitLossAccounts.h"

#include "common/FitByteWidth.h"
#include "statements/PeriodProfit.h"
#include "statements/StatementText.h"

namespace statements {

namespace {

std::string line(const std::string& name, std::int64_t amount)
{
    return o::FitByteWidth(name, 20) + " " + AmountField(amount);
}

}  // namespace

ProfitLossAccountForm ShowProfitLossAccounts(const StatementAccounts& accounts, ProfitLossFigures figures,
                                             int industry)
{
    ProfitLossAccountForm form;
    const AccountRun run = ProfitLossRun(accounts);
    const bool byTotals = figures == ProfitLossFigures::ByTotals;
    for (std::size_t i = run.begin; i < run.end; ++i) {
        const StatementAccount& a = accounts[i];
        if (industry != 1 && a.middle.rfind("製造原価", 0) == 0)
            continue;
        if (byTotals ? (a.debitTotal == 0 && a.creditTotal == 0) : a.closing == 0)
            continue;
        if (a.side == 0) {
            const std::int64_t amount = byTotals ? a.debitTotal - a.creditTotal : a.closing;
            form.expenses.push_back(line(a.name, amount));
            form.expenseTotal += amount;
        } else if (a.side == 1) {
            const std::int64_t amount = byTotals ? a.creditTotal - a.debitTotal : a.closing;
            form.revenues.push_back(line(a.name, amount));
            form.revenueTotal += amount;
        }
    }
    form.expenses.emplace_back(" ");
    if (form.expenseTotal < form.revenueTotal) {
        form.expenses.push_back(line("税引前当期利益", form.revenueTotal - form.expenseTotal));
        form.expenseTotal = form.revenueTotal;
    } else {
        form.revenues.push_back(line("当期損失", form.expenseTotal - form.revenueTotal));
        form.revenueTotal = form.expenseTotal;
    }
    return form;
}

}  // namespace statements
