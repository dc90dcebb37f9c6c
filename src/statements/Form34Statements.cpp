// The closing window's statements: each shows, or prints, what its routine
// computes from the accounts in use as the last tally left them; after a
// failed tally none of them reads the figures (Form34Refresh.cpp).
#include "statements/Form34.h"

#include "common/EditMode.h"
#include "common/NumberFormat.h"
#include "platform/printing/Printer.h"
#include "statements/BalanceSheet.h"
#include "statements/ManufacturingCost.h"
#include "statements/PeriodProfit.h"
#include "statements/ProfitLossAccounts.h"
#include "statements/ProfitLossReport.h"
#include "statements/SgaBreakdown.h"
#include "statements/StatementText.h"
#include "statements/TrialBalance.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <stdexcept>

namespace statements {

using frame::toQ;

namespace {

void fill(QListWidget* list, const std::vector<std::string>& lines)
{
    list->clear();
    for (const std::string& line : lines)
        list->addItem(toQ(line));
}

QString boxText(std::int64_t amount)
{
    return toQ(o::FormatNumber(amount, kStatementMask));
}

BalanceSheet balanceSheetOf(const StatementAccounts& accounts)
{
    return WalkBalanceSheet(accounts, ComputePeriodProfit(accounts).unappropriated());
}

}  // namespace

StatementAccounts Form34::accounts()
{
    // The figures an earlier tally left are never used in place of those a
    // failed one could not compute.
    if (m_tallyRefusal)
        throw std::runtime_error(*m_tallyRefusal);
    return ReadStatementAccounts(*UsedAccountsRecordset);
}

StatementSettings Form34::settings()
{
    return ReadStatementSettings(*SettingsRecordset);
}

StatementHeader Form34::header(bool omitCompanyLine, const char* title)
{
    m_headerSettings = settings();
    return {&m_headerSettings, omitCompanyLine, title, dao::Date::now()};
}

void Form34::ShowTrialBalance()
{
    o::EditModeSuspended off;
    fill(List3, TrialBalanceLines(accounts()));
}

void Form34::ShowProfitLossAccountsByBalances()
{
    Label9[2]->setText(QString::fromUtf8(kUnitText));
    const ProfitLossAccountForm form = ShowProfitLossAccounts(accounts(), ProfitLossFigures::ByBalances);
    fill(List5[0], form.expenses);
    fill(List5[1], form.revenues);
    Text3[0]->setText(boxText(form.expenseTotal));
    Text3[1]->setText(boxText(form.revenueTotal));
}

void Form34::ShowProfitLossAccountsByTotals()
{
    const ProfitLossAccountForm form = ShowProfitLossAccounts(accounts(), ProfitLossFigures::ByTotals);
    fill(List5[0], form.expenses);
    fill(List5[1], form.revenues);
    Text3[0]->setText(boxText(form.expenseTotal));
    Text3[1]->setText(boxText(form.revenueTotal));
}

void Form34::ShowProfitLossReportByBalances()
{
    fill(List5[2], ShowProfitLossReport(accounts(), ProfitLossFigures::ByBalances).report);
}

void Form34::ShowProfitLossReportByTotals()
{
    const ProfitLossScreen screen = ShowProfitLossReport(accounts(), ProfitLossFigures::ByTotals);
    fill(List5[2], screen.report);
    List5[0]->addItem(toQ(screen.expenseTotalLine));
}

void Form34::ShowBalanceSheetAccounts()
{
    o::EditModeSuspended off;
    Label9[1]->setText(QString::fromUtf8(kUnitText));
    const BalanceSheetAccountForm form = BalanceSheetAccountRows(balanceSheetOf(accounts()));
    for (std::size_t i = 0; i < 3; ++i)
        fill(List4[i], form.lists[i]);
    for (std::size_t i = 0; i < 4; ++i)
        Text2[i]->setText(form.boxes[i] ? boxText(*form.boxes[i]) : QString());
}

void Form34::ShowBalanceSheetReport()
{
    o::EditModeSuspended off;
    const BalanceSheet sheet = balanceSheetOf(accounts());
    fill(List4[3], BalanceSheetReportRows(sheet));
    BalanceNotice->setText(toQ(BalanceSheetNotice(sheet)));
}

void Form34::ShowManufacturingCost()
{
    fill(List6, ManufacturingCostLines(accounts()));
}

void Form34::ShowSgaBreakdown()
{
    fill(List7, SgaBreakdownLines(accounts()));
}

void Form34::PrintTrialBalance()
{
    o::EditModeSuspended off;
    statements::PrintTrialBalance(printing::printer(), header(false, "合計残高試算表"), accounts());
}

void Form34::PrintBalanceSheetAccounts(bool omitCompanyLine)
{
    o::EditModeSuspended off;
    statements::PrintBalanceSheetAccounts(printing::printer(), header(omitCompanyLine, "貸借対照表"),
                                          balanceSheetOf(accounts()));
}

void Form34::PrintBalanceSheetReport(bool omitCompanyLine)
{
    o::EditModeSuspended off;
    statements::PrintBalanceSheetReport(printing::printer(), header(omitCompanyLine, "貸借対照表"),
                                        balanceSheetOf(accounts()));
}

void Form34::PrintProfitLossReport(bool omitCompanyLine, bool listSgaAccounts)
{
    o::EditModeSuspended off;
    const StatementHeader h = header(omitCompanyLine, "損益計算書");
    statements::PrintProfitLossReport(printing::printer(), h, accounts(), listSgaAccounts,
                                      h.settings->triangleNegatives);
}

void Form34::PrintSgaBreakdown(bool omitCompanyLine)
{
    o::EditModeSuspended off;
    statements::PrintSgaBreakdown(printing::printer(), header(omitCompanyLine, "販売費及び一般管理費内訳書"),
                                  accounts());
}

void Form34::PrintManufacturingCost(bool omitCompanyLine)
{
    o::EditModeSuspended off;
    statements::PrintManufacturingCost(printing::printer(), header(omitCompanyLine, "製造原価報告書"), accounts());
}

}  // namespace statements
