#include "statements/StatementPrint.h"

#include "common/DateFormat.h"
#include "common/NumberFormat.h"
#include "common/PrintRoutines.h"
#include "statements/StatementText.h"

#include <cmath>

namespace statements {

PrintStep PrintStep::line(std::string text, bool gap, int column)
{
    PrintStep s;
    s.kind = Kind::Line;
    s.text = std::move(text);
    s.gap = gap;
    s.column = column;
    return s;
}

PrintStep PrintStep::lineWithTail(std::string text, std::string tail, bool gap, int column)
{
    PrintStep s = line(std::move(text), gap, column);
    s.tail = std::move(tail);
    return s;
}

PrintStep PrintStep::newLines(int n)
{
    PrintStep s;
    s.kind = Kind::NewLines;
    s.count = n;
    return s;
}

PrintStep PrintStep::lineGap()
{
    PrintStep s;
    s.kind = Kind::Gap;
    return s;
}

void PrintStatementHeader(printing::PrinterDevice& device, const StatementHeader& header, int page)
{
    const StatementSettings empty;
    const StatementSettings& settings = header.settings ? *header.settings : empty;
    o::PrintNewLines(device, 2);
    if (!header.omitCompanyLine) {
        o::PrintNewLines(device, 1);
        device.printAtColumn(10,
                             "【" + settings.companyName + "】会計　" + header.title
                                 + o::FormatDate(header.now, o::kHeaderDateTime));
        o::PrintLineGap(device);
        o::PrintNewLines(device, 1);
    }
    std::string title = header.title;
    if (page > 1)
        title += "    ページ" + o::PrintedNumber(page);
    device.printAtColumn(10, title);
    o::PrintLineGap(device);
    device.printAtColumn(10, PeriodText(settings.periodFirst, settings.periodLast, header.now));
    o::PrintLineGap(device);
    device.printAtColumn(100, kUnitText);
    o::PrintLineGap(device);
}

namespace {

double lineHeight(const printing::PrinterDevice& device, const PrintStep& step)
{
    return device.textHeight(step.text.empty() ? std::string("1") : step.text);
}

// Whether a line step still fits on the page below `top` (a page always takes
// at least one line, so a line taller than a page cannot loop).
bool fits(const printing::PrinterDevice& device, const PrintStep& step, double top)
{
    if (step.kind != PrintStep::Kind::Line)
        return true;
    const double y = device.currentY();
    return y <= top + 1e-9 || y + lineHeight(device, step) <= device.scaleHeight() + 1e-9;
}

void printStep(printing::PrinterDevice& device, const PrintStep& step, int columnOffset)
{
    switch (step.kind) {
    case PrintStep::Kind::NewLines: o::PrintNewLines(device, step.count); return;
    case PrintStep::Kind::Gap: o::PrintLineGap(device); return;
    case PrintStep::Kind::Line: break;
    }
    const bool endsHere = step.tail.empty();
    if (step.column <= 0 && columnOffset == 0)
        device.print(step.text, endsHere);
    else
        device.printAtColumn(std::max(step.column, 1) + columnOffset, step.text, endsHere);
    if (!endsHere)
        device.print(step.tail, true);
    if (step.gap)
        o::PrintLineGap(device);
}

// Prints steps from `next` on while they fit; returns the first one left.
std::size_t printWhileFits(printing::PrinterDevice& device, const PrintSteps& steps, std::size_t next, double top,
                           int columnOffset)
{
    for (; next < steps.size(); ++next) {
        if (!fits(device, steps[next], top))
            break;
        printStep(device, steps[next], columnOffset);
    }
    return next;
}

}  // namespace

void PrintStatementHeadedAt(printing::PrinterDevice& device, const StatementHeader& header, const PrintSteps& steps,
                            std::size_t firstHeaded, bool newPageAtEnd, const PrintSteps& belowHeader)
{
    const auto headPage = [&](int page) {
        PrintStatementHeader(device, header, page);
        for (const PrintStep& step : belowHeader)
            printStep(device, step, 0);
    };
    if (firstHeaded >= steps.size()) {
        for (const PrintStep& step : steps)
            printStep(device, step, 0);
    } else {
        std::size_t next = 0;
        for (; next < firstHeaded; ++next)
            printStep(device, steps[next], 0);
        int page = 1;
        headPage(page);
        for (;;) {
            next = printWhileFits(device, steps, next, device.currentY(), 0);
            if (next >= steps.size())
                break;
            device.newPage();
            headPage(++page);
        }
    }
    if (newPageAtEnd)
        device.newPage();
}

void PrintStatement(printing::PrinterDevice& device, const StatementHeader& header, const PrintSteps& steps,
                    bool newPageAtEnd)
{
    PrintStatementHeadedAt(device, header, steps, 0, newPageAtEnd);
}

void PrintTwoColumns(printing::PrinterDevice& device, const StatementHeader& header, const PrintSteps& left,
                     const PrintSteps& right, double rightEdge)
{
    const int rightOffset = static_cast<int>(std::lround(std::floor(rightEdge) / device.textWidth("0")));
    int page = 1;
    PrintStatementHeader(device, header, page);
    std::size_t nextLeft = 0, nextRight = 0;
    for (;;) {
        const double top = std::floor(device.currentY());
        device.setCurrentY(top);
        nextLeft = printWhileFits(device, left, nextLeft, top, 0);
        device.setCurrentY(top);
        device.setCurrentX(0);
        nextRight = printWhileFits(device, right, nextRight, top, rightOffset);
        if (nextLeft >= left.size() && nextRight >= right.size())
            break;
        device.newPage();
        PrintStatementHeader(device, header, ++page);
    }
    device.newPage();
}

}  // namespace statements
