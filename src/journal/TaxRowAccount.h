#pragma once
// Whether an account cell just left in a ten-row voucher grid makes its row
// the automatic tax row (TaxRow.h), and with the consumption-tax flags of
// which account. The journal window's, the templates' and the closing
// entries' grids decide it alike but for the rules of TaxRowRules.

#include "journal/EntryRows.h"

#include <functional>
#include <optional>
#include <string>

namespace dao {
class Recordset;
}

namespace journal {

// The tax account that makes a row below the first the tax row of the row
// above: "仮払消費税" on the debit side, "仮受消費税" on the credit side.
inline const char* TaxAccountName(bool debitSide)
{
    return debitSide ? "仮払消費税" : "仮受消費税";
}

// 消費税 and 簡易課税 of an account of the chart.
struct AccountTaxFlags {
    bool taxable = false;
    bool simplified = false;
};

// The flags of the chart's account of a name; nothing when the chart has no
// account of that name.
using AccountTaxFlagsLookup = std::function<std::optional<AccountTaxFlags>(const std::string& name)>;

// The account cell left: its row and side, the account name it holds and the
// one in the cell above it on the same side.
struct TaxRowCell {
    int row = 0;
    bool debitSide = true;
    std::string account;
    std::string accountAbove;
};

// What sets a grid apart.
struct TaxRowRules {
    // 消費税計算 of the settings, where the grid heeds it (the closing
    // entries'): while it is off, no row is a tax row.
    bool taxCalculation = true;
    // The closing entries': "仮受消費税" makes a tax row only while the chart
    // holds an account of that name.
    bool creditTaxAccountMustBeInChart = false;
    // The templates': an empty cell above gives the tax account's own flags.
    bool emptyAboveTakesTaxAccountFlags = false;
};

// Nothing when the cell makes no tax row: a row outside 1 to 9, an account
// other than its side's tax account, or a row `rules` exclude. Otherwise the
// flags of the account above; both false when that cell is empty or names no
// account of the chart.
std::optional<AccountTaxFlags> TaxRowFlagsOf(const TaxRowCell& cell, const AccountTaxFlagsLookup& flagsOf,
                                             const TaxRowRules& rules);

// The chart's flags as a window finds them: `findCode(kind, name)` gives the
// account's code ("" for none) and leaves `chart` on its row.
AccountTaxFlagsLookup ChartTaxFlags(const CodeLookup& findCode, int kind, dao::Recordset& chart);

}  // namespace journal
