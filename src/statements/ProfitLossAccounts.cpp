#include "statements/ProfitLossAccounts.h"

#include "common/FitByteWidth.h"
#include "statements/PeriodProfit.h"
#include "statements/StatementClasses.h"
#include "statements/StatementText.h"

#include <optional>

namespace statements {

namespace {

std::string line(const std::string& name, std::int64_t amount)
{
    return o::FitByteWidth(name, 20) + " " + AmountField(amount);
}

}  // namespace

ProfitLossAccountForm ShowProfitLossAccounts(const StatementAccounts& accounts, ProfitLossFigures figures)
{
    ProfitLossAccountForm form;
    const AccountRun run = ProfitLossRun(accounts);
    std::optional<std::size_t> manufacturingLine;  // where the first manufacturing account stood
    for (std::size_t i = run.begin; i < run.end; ++i) {
        const StatementAccount& a = accounts[i];
        if (!ListedInProfitLoss(a, figures))
            continue;
        if (cls::IsManufacturingAccount(a.middle)) {
            if (!manufacturingLine) {
                manufacturingLine = form.expenses.size();
                form.expenses.emplace_back();
            }
            continue;
        }
        const std::int64_t amount = ProfitLossAmount(a, figures);
        if (a.side == 0) {
            form.expenses.push_back(line(a.name, amount));
            form.expenseTotal += amount;
        } else if (a.side == 1) {
            form.revenues.push_back(line(a.name, amount));
            form.revenueTotal += amount;
        }
    }
    if (manufacturingLine) {
        const std::int64_t cost = ManufacturingNetCost(accounts, run, figures);
        form.expenses[*manufacturingLine] = line("当期製品製造原価", cost);
        form.expenseTotal += cost;
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
