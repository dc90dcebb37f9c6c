#include "statements/BalanceSheet.h"

#include "common/NumberFormat.h"
#include "statements/StatementClasses.h"
#include "statements/StatementText.h"

#include <cmath>

namespace statements {

bool BalanceSheetLine::hasAmount() const
{
    switch (kind) {
    case BsLineKind::Account:
    case BsLineKind::Cash:
    case BsLineKind::Subtotal:
    case BsLineKind::AssetsTotal:
    case BsLineKind::LiabilitiesTotal:
    case BsLineKind::ProfitLine:
    case BsLineKind::CapitalTotal:
    case BsLineKind::GrandTotal: return true;
    default: return false;
    }
}

namespace {

int sectionIndex(const std::string& major)
{
    if (major == cls::kAssets)
        return 0;
    if (major == cls::kLiabilities)
        return 1;
    if (major == cls::kCapital)
        return 2;
    return -1;
}

std::int64_t amountIn(int section, const StatementAccount& a)
{
    return section == 0 ? a.opening + a.debitTotal - a.creditTotal : a.opening + a.creditTotal - a.debitTotal;
}

class Walk {
public:
    Walk(const StatementAccounts& accounts, std::int64_t profit) : a(accounts), m_profit(profit) {}

    BalanceSheet run();

private:
    void emit(BsLineKind kind, std::string label = {}, std::int64_t amount = 0)
    {
        BalanceSheetLine line;
        line.kind = kind;
        line.label = std::move(label);
        line.amount = amount;
        line.section = sectionIndex(section);
        out.lines.push_back(std::move(line));
    }
    void takeRow(std::size_t index)
    {
        i = index;
        section = a[i].major;
        group = a[i].middle;
        sub = a[i].minor;
        subSum = groupSum = sectionSum = 0;
    }
    std::optional<std::size_t> firstOf(const char* major) const
    {
        for (std::size_t j = 0; j < a.size(); ++j)
            if (a[j].major == major)
                return j;
        return std::nullopt;
    }
    void flushCash()
    {
        if (cash != 0) {
            emit(BsLineKind::Cash, cls::kCashAndDeposits, cash);
            cash = 0;
        }
    }
    void handleRow();
    void closeGroup(const StatementAccount* next);
    // Returns false when the walk ends.
    bool closeSection();
    void closingLines();

