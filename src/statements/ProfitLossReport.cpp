#include "statements/ProfitLossReport.h"

#include "common/FitByteWidth.h"
#include "statements/StatementClasses.h"
#include "statements/StatementText.h"

#include <map>

namespace statements {

namespace {

// What the walk writes, before it is laid out on screen or on paper.
struct Op {
    enum class Kind {
        Heading,       // a heading text
        Account,       // prefix, name, amount in the first column
        Figure,        // prefix, label, amount in the second column
        EmptyRow,      // screen: ""
        BlankRow,      // screen: " "
        BlankLine,     // paper: an empty text at column 10, no gap
        NewLine,       // paper: one blank line
        MarginFigure,  // paper: a figure line at the left margin, no gap
    };
    Kind kind;
    std::string prefix;
    std::string text;
    std::int64_t amount = 0;
};

const char* const kFigurePrefix = "　　 ";
const char* const kAccountPrefix = "  　　";
const char* const kFirstListPrefix = " 　　 ";

enum Group { Sales, Purchases, CostOfSales, Manufacturing, Sga, NonOpIncome, NonOpExpenses, ExtraGains, ExtraLosses };

const std::map<std::string, Group>& groups()
{
    static const std::map<std::string, Group> all = {
        {"売上高", Sales},
        {"仕入高", Purchases},
        {"売上原価", CostOfSales},
        {"製造原価", Manufacturing},
        {"販売管理費", Sga},
        {"営業外収益", NonOpIncome},
        {"営業外費用", NonOpExpenses},
        {"特別利益", ExtraGains},
        {"特別損失", ExtraLosses},
    };
    return all;
}

bool creditNatured(Group g)
{
    return g == Sales || g == NonOpIncome || g == ExtraGains;
}

enum class Medium { Screen, Paper };

class Walk {
public:
    Walk(const StatementAccounts& accounts, ProfitLossFigures figures, Medium medium, bool listSga)
        : a(accounts), m_figures(figures), m_medium(medium), m_listSga(listSga)
    {
    }

    std::vector<Op> run();
    std::int64_t expenses() const { return D; }

private:
    void heading(std::string text) { ops.push_back({Op::Kind::Heading, {}, std::move(text)}); }
    void figure(std::string prefix, std::string label, std::int64_t amount)
    {
        ops.push_back({Op::Kind::Figure, std::move(prefix), std::move(label), amount});
    }
    void subtotal(std::int64_t amount) { figure(kFigurePrefix, " 　", amount); }
    void plain(Op::Kind kind) { ops.push_back({kind, {}, {}}); }
    bool screen() const { return m_medium == Medium::Screen; }
    std::int64_t grossProfit() const
    {
        return total[Sales] - (total[Purchases] + total[CostOfSales] + total[Manufacturing]);
    }
    void opening(Group g);
    void manufacturingLine();
    void closeOperating(bool always);
    void enterNonOperating();
    void closeNonOperating(bool always);
    void enterExtraordinary();

