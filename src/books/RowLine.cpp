#include "books/RowLine.h"

namespace books {

std::string rowLine(const std::string& date, const JournalRow& row, const Posting& posting, std::int64_t balance,
                    const RowLineLayout& layout)
{
    LineBuilder line;
    line.raw(date).gap(1).text(row.description, layout.description);
    if (layout.partner > 0)
        line.gap(1).text(row.partner, layout.partner);
    line.gap(3)
        .text(posting.account, layout.account)
        .gap(2)
        .amountOrNone(posting.debit, 12, layout.none)
        .gap(1)
        .amountOrNone(posting.credit, 12, layout.none)
        .gap(1)
        .amount(balance, layout.balance);
    if (layout.bankGap >= 0)
        line.gap(layout.balanceGap).text(row.bankName, 14).gap(layout.bankGap).text(row.branchName, 14);
    return line.str();
}

std::string openingLine(std::int64_t balance, int labelBytes, int gap, int amountWidth)
{
    return LineBuilder()
        .gap(13)
        .text("前期より繰り越し", labelBytes)
        .gap(gap)
        .amount(balance, amountWidth, kOpeningMask)
        .str();
}

}  // namespace books
