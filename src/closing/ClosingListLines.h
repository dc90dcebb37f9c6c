#pragma once
// The lines of the closing window's two closing lists: the closing templates
// (Q_決算仕訳定型台帳) and the closing entries (Q_決算仕訳台帳), one line per
// row in the query's order, and the key that names the record of each line.

#include "journal/JournalRecord.h"
#include "platform/dao/Value.h"

#include <optional>
#include <string>
#include <vector>

namespace dao {
class Recordset;
}

namespace closing {

// The record a list line stands for: the template's 仕訳ID or the voucher's
// 伝票番号, and the row's 追番.
struct ClosingLineKey {
    std::string number;
    int row = 0;
    bool operator==(const ClosingLineKey&) const = default;
};

struct ClosingListLine {
    std::string text;
    ClosingLineKey key;
    journal::JournalRecord row;  // what the row stored when the line was made
};

// A line of the template list: " ", 追番 ("0"-formatted when above 0, else one
// blank), " ", 摘要 (34 bytes), " ", 取引先 (16), " ", 勘定科目名 (20), "   ",
// 入金 (10, right-aligned), " ", 勘定科目名2 (20), "   ", 出金 (10), "  ",
// 銀行名 (15), " ", 支店名 (15). Amounts with "###,###,##0"; a null amount is
// ten blanks; an amount wider than its field shows "*" in every place.
ClosingListLine ClosingTemplateLine(dao::Recordset& templates);

// A line of the entry list: the date column (12 bytes), " ", then the fields of
// the template line from 追番 on, with 摘要 in 36 bytes. The date column shows
// 日付 as "yy/mm/dd(aaa)" when it is set and differs from `lastShown` (which
// then becomes it), else 12 blanks.
ClosingListLine ClosingEntryLine(dao::Recordset& entries, dao::Date& lastShown);

// An entry line in its two parts: the date column, which depends on the lines
// above it, and the rest (" " and the fields from 追番 on), the row's own.
struct ClosingEntryRow {
    journal::JournalRecord row;
    std::string fields;
};
ClosingEntryRow ClosingEntryRowOf(dao::Recordset& entries);
std::string ClosingEntryDateColumn(const std::optional<dao::Date>& date, dao::Date& lastShown);

// A line of the printed list "決算仕訳リスト" (from print column 10): 追番,
// " ", 摘要 (36), " ", 取引先 (10), " ", 勘定科目名 (16), "   ", 入金 (10), " ",
// 勘定科目名2 (16), "   ", 出金 (10), "  ", 銀行名 (15), " ", 支店名 (15).
std::string ClosingPrintedLine(dao::Recordset& entries);

// Every line of a recordset, from its first row; leaves it on its first row.
std::vector<ClosingListLine> ClosingTemplateLines(dao::Recordset& templates);
std::vector<ClosingListLine> ClosingEntryLines(dao::Recordset& entries, const dao::Date& now);
std::vector<std::string> ClosingPrintedLines(dao::Recordset& entries);

}  // namespace closing
