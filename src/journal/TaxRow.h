#pragma once
// The automatic consumption-tax row of a ten-row voucher grid (the journal
// window's, the journal templates' and the closing entries'): in rows 1 to 9
// the input-tax account on the debit side, or the output-tax account on the
// credit side, makes the row the tax on the amount of the row above on that
// side. The row holds the tax on both sides; each window shows it with its own
// masks and takes the rate of its own day.

#include "common/NumberMasks.h"
#include "journal/EntryRows.h"
#include "journal/TaxAmount.h"
#include "journal/TaxRateTable.h"

#include <cstdint>
#include <optional>
#include <string>

namespace journal {

// The masks of a tax row's two amount cells: the cell on the tax account's
// side, and the other one.
struct TaxRowMasks {
    const char* taxSide;
    const char* otherSide;
};

// The journal window and the template grid: no digit grouping on the tax
// side, grouped on the other.
inline constexpr TaxRowMasks kGroupedOppositeMasks{o::kPlainAmountMask, o::kAmountMask};
// The closing-entry grid: no digit grouping on either side.
inline constexpr TaxRowMasks kUngroupedMasks{o::kPlainAmountMask, o::kPlainAmountMask};

// What decides a tax row besides the grid's amounts.
struct TaxRowTerms {
    dao::Date rateDate;                      // the rate in force on this day applies
    bool taxable = false;                    // 消費税 of the account above (false: the tax is 0)
    bool simplified = false;                 // 簡易課税 of the account above: the simplified rate
    FractionRule rule = FractionRule::None;  // 会計設定.端数処理
    TaxRowMasks masks = kGroupedOppositeMasks;
};

// The figures a tax row takes: the tax (on both sides) and the texts of the
// debit and credit amount cells.
struct TaxRowFigures {
    std::int32_t tax = 0;
    std::string debitText;
    std::string creditText;
};

// The tax row `row` (1 to 9) on one side of the grid whose rows hold `debit`
// and `credit`: the tax on top of the amount of row `row - 1` on that side.
// Nothing when the row is not 1 to 9, the tax leaves the amount range, or a
// total of the grid would with the row holding the tax on both sides.
std::optional<TaxRowFigures> TaxRowOf(const TaxRateTable& rates, const AmountArray& debit, const AmountArray& credit,
                                      int row, bool debitSide, const TaxRowTerms& terms);

}  // namespace journal