    const StatementAccounts& a;
    ProfitLossFigures m_figures;
    Medium m_medium;
    bool m_listSga;
    std::vector<Op> ops;
    std::int64_t total[9] = {};
    std::int64_t D = 0, R = 0;
    std::int64_t m_manufacturing = 0;  // 当期製品製造原価 of the run
    bool m_manufacturingShown = false;
    bool m_sgaOpen = false;               // the expenses' heading is out, their total not yet
    bool m_operatingClosed = false;       // the expenses' total (and on paper 営業利益) is out
    bool m_nonOperatingOpen = false;      // "　営業外損益" is out
    bool m_nonOperatingExpenses = false;  // the last non-operating group opened is 営業外費用
    bool m_ordinaryShown = false;         // "経常利益　" is out
    bool m_extraordinaryOpen = false;     // "特別損益の部" is out
};

void Walk::opening(Group g)
{
    const std::int64_t S = total[Sales], PCM = total[Purchases] + total[CostOfSales] + total[Manufacturing];
    switch (g) {
    case Sales: heading("　　売上高"); break;
    case Purchases:
        figure(kFirstListPrefix, " ", S);
        heading("　　仕入高");
        break;
    case CostOfSales:
        figure(kFigurePrefix, " ", S);
        heading("　　売上原価");
        break;
    case Manufacturing: heading("　　製造原価"); break;
    case Sga:
        subtotal(PCM);
        plain(screen() ? Op::Kind::EmptyRow : Op::Kind::BlankLine);
        figure(" 　  ", "売上総利益　", grossProfit());
        plain(screen() ? Op::Kind::BlankRow : Op::Kind::NewLine);
        if (screen() || m_listSga)
            heading("　　販売費及び一般管理費");
        m_sgaOpen = true;
        m_operatingClosed = false;
        break;
    case NonOpIncome:
        closeOperating(true);
        enterNonOperating();
        heading("　　営業外収益");
        m_nonOperatingExpenses = false;
        break;
    case NonOpExpenses:
        closeOperating(false);
        if (m_nonOperatingOpen && !m_nonOperatingExpenses)
            subtotal(total[NonOpIncome]);
        enterNonOperating();
        heading("　　営業外費用");
        m_nonOperatingExpenses = true;
        break;
    case ExtraGains:
        closeOperating(false);
        closeNonOperating(true);
        enterExtraordinary();
        heading("　特別利益");
        break;
    case ExtraLosses:
        closeOperating(false);
        closeNonOperating(false);
        enterExtraordinary();
        subtotal(total[ExtraGains]);
        heading("　特別損失");
        break;
    }
}

// The manufacturing accounts stand in the cost of sales as one line, their
// net cost, where the first of them comes.
void Walk::manufacturingLine()
{
    if (m_manufacturingShown)
        return;
    m_manufacturingShown = true;
    if (total[Manufacturing] == 0)
        opening(Manufacturing);
    total[Manufacturing] += m_manufacturing;
    ops.push_back({Op::Kind::Account, kAccountPrefix, "当期製品製造原価", m_manufacturing});
}

// The selling and general administrative expenses' total, and on paper
// 営業利益, once the walk leaves them (whatever follows); `always` also when
// no expense account was listed (before the non-operating income).
void Walk::closeOperating(bool always)
{
    if (m_operatingClosed || (!always && !m_sgaOpen))
        return;
    const std::int64_t H = total[Sga];
    if (screen()) {
        subtotal(H);
    } else {
        figure(kFigurePrefix, m_listSga ? "　" : "販売費及び一般管理費", H);
        figure(kFigurePrefix, "営業利益", grossProfit() - H);
    }
    m_sgaOpen = false;
    m_operatingClosed = true;
}

void Walk::enterNonOperating()
{
    if (m_nonOperatingOpen)
        return;
    heading("　営業外損益");
    m_nonOperatingOpen = true;
}

// The last non-operating subtotal and "経常利益　", once the walk leaves the
// non-operating items; `always` also without them (before the extraordinary
// gains).
void Walk::closeNonOperating(bool always)
{
    if (m_ordinaryShown || (!always && !m_nonOperatingOpen))
        return;
    subtotal(m_nonOperatingOpen && !m_nonOperatingExpenses ? total[NonOpIncome] : total[NonOpExpenses]);
    const std::int64_t K = grossProfit() - total[Sga] + total[NonOpIncome] - total[NonOpExpenses];
    plain(screen() ? Op::Kind::BlankRow : Op::Kind::NewLine);
    figure(kFigurePrefix, "経常利益　", K);
    m_ordinaryShown = true;
}

void Walk::enterExtraordinary()
{
    if (m_extraordinaryOpen)
        return;
    plain(screen() ? Op::Kind::BlankRow : Op::Kind::NewLine);
    heading("特別損益の部");
    m_extraordinaryOpen = true;
}

std::vector<Op> Walk::run()
{
    heading("経常損益の部");
    if (screen())
        plain(Op::Kind::BlankRow);
    heading("　営業損益");

    const AccountRun run = ProfitLossRun(a);
    m_manufacturing = ManufacturingNetCost(a, run, m_figures);
    for (std::size_t i = run.begin; i < run.end; ++i) {
        const StatementAccount& x = a[i];
        if (!ListedInProfitLoss(x, m_figures))
            continue;
        const bool manufacturing = cls::IsManufacturingAccount(x.middle);
        const auto g = groups().find(x.minor);
        if (manufacturing) {
            manufacturingLine();
        } else if (g != groups().end()) {
            const Group group = g->second;
            if (total[group] == 0)
                opening(group);
            total[group] += ProfitLossFigure(x, m_figures, creditNatured(group));
        }
        const std::int64_t amount = ProfitLossAmount(x, m_figures);
        if (x.side == 0)
            D += amount;
        else if (x.side == 1)
            R += amount;
        else
            continue;
        if (manufacturing || (!screen() && !m_listSga && x.minor == cls::kSga))
            continue;
        ops.push_back({Op::Kind::Account, kAccountPrefix, x.name, amount});
    }
    closeOperating(false);
    closeNonOperating(false);

    const PeriodProfit profit = ComputePeriodProfit(a);
    const std::int64_t T = m_figures == ProfitLossFigures::ByTotals ? R - D : profit.beforeTax;
    if (total[ExtraLosses] != 0)
        subtotal(total[ExtraLosses]);
    if (screen())
        plain(Op::Kind::BlankRow);
    if (T < 0)
        figure(kFigurePrefix, "当期損失", -T);
    else
        figure(kFigurePrefix, "税引前当期利益", T);
    if (screen())
        plain(Op::Kind::EmptyRow);
    for (const ClosingListEntry& e : profit.list1)
        ops.push_back({Op::Kind::Account, kFirstListPrefix, e.name, e.amount});
    plain(screen() ? Op::Kind::EmptyRow : Op::Kind::NewLine);
    if (profit.closing1 > 0)
        figure(kFigurePrefix, "当期純利益額", T - profit.closing1);
    if (screen())
        plain(Op::Kind::EmptyRow);
    for (const ClosingListEntry& e : profit.list2) {
        if (screen())
            figure(kFigurePrefix, e.name, e.amount);
        else
            ops.push_back({Op::Kind::MarginFigure, kFigurePrefix, e.name, e.amount});
    }
    if (screen())
        plain(Op::Kind::EmptyRow);
    if (profit.closing2 > 0)
        figure(screen() ? kFigurePrefix : "　  ", "当期未処分利益", T - profit.closing1 + profit.closing2);
    return ops;
}

const int kScreenLabel = 20;
const int kPaperLabel = 30;
const std::string kEmptyColumn(kAmountWidth, ' ');

}  // namespace

ProfitLossScreen ShowProfitLossReport(const StatementAccounts& accounts, ProfitLossFigures figures)
{
    Walk walk(accounts, figures, Medium::Screen, true);
    ProfitLossScreen screen;
    for (const Op& op : walk.run()) {
        switch (op.kind) {
        case Op::Kind::Heading: screen.report.push_back(op.text); break;
        case Op::Kind::Account:
            screen.report.push_back(op.prefix + o::FitByteWidth(op.text, kScreenLabel) + AmountField(op.amount));
            break;
        case Op::Kind::Figure:
            screen.report.push_back(op.prefix + o::FitByteWidth(op.text, kScreenLabel) + kEmptyColumn
                                    + AmountField(op.amount));
            break;
        case Op::Kind::EmptyRow: screen.report.emplace_back(); break;
        case Op::Kind::BlankRow: screen.report.emplace_back(" "); break;
        default: break;
        }
    }
    if (figures == ProfitLossFigures::ByTotals)
        screen.expenseTotalLine = o::FitByteWidth("　　      費用合計", 20) + " " + AmountField(walk.expenses());
    return screen;
}

void PrintProfitLossReport(printing::PrinterDevice& device, const StatementHeader& header,
                           const StatementAccounts& accounts, bool listSgaAccounts, bool triangleNegatives)
{
    Walk walk(accounts, ProfitLossFigures::ByBalances, Medium::Paper, listSgaAccounts);
    PrintSteps steps;
    for (const Op& op : walk.run()) {
        switch (op.kind) {
        case Op::Kind::Heading: steps.push_back(PrintStep::line(op.text, true)); break;
        case Op::Kind::Account:
            steps.push_back(PrintStep::lineWithTail(
                op.prefix + o::FitByteWidth(op.text, kPaperLabel),
                PrintedAmount(op.amount, kStatementMask, kAmountWidth, triangleNegatives), true));
            break;
        case Op::Kind::Figure:
            steps.push_back(PrintStep::line(
                op.prefix + o::FitByteWidth(op.text, kPaperLabel) + kEmptyColumn + AmountField(op.amount), true));
            break;
        case Op::Kind::MarginFigure:
            steps.push_back(PrintStep::line(
                op.prefix + o::FitByteWidth(op.text, kPaperLabel) + kEmptyColumn + AmountField(op.amount), false, 0));
            break;
        case Op::Kind::BlankLine: steps.push_back(PrintStep::line("", false)); break;
        case Op::Kind::NewLine: steps.push_back(PrintStep::newLines(1)); break;
        default: break;
        }
    }
    PrintStatement(device, header, steps);
}

}  // namespace statements
