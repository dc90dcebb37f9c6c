#pragma once
// The ten-row voucher grid of the journal-entry window: its cells, the amount
// arrays kept beside them, clearing, the totals and the amount cells' exit handlers.

#include "common/NumberMasks.h"
#include "journal/AmountRange.h"
#include "journal/EntryRows.h"
#include "journal/TaxRow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace dao {
class Recordset;
}

namespace journal {

// The voucher kinds of Option8.
enum class VoucherKind { Transfer = 0, Receipt = 1, Payment = 2 };

class EntryGrid {
public:
    // Builds the cells as children of `window`, at their places in it.
    explicit EntryGrid(QWidget* window);

    // The headings over the grid's columns ("摘　　要", "取引先", "借方科目",
    // "金額", "貸方科目", "金額", "銀行名", "支店名"), white on blue, each centred
    // over its column; `makeLabel` makes a heading's label in the window.
    static void PlaceHeadings(const std::function<QLabel*(const QString& text)>& makeLabel);

    // Cells of rows 0-9; Text8(10) and Text9(10) are the totals.
    std::array<QLineEdit*, kGridRows> Text1{};
    std::array<QComboBox*, kGridRows> Combo11{};
    std::array<QComboBox*, kGridRows> Combo1{};
    std::array<QLineEdit*, kGridRows + 1> Text8{};
    std::array<QComboBox*, kGridRows> Combo7{};
    std::array<QLineEdit*, kGridRows + 1> Text9{};
    std::array<QComboBox*, kGridRows> Combo8{};
    std::array<QComboBox*, kGridRows> Combo9{};
    std::array<QLabel*, kGridRows> RowNumbers{};

    AmountArray DebitAmounts{};
    AmountArray CreditAmounts{};
    std::int64_t DebitTotal = 0;  // held wider than an amount so a sum is never wrapped
    std::int64_t CreditTotal = 0;

    // Empties the cells and zeroes the arrays; row 1 shows "0" on both sides and
    // the cash preset of the voucher kind.
    void ClearEntry(VoucherKind kind);

    // The lists of the account cells of every row, from the accounts in use
    // that have a name, in their order: a debit cell offers the debit-natured
    // ones (借貸区分 0), a credit cell the credit-natured ones (1), and an
    // account marked 相方有無 is offered in both.
    void FillAccountLists(dao::Recordset& usedAccounts);

    // Sums the arrays into the totals and shows them with "##,###,###,##0".
    void RecalcTotals();
    void ShowTotals(const char* mask);

    // The amount cells' exit handlers (the caller checks the edit mode).
    // Returns false when the text was refused (the focus went back to the cell).
    bool Text8_LostFocus(int index);
    bool Text9_LostFocus(int index);

    // Whether both totals stay within the amount range when row `row` holds
    // `debit` and `credit` and the other rows what they hold.
    bool TotalsFitWith(int row, std::int64_t debit, std::int64_t credit) const;

    // An account cell left (Combo1 on the debit side, Combo7 on the credit
    // side): a code typed into it becomes the account's name. `nameOfCode`
    // gives "" for a code of no account, after saying so; the focus then goes
    // back to the cell. Returns the account name the cell holds, "" when it is
    // empty or its code was refused.
    std::string AccountCellLeft(int row, bool debitSide,
                                const std::function<std::string(const std::string&)>& nameOfCode);

    // Makes row `row` (1 to 9) the tax row of the row above on one side
    // (TaxRowOf): the tax on both sides, each cell with its mask of `terms`,
    // the other side's empty account cell taking row 0's account, and the
    // totals recalculated. Returns false, changing nothing, when there is no
    // tax row (the tax or a total would leave the amount range).
    bool PutTaxRow(int row, bool debitSide, const TaxRateTable& rates, const TaxRowTerms& terms);

    void EnableRow(int row);
    void DisableRow(int row);
    void EnableAllRows();
    void DisableAllRows();

    // The texts of the cells as plain values.
    EntryRows rows() const;

    // Every cell of a row in tab order (description, partner, debit account,
    // debit amount, credit account, credit amount, bank, branch).
    std::array<QWidget*, 8> rowCells(int row) const;

private:
    bool amountLeft(int index, bool debitSide);
    void setRowEnabled(int row, bool enabled);
};

// Formats an amount for a cell ("###,###,##0" and the other masks).
QString AmountCellText(std::int64_t amount, const char* mask = o::kAmountMask);

}  // namespace journal
