#pragma once
// The chart of accounts as the tab "期首残高設定" lists it: the balance column
// chosen with Option7 and one line per account.

#include "periodfile/SchemaNames.h"
#include "setup/ShownRecords.h"

#include <array>
#include <string>
#include <string_view>

namespace dao {
class Recordset;
}

namespace setup {

// The balance columns of Option7(0..6) and their captions.
inline constexpr int kBalanceColumnCount = 7;
inline constexpr std::array<std::string_view, kBalanceColumnCount> kBalanceColumns = {
    schema::column::OpeningBalance,
    schema::column::ClosingBalance1YearAgo,
    schema::column::ClosingBalance2YearsAgo,
    schema::column::ClosingBalance3YearsAgo,
    schema::column::ClosingBalance4YearsAgo,
    schema::column::ClosingBalance5YearsAgo,
    schema::column::Budget,
};
inline constexpr std::array<std::string_view, kBalanceColumnCount> kBalanceColumnCaptions = {
    "期首", "前期", "２期前", "３期前", "４期前", "５期前", "予算",
};

// The heading Label15 shows for a balance column.
std::string BalanceColumnHeading(int column);

// The line of the account the recordset stands on: the code in 3 bytes, the
// name in 20, the balance of `column` ("##,###,###,##0" right-aligned in 12
// characters; 12 blanks for no column), and for the master list the mark "○"
// of an account in use. A balance too wide for its 12 characters fills them
// with "*" (a cut number would show a wrong figure).
std::string AccountListLine(dao::Recordset& accounts, int column, bool masterList);

// What an account's line is compared by (ShownRecords.h): the fields its line
// and the edit row show with the balance column `column`, which are those an
// update writes. The period figures the closing window stores (借方合計,
// 期末残高, ...) and the other balance columns are not among them.
ComparedFields AccountComparedFields(int column);

// An account code is exactly three ASCII digits.
bool IsAccountCode(std::string_view text);

}  // namespace setup
