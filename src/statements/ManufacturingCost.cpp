#include "statements/ManufacturingCost.h"

#include "common/FitByteWidth.h"
#include "common/NumberFormat.h"
#include "common/PrintRoutines.h"
#include "statements/StatementClasses.h"
#include "statements/StatementText.h"

namespace statements {

bool ManufacturingCost::anyFigure() const
{
    return openingMaterial != 0 || purchases != 0 || closingMaterial != 0 || labour != 0 || expenses != 0
        || openingWork != 0 || closingWork != 0;
}

namespace {

// Every line takes the account's figure for the period, its opening balance
// plus the period's movement: on the debit side for the costs and the opening
// stocks, on the credit side for the returns and the closing stocks. Several
// accounts of one line add up.
void take(ManufacturingCost& cost, const StatementAccount& a)
{
    const std::int64_t debitFigure = a.opening + a.debitTotal - a.creditTotal;
    const std::int64_t creditFigure = a.opening + a.creditTotal - a.debitTotal;
    const std::string& m = a.minor;
    if (m == "期首原材料棚卸高")
        cost.openingMaterial += debitFigure;
    else if (m == "原材料仕入高")
        cost.purchases += debitFigure;
    else if (m == "原材料仕入れ値引き戻し高")
        cost.purchases -= creditFigure;
    else if (m == "期末原材料棚卸高")
        cost.closingMaterial += creditFigure;
    else if (m == "労務費")
        cost.labour += debitFigure;
    else if (m == "経費")
        cost.expenses += debitFigure;
    else if (m == "期首仕掛品棚卸高")
        cost.openingWork += debitFigure;
    else if (m == "期末仕掛品棚卸高")
        cost.closingWork += creditFigure;
}

std::string screenRow(const std::string& label, std::int64_t amount)
{
    return "      " + o::FitByteWidth(label, 30) + o::FormatAmountField(amount, kStatementMask, 14);
}

std::string paperLine(const std::string& label, std::int64_t amount, int labelWidth)
{
    return o::FitByteWidth(label, labelWidth) + " " + AmountField(amount);
}

}  // namespace

ManufacturingCost ComputeManufacturingCost(const StatementAccounts& accounts, ManufacturingSource source)
{
    ManufacturingCost cost;
    if (source == ManufacturingSource::Screen) {
        for (const StatementAccount& a : accounts)
            if (a.middle == cls::kManufacturingCost)
                take(cost, a);
        return cost;
    }
    std::size_t i = 0;
    while (i < accounts.size() && accounts[i].middle != cls::kManufacturingCost)
        ++i;
    for (; i < accounts.size() && accounts[i].middle == cls::kManufacturingCost; ++i)
        take(cost, accounts[i]);
    return cost;
}

std::vector<std::string> ManufacturingCostLines(const StatementAccounts& accounts)
{
    const ManufacturingCost c = ComputeManufacturingCost(accounts, ManufacturingSource::Screen);
    const std::string spacer = "  ";
    return {
        "Ⅰ　材料費",
        spacer,
        screenRow("期首材料棚卸高", c.openingMaterial),
        screenRow("当期材料仕入高", c.purchases),
        screenRow("　　　　　合計", c.openingMaterial + c.purchases),
        screenRow("期末材料棚卸高", c.closingMaterial),
        screenRow("当期材料費", c.materialCost()),
        spacer,
        "Ⅱ　労務費",
        spacer,
        screenRow("労務費", c.labour),
        spacer,
        "Ⅲ　製造経費",
        spacer,
        screenRow("製造経費", c.expenses),
        spacer,
        screenRow("当期総製造費用", c.totalCost()),
        screenRow("期首仕掛品棚卸高", c.openingWork),
        screenRow("　　　　　合計", c.withOpeningWork()),
        screenRow("期末仕掛品棚卸高", c.closingWork),
        "      ---------------------------",
        screenRow("当期製造原価", c.costOfManufacturing()),
    };
}

void PrintManufacturingCost(printing::PrinterDevice& device, const StatementHeader& header,
                            const StatementAccounts& accounts)
{
    const ManufacturingCost c = ComputeManufacturingCost(accounts, ManufacturingSource::Paper);
    if (!c.anyFigure())
        return;
    const auto amountLine = [](const std::string& label, std::int64_t amount) {
        return PrintStep::line(paperLine(label, amount, 24), true, 14);
    };
    const PrintSteps steps = {
        PrintStep::newLines(1),
        PrintStep::line("製造原価報告書", false),
        PrintStep::newLines(1),
        PrintStep::line("Ⅰ　材料費", true),
        amountLine("期首原材料棚卸高", c.openingMaterial),
        amountLine("当期材料仕入高", c.purchases),
        amountLine("　　　　　　　合計", c.openingMaterial + c.purchases),
        amountLine("期末原材料棚卸高", c.closingMaterial),
        amountLine("　　　　　当期材料費", c.materialCost()),
        PrintStep::line(paperLine("Ⅱ　労務費", c.labour, 28), true),
        PrintStep::line(paperLine("Ⅲ　製造経費", c.expenses, 28), true),
        amountLine("当期総製造費用", c.totalCost()),
        amountLine("期首仕掛品棚卸高", c.openingWork),
        amountLine("　　　　　　　合計", c.withOpeningWork()),
        amountLine("期末仕掛品棚卸高", c.closingWork),
        amountLine("当期製造原価", c.costOfManufacturing()),
    };
    // A report that follows another on the same run starts a page of its own,
    // without ever leaving an empty sheet.
    if (device.currentY() > 0.0)
        device.newPage();
    o::PrintNewLines(device, 1);
    PrintStatement(device, header, steps);
}

}  // namespace statements
