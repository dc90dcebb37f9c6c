#pragma once
// The balance sheet "貸借対照表": one walk over the accounts in use gives its
// lines, which the report form (one column, 30-byte labels) and the account
// form (assets left, liabilities and capital right, 26-byte labels) lay out on
// screen and on paper.
//
// The walk: the assets, the liabilities, then the capital; each section opens
// with its title, each group (中分類) with its heading and closes with its
// subtotal, each section with its total. A group's heading stands in its own
// section only: the first group of a section is headed right under the
// section's title. An account's amount is 期首残高 +
// 借方合計 − 貸方合計 in the assets and 期首残高 + 貸方合計 − 借方合計 in the
// liabilities and capital (the side follows the section). Accounts whose
// amount is 0 get no line. The cash and deposit accounts (小分類 "現金預金")
// make one line "現金預金", written when the next other asset account comes
// or, at the latest, when their sub-group, group or section ends (before its
// subtotal). After the last capital subtotal comes the period's profit as the
// capital line "当期未処分利益" ("当期未処理損失" when negative), counted in the
// total of capital and in "負債、資本合計". A section that the chart lacks is
// empty; the walk never reads past the last account. Sums in 64 bits.

#include "platform/printing/PrinterDevice.h"
#include "statements/StatementAccounts.h"
#include "statements/StatementPrint.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace statements {

enum class BsLineKind {
    OpeningTitle,    // "（" + the first account's 大分類 + "）"
    TitleSeparator,  // after a title
    Heading,         // a group's 中分類
    Account,         // 勘定科目名 and its amount
    Cash,            // "現金預金" and the pooled amount
    SeparatorBeforeSubtotal,
    Subtotal,  // 中分類 + "合計"
    SeparatorAfterSubtotal,
    GroupCloseEnd,  // the end of a group close
    AssetsTotal,
    LiabilitiesTitle,
    LiabilitiesTotal,
    CapitalTitle,
    ProfitLine,  // 当期未処分利益 / 当期未処理損失
    CapitalTotal,
    GrandTotal,  // 負債、資本合計
};

struct BalanceSheetLine {
    BsLineKind kind = BsLineKind::Heading;
    std::string label;  // the text of a title or heading, the label of an amount line
    std::int64_t amount = 0;
    int section = -1;           // 0 assets, 1 liabilities, 2 capital, -1 another class
    bool nextHasMinor = false;  // GroupCloseEnd: the account that follows has a 小分類

    bool hasAmount() const;
};

struct BalanceSheet {
    std::vector<BalanceSheetLine> lines;
    // The four total boxes of the account form (assets, liabilities, capital,
    // liabilities and capital): each holds its section's sum gathered so far,
    // and its total once the walk has written it.
    std::array<std::optional<std::int64_t>, 4> boxes{};
    std::optional<std::int64_t> assetsTotal;  // 資産合計, when written
    std::optional<std::int64_t> grandTotal;   // 負債、資本合計, when written

    // True when both totals were written and differ.
    bool totalsDiffer() const { return assetsTotal && grandTotal && *assetsTotal != *grandTotal; }
};

// `profit` is the period's unappropriated profit (PeriodProfit::unappropriated()).
BalanceSheet WalkBalanceSheet(const StatementAccounts& accounts, std::int64_t profit);

inline constexpr int kReportLabelWidth = 30;
inline constexpr int kAccountFormLabelWidth = 26;

// The rows of the report form's list (List4(3)).
std::vector<std::string> BalanceSheetReportRows(const BalanceSheet& sheet);

// The account form on screen: the rows of the assets, liabilities and capital
// lists (List4(0) to (2)) and the four boxes (Text2(0) to (3)).
struct BalanceSheetAccountForm {
    std::array<std::vector<std::string>, 3> lists;
    std::array<std::optional<std::int64_t>, 4> boxes{};
};
BalanceSheetAccountForm BalanceSheetAccountRows(const BalanceSheet& sheet);

// The printed statement in report form (one column, lines at print column 10)
// and in account form (two columns; the right one from 30 times the width of
// "  " on, its lines ten columns in from its edge). Both end with a new page.
void PrintBalanceSheetReport(printing::PrinterDevice& device, const StatementHeader& header, const BalanceSheet& sheet);
void PrintBalanceSheetAccounts(printing::PrinterDevice& device, const StatementHeader& header,
                               const BalanceSheet& sheet);

// The notice of the closing window when the two totals differ; "" when they agree.
std::string BalanceSheetNotice(const BalanceSheet& sheet);

}  // namespace statements
