#include "statements/TrialBalance.h"

#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"
#include "common/NumberMasks.h"

#include <algorithm>

namespace statements {

namespace {

std::string field(std::int64_t amount, bool blankWhenZero)
{
    if (amount == 0 && blankWhenZero)
        return std::string(16, ' ');
    return o::FormatAmountField(amount, o::kAmountMask, 16);
}

std::string line(const std::string& debitBalance, const std::string& debitTotal, const std::string& name,
                 const std::string& creditTotal, const std::string& creditBalance)
{
    return debitBalance + " " + debitTotal + "　" + o::FitByteWidth(name, 20) + " " + creditTotal + " " + creditBalance;
}

struct Sums {
    std::int64_t debitBalance = 0, debitTotal = 0, creditTotal = 0, creditBalance = 0;
};

// The account lines; the sums of their four columns in `sums`.
std::vector<std::string> accountLines(const StatementAccounts& accounts, Sums& sums)
{
    std::vector<std::string> lines;
    for (const StatementAccount& a : accounts) {
        // The opening balance joins the total of the natural side; a negative one the other side.
        const std::int64_t onNaturalSide = a.opening > 0 ? a.opening : 0;
        const std::int64_t onOtherSide = a.opening < 0 ? -a.opening : 0;
        const bool debitNatured = a.side == 0;
        const std::int64_t debit = a.debitTotal + (debitNatured ? onNaturalSide : onOtherSide);
        const std::int64_t credit = a.creditTotal + (debitNatured ? onOtherSide : onNaturalSide);
        if (a.opening == 0 && a.debitTotal == 0 && a.creditTotal == 0)
            continue;
        const std::int64_t debitBalance = debit >= credit ? debit - credit : 0;
        const std::int64_t creditBalance = credit > debit ? credit - debit : 0;
        lines.push_back(line(field(debitBalance, true), field(debit, true), a.name, field(credit, true),
                             field(creditBalance, true)));
        sums.debitBalance += debitBalance;
        sums.debitTotal += debit;
        sums.creditTotal += credit;
        sums.creditBalance += creditBalance;
    }
    return lines;
}

// The text in the middle of `width` bytes (an odd blank on the right).
std::string centred(const std::string& text, int width)
{
    const int left = (width - o::ShiftJisByteWidth(text)) / 2;
    return o::FitByteWidth(std::string(static_cast<std::size_t>(std::max(left, 0)), ' ') + text, width);
}

// The two rows of column headings, laid out on the columns of the lines:
// "借方" over the debit balance and total, "勘定科目" over the name, "貸方"
// over the credit total and balance; below them "残高", "合計" and "合計",
// "残高" over the four amount columns.
std::vector<std::string> columnHeadings()
{
    const int sideWidth = 16 + 1 + 16;
    return {centred("借方", sideWidth) + "　" + centred("勘定科目", 20) + " " + centred("貸方", sideWidth),
            line(centred("残高", 16), centred("合計", 16), "", centred("合計", 16), centred("残高", 16))};
}

std::vector<std::string> closingLines(const Sums& sums)
{
    const std::string dashes(16, '-');
    return {line(dashes, dashes, "", dashes, dashes),
            line(field(sums.debitBalance, false), field(sums.debitTotal, false), "", field(sums.creditTotal, false),
                 field(sums.creditBalance, false))};
}

}  // namespace

std::vector<std::string> TrialBalanceLines(const StatementAccounts& accounts)
{
    Sums sums;
    std::vector<std::string> lines = accountLines(accounts, sums);
    for (std::string& l : closingLines(sums))
        lines.push_back(std::move(l));
    return lines;
}

void PrintTrialBalance(printing::PrinterDevice& device, const StatementHeader& header,
                       const StatementAccounts& accounts)
{
    Sums sums;
    PrintSteps steps;
    for (std::string& l : accountLines(accounts, sums))
        steps.push_back(PrintStep::line(std::move(l), true));
    const std::size_t accountsListed = steps.size();
    for (std::string& l : closingLines(sums))
        steps.push_back(PrintStep::line(std::move(l), true));
    PrintSteps headings;
    for (std::string& l : columnHeadings())
        headings.push_back(PrintStep::line(std::move(l), true));
    PrintStatementHeadedAt(device, header, steps, accountsListed > 0 ? 0 : steps.size(), true, headings);
}

}  // namespace statements
