#include "statements/SgaBreakdown.h"

#include "common/FitByteWidth.h"
#include "statements/StatementClasses.h"
#include "statements/StatementText.h"

namespace statements {

namespace {

std::string line(const std::string& name, std::int64_t amount)
{
    return o::FitByteWidth(name, 16) + " " + AmountField(amount);
}

// The contiguous run of 販売管理費 accounts, from the first one.
template <typename Visit> void forEachSgaAccount(const StatementAccounts& accounts, Visit visit)
{
    std::size_t i = 0;
    while (i < accounts.size() && accounts[i].minor != cls::kSga)
        ++i;
    for (; i < accounts.size() && accounts[i].minor == cls::kSga; ++i)
        if (accounts[i].closing != 0)
            visit(accounts[i]);
}

}  // namespace

std::vector<std::string> SgaBreakdownLines(const StatementAccounts& accounts)
{
    std::vector<std::string> lines;
    std::int64_t total = 0;
    forEachSgaAccount(accounts, [&](const StatementAccount& a) {
        lines.push_back(line(a.name, a.debitTotal - a.creditTotal));
        total += a.debitTotal - a.creditTotal;
    });
    lines.emplace_back(" ");
    lines.push_back(line("合計", total));
    return lines;
}

void PrintSgaBreakdown(printing::PrinterDevice& device, const StatementHeader& header,
                       const StatementAccounts& accounts)
{
    PrintSteps steps{PrintStep::newLines(1)};
    std::int64_t total = 0;
    forEachSgaAccount(accounts, [&](const StatementAccount& a) {
        steps.push_back(PrintStep::line(line(a.name, a.closing), false));
        total += a.closing;
    });
    steps.push_back(PrintStep::newLines(1));
    steps.push_back(PrintStep::line(line("合計", total), false));
    PrintStatement(device, header, steps);
}

}  // namespace statements
