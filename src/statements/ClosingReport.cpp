#include "statements/ClosingReport.h"

#include "common/DateFormat.h"
#include "common/EraYearText.h"
#include "common/PrintRoutines.h"
#include "common/Utf8.h"
#include "statements/BalanceSheet.h"
#include "statements/ManufacturingCost.h"
#include "statements/PeriodProfit.h"
#include "statements/ProfitLossReport.h"
#include "statements/SgaBreakdown.h"

namespace statements {

namespace {

// The first `count` characters of a UTF-8 text.
std::string firstCharacters(const std::string& text, int count)
{
    std::size_t pos = 0;
    for (int i = 0; i < count && pos < text.size(); ++i)
        pos += o::utf8::decodeAt(text, pos).length;
    return text.substr(0, pos);
}

}  // namespace

std::string ClosingReportDate(const std::optional<dao::Date>& date, bool eraForm, dao::Recordset* eras)
{
    if (!date)
        return {};
    if (eraForm)
        return firstCharacters(o::EraYearText(eras, *date), 5) + o::FormatDate(*date, "mm月dd日");
    return o::FormatDate(*date, "yyyy年mm月dd日");
}

void PrintClosingReport(printing::PrinterDevice& device, const StatementSettings& settings,
                        const StatementAccounts& accounts, const ClosingReportChoices& choices, const dao::Date& now,
                        dao::Recordset* eras)
{
    o::PreparePrinter(device, choices.paperSize, 0, 0, "ＭＳ 明朝", 9);
    if (choices.cover) {
        o::PrintNewLines(device, 15);
        o::PrintCentered(device, 16, "決　算　報　告　書");
        device.setFontSize(12);
        o::PrintNewLines(device, 4);
        o::PrintCentered(device, 12, "第　" + settings.periodNumber + "　期　");
        o::PrintNewLines(device, 3);
        o::PrintCentered(device, 12, "自　" + ClosingReportDate(settings.periodFirst, settings.eraDates, eras));
        o::PrintLineGap(device);
        o::PrintCentered(device, 12, "至　" + ClosingReportDate(settings.periodLast, settings.eraDates, eras));
        o::PrintLineGap(device);
        o::PrintNewLines(device, 10);
        o::PrintCentered(device, 12, settings.companyName);
        device.newPage();
    }
    device.setFontSize(9);

    const auto header = [&](const char* title) { return StatementHeader{&settings, true, title, now}; };
    if (choices.balanceSheet) {
        const BalanceSheet sheet = WalkBalanceSheet(accounts, ComputePeriodProfit(accounts).unappropriated());
        if (choices.accountForm)
            PrintBalanceSheetAccounts(device, header("貸借対照表"), sheet);
        else
            PrintBalanceSheetReport(device, header("貸借対照表"), sheet);
    }
    if (choices.profitLoss)
        PrintProfitLossReport(device, header("損益計算書"), accounts, !choices.sgaBreakdown,
                              settings.triangleNegatives);
    if (choices.sgaBreakdown)
        PrintSgaBreakdown(device, header("販売費及び一般管理費内訳書"), accounts);
    if (choices.manufacturingCost)
        PrintManufacturingCost(device, header("製造原価報告書"), accounts);

    if (choices.closingBlock) {
        // The block is about twelve lines: it starts a page of its own rather than run off this one.
        const double blockHeight = 13 * 1.3 * device.textHeight("1");
        if (device.currentY() > 0.0 && device.currentY() + blockHeight > device.scaleHeight())
            device.newPage();
        o::PrintNewLines(device, 5);
        device.printAtColumn(20, "上記の通り報告致します");
        o::PrintNewLines(device, 3);
        const std::string reportDate = ClosingReportDate(settings.reportDate, settings.eraDates, eras);
        if (settings.eraDates)
            o::PrintCentered(device, 12, reportDate);
        else
            device.printAtColumn(50, reportDate);
        o::PrintLineGap(device);
        o::PrintNewLines(device, 2);
        device.printAtColumn(50, settings.representativeTitle + " " + settings.representativeName);
    }
    device.endDoc();
}

}  // namespace statements
