#pragma once
// The manufacturing cost report "製造原価報告書", from the accounts whose
// 中分類 is "製造原価", told apart by their 小分類:
//   "期首原材料棚卸高" opening material stock, "原材料仕入高" purchases, less
//   "原材料仕入れ値引き戻し高" purchase returns, "期末原材料棚卸高" closing
//   material stock, "労務費" labour, "経費" manufacturing expenses,
//   "期首仕掛品棚卸高" / "期末仕掛品棚卸高" opening / closing work in progress.
// Every line takes its accounts' figures for the period (opening balance plus
// the period's movement, so an opening stock booked by transfer counts as one
// carried as an opening balance), several accounts of one line adding up.
// Laid out as Ⅰ 材料費 (opening stock, purchases, their sum, closing stock,
// material cost), Ⅱ 労務費, Ⅲ 製造経費, 当期総製造費用 = Ⅰ + Ⅱ + Ⅲ, opening
// work in progress, their sum, closing work in progress and 当期製造原価, the
// figure the profit and loss statement shows as 当期製品製造原価.
// On screen every such account wherever it is stored counts; on paper the
// contiguous run from the first one. Sums in 64 bits.

#include "platform/printing/PrinterDevice.h"
#include "statements/StatementAccounts.h"
#include "statements/StatementPrint.h"

#include <cstdint>
#include <string>
#include <vector>

namespace statements {

struct ManufacturingCost {
    std::int64_t openingMaterial = 0;
    std::int64_t purchases = 0;  // less the returns
    std::int64_t closingMaterial = 0;
    std::int64_t labour = 0;
    std::int64_t expenses = 0;
    std::int64_t openingWork = 0;
    std::int64_t closingWork = 0;

    std::int64_t materialCost() const { return openingMaterial + purchases - closingMaterial; }  // Ⅰ
    std::int64_t totalCost() const { return materialCost() + labour + expenses; }                // Ⅰ+Ⅱ+Ⅲ
    std::int64_t withOpeningWork() const { return totalCost() + openingWork; }                   // 合計
    std::int64_t costOfManufacturing() const { return withOpeningWork() - closingWork; }         // 当期製造原価
    bool anyFigure() const;
};

enum class ManufacturingSource { Screen, Paper };
ManufacturingCost ComputeManufacturingCost(const StatementAccounts& accounts, ManufacturingSource source);

// The rows of List6.
std::vector<std::string> ManufacturingCostLines(const StatementAccounts& accounts);

// The printed report, when any of its figures is not 0: a new page when the
// current page already holds something, a blank line, the page header, the
// title and the lines; then a new page. Prints nothing when every figure is 0.
void PrintManufacturingCost(printing::PrinterDevice& device, const StatementHeader& header,
                            const StatementAccounts& accounts);

}  // namespace statements
