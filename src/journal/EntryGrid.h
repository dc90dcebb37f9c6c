#pragma once
// The ten-row voucher grid of the journal-entry window: its cells, the amount
// arrays kept beside them, clearing, the totals and the amount cells' exit handlers.

#include "journal/AmountRange.h"
#include "journal/EntryRows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <cstdint>

namespace journal {

// The voucher kinds of Option8.
enum class VoucherKind { Transfer = 0, Receipt = 1, Payment = 2 };

class EntryGrid {
public:
    // Builds the cells as children of `window`, at their places in it.
    explicit EntryGrid(QWidget* window);

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
    std::int64_t DebitTotal = 0;     // held wider than an amount so a sum is never wrapped
    std::int64_t CreditTotal = 0;

    // Empties the cells and zeroes the arrays; row 1 shows "0" on both sides and
    // the cash preset of the voucher kind.
    void ClearEntry(VoucherKind kind);

    // Sums the arrays into the totals and shows them with "##,###,###,##0".
    void RecalcTotals();
    void ShowTotals(const char* mask);

    // The amount cells' exit handlers (the caller checks the edit mode).
    // Returns false when the text was refused (the focus went back to the cell).
    bool Text8_LostFocus(int index);
    bool Text9_LostFocus(int index);

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
QString AmountCellText(std::int64_t amount, const char* mask = "###,###,##0");

}  // namespace journal