    const StatementAccounts& a;
    std::int64_t m_profit;
    BalanceSheet out;
    std::size_t i = 0;
    std::string section, group, sub;
    std::int64_t cash = 0, subSum = 0, groupSum = 0, sectionSum = 0, liabilitiesTotal = 0;
};

void Walk::handleRow()
{
    const StatementAccount& row = a[i];
    const int s = sectionIndex(section);
    if (s < 0)
        return;
    const std::int64_t amount = amountIn(s, row);
    if (s == 0 && row.minor == cls::kCashAndDeposits) {
        cash += amount;
        subSum = cash;
    } else {
        if (s == 0)
            flushCash();
        if (amount != 0) {
            emit(BsLineKind::Account, row.name, amount);
            subSum += amount;
        }
    }
    out.boxes[static_cast<std::size_t>(s)] = sectionSum;
}

void Walk::closeGroup(const StatementAccount* next)
{
    flushCash();
    groupSum += subSum;
    emit(BsLineKind::SeparatorBeforeSubtotal);
    emit(BsLineKind::Subtotal, group + "合計", groupSum);
    emit(BsLineKind::SeparatorAfterSubtotal);
    // The next group's heading, when it belongs to this section: the first
    // group of the next section is headed under that section's title, never
    // above this section's total.
    if (next && next->major == section) {
        group = next->middle;
        emit(BsLineKind::Heading, group);
    }
    sub = next ? next->minor : std::string();
    emit(BsLineKind::GroupCloseEnd);
    out.lines.back().nextHasMinor = next && !next->minor.empty();
    sectionSum += groupSum;
    groupSum = subSum = 0;
}

void Walk::closingLines()
{
    emit(BsLineKind::ProfitLine, m_profit < 0 ? "当期未処理損失" : "当期未処分利益", m_profit);
    const std::int64_t capital = sectionSum + m_profit;
    emit(BsLineKind::CapitalTotal, "　　　　　　　　資本合計", capital);
    out.boxes[2] = capital;
    const std::int64_t grand = liabilitiesTotal + capital;
    emit(BsLineKind::GrandTotal, "　　　　　負債、資本合計", grand);
    out.boxes[3] = grand;
    out.grandTotal = grand;
}

bool Walk::closeSection()
{
    const int s = sectionIndex(section);
    if (s == 0) {
        emit(BsLineKind::AssetsTotal, "　　　　　　　　資産合計", sectionSum);
        out.boxes[0] = sectionSum;
        out.assetsTotal = sectionSum;
        if (const auto first = firstOf(cls::kLiabilities)) {
            emit(BsLineKind::LiabilitiesTitle, "（負債の部）");
            emit(BsLineKind::TitleSeparator);
            emit(BsLineKind::Heading, a[*first].middle);
            takeRow(*first);
            return true;
        }
        // No liability account: an empty section.
        emit(BsLineKind::LiabilitiesTitle, "（負債の部）");
        emit(BsLineKind::TitleSeparator);
        section = cls::kLiabilities;
        sectionSum = 0;
        return closeSection();
    }
    if (s == 1) {
        emit(BsLineKind::LiabilitiesTotal, "　　　　　　　　負債合計", sectionSum);
        out.boxes[1] = sectionSum;
        liabilitiesTotal = sectionSum;
        if (const auto first = firstOf(cls::kCapital)) {
            emit(BsLineKind::CapitalTitle, "（資本の部）");
            emit(BsLineKind::TitleSeparator);
            emit(BsLineKind::Heading, a[*first].middle);
            takeRow(*first);
            return true;
        }
        emit(BsLineKind::CapitalTitle, "（資本の部）");
        emit(BsLineKind::TitleSeparator);
        section = cls::kCapital;
        sectionSum = 0;
        closingLines();
        return false;
    }
    if (s == 2)
        closingLines();
    return false;
}

BalanceSheet Walk::run()
{
    if (a.empty())
        return out;
    takeRow(0);
    emit(BsLineKind::OpeningTitle, "（" + section + "）");
    emit(BsLineKind::TitleSeparator);
    emit(BsLineKind::Heading, group);
    for (;;) {
        if (a[i].major.empty()) {
            closingLines();
            break;
        }
        handleRow();
        const std::size_t nextIndex = i + 1;
        const StatementAccount* next = nextIndex < a.size() ? &a[nextIndex] : nullptr;
        if (next && next->major == section && next->middle == group) {
            if (next->minor != sub) {
                if (sectionIndex(section) == 0 && sub == cls::kCashAndDeposits)
                    flushCash();
                groupSum += subSum;
                subSum = 0;
                sub = next->minor;
            }
            i = nextIndex;
            continue;
        }
        closeGroup(next);
        if (next && next->major == section) {
            i = nextIndex;
            continue;
        }
        i = nextIndex;
        if (!closeSection())
            break;
    }
    return out;
}

}  // namespace

BalanceSheet WalkBalanceSheet(const StatementAccounts& accounts, std::int64_t profit)
{
    return Walk(accounts, profit).run();
}

std::vector<std::string> BalanceSheetReportRows(const BalanceSheet& sheet)
{
    std::vector<std::string> rows;
    for (const BalanceSheetLine& line : sheet.lines) {
        switch (line.kind) {
        case BsLineKind::TitleSeparator: rows.emplace_back(); break;
        case BsLineKind::SeparatorBeforeSubtotal:
        case BsLineKind::SeparatorAfterSubtotal: rows.emplace_back(" "); break;
        case BsLineKind::GroupCloseEnd: break;
        default:
            rows.push_back(line.hasAmount() ? LabelAmountLine(line.label, line.amount, kReportLabelWidth) : line.label);
        }
    }
    return rows;
}

BalanceSheetAccountForm BalanceSheetAccountRows(const BalanceSheet& sheet)
{
    BalanceSheetAccountForm form;
    form.boxes = sheet.boxes;
    std::size_t current = 0;
    bool afterOpeningTitle = false;
    const auto put = [&](std::size_t list, const BalanceSheetLine& line) {
        form.lists[list].push_back(line.hasAmount() ? LabelAmountLine(line.label, line.amount, kAccountFormLabelWidth)
                                                    : line.label);
    };
    for (const BalanceSheetLine& line : sheet.lines) {
        switch (line.kind) {
        case BsLineKind::OpeningTitle:
            put(0, line);
            afterOpeningTitle = true;
            continue;
        case BsLineKind::TitleSeparator:
            if (afterOpeningTitle)
                form.lists[0].emplace_back();
            break;
        case BsLineKind::Account:
        case BsLineKind::Cash: put(line.section >= 0 ? static_cast<std::size_t>(line.section) : current, line); break;
        case BsLineKind::SeparatorBeforeSubtotal:
        case BsLineKind::SeparatorAfterSubtotal:
        case BsLineKind::GroupCloseEnd: break;
        case BsLineKind::AssetsTotal:
            put(current, line);
            current = 1;
            break;
        case BsLineKind::LiabilitiesTitle: put(1, line); break;
        case BsLineKind::LiabilitiesTotal:
            put(current, line);
            current = 2;
            break;
        case BsLineKind::CapitalTitle: put(2, line); break;
        default: put(current, line);
        }
        afterOpeningTitle = false;
    }
    return form;
}

void PrintBalanceSheetReport(printing::PrinterDevice& device, const StatementHeader& header, const BalanceSheet& sheet)
{
    PrintSteps steps;
    for (const BalanceSheetLine& line : sheet.lines) {
        switch (line.kind) {
        case BsLineKind::TitleSeparator:
        case BsLineKind::SeparatorBeforeSubtotal:
        case BsLineKind::SeparatorAfterSubtotal: steps.push_back(PrintStep::newLines(1)); break;
        case BsLineKind::GroupCloseEnd: break;
        case BsLineKind::Account:
            steps.push_back(PrintStep::line(LabelAmountLine(line.label, line.amount, kReportLabelWidth), true));
            break;
        default:
            steps.push_back(PrintStep::line(
                line.hasAmount() ? LabelAmountLine(line.label, line.amount, kReportLabelWidth) : line.label, false));
        }
    }
    PrintStatement(device, header, steps);
}

void PrintBalanceSheetAccounts(printing::PrinterDevice& device, const StatementHeader& header,
                               const BalanceSheet& sheet)
{
    PrintSteps left, right;
    PrintSteps* column = &left;
    const auto text = [](const BalanceSheetLine& line) {
        return line.hasAmount() ? LabelAmountLine(line.label, line.amount, kAccountFormLabelWidth) : line.label;
    };
    for (const BalanceSheetLine& line : sheet.lines) {
        switch (line.kind) {
        case BsLineKind::OpeningTitle:
        case BsLineKind::CapitalTitle: column->push_back(PrintStep::line(text(line), false)); break;
        case BsLineKind::TitleSeparator:
        case BsLineKind::SeparatorBeforeSubtotal:
        case BsLineKind::SeparatorAfterSubtotal: column->push_back(PrintStep::newLines(1)); break;
        case BsLineKind::GroupCloseEnd:
            if (line.nextHasMinor)
                column->push_back(PrintStep::lineGap());
            break;
        case BsLineKind::AssetsTotal:
            column->push_back(PrintStep::line(text(line), true));
            column = &right;
            break;
        default: column->push_back(PrintStep::line(text(line), true));
        }
    }
    PrintTwoColumns(device, header, left, right, std::floor(30 * device.textWidth("  ")));
}

std::string BalanceSheetNotice(const BalanceSheet& sheet)
{
    if (!sheet.totalsDiffer())
        return {};
    return "資産合計と負債、資本合計が一致しません（差額 "
        + o::FormatNumber(*sheet.assetsTotal - *sheet.grandTotal, kStatementMask) + " 円）";
}

}  // namespace statements
