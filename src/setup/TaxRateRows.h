#pragma once
// The five rate rows of the tab "消費税設定" and the rewrite of the rate table
// Q_消費税率 from them: every row is checked before the table is touched, and
// the table is replaced in one transaction, in date order.

#include "platform/dao/Value.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace dao {
class Database;
class Recordset;
class Workspace;
}  // namespace dao

namespace setup {

inline constexpr int kTaxRateRows = 5;

// What one rate row's boxes hold.
struct TaxRateRowTexts {
    std::string year;        // Combo14 "2019年"
    std::string month;       // Combo15 "10月"
    std::string day;         // Combo16 "1日"
    std::string rate;        // Text2
    std::string simplified;  // Text12; empty: no simplified rate of its own
};

struct TaxRateRow {
    dao::Date from;
    int rate = 0;
    std::optional<int> simplified;  // nullopt: 簡易税率 left empty (read as 税率)
};

// The rows to store, in date order, or the message saying which row is wrong.
// A row counts from its year box: a row with anything in it but no year is
// refused, never dropped; rows after the first empty year must be empty,
// each filled row needs a real date and a whole rate from 0 to 100 (the
// simplified rate likewise, or empty), and no two rows share a date.
std::variant<std::vector<TaxRateRow>, std::string>
CheckTaxRateRows(const std::array<TaxRateRowTexts, kTaxRateRows>& rows);

// The rate table as the tab loaded it: every row of `rates` (on Q_消費税率),
// whole, in its order.
std::vector<std::string> ShownTaxRates(dao::Recordset& rates);

// Replaces every row of Q_消費税率 by `rows` in one transaction. Refused (its
// message, nothing written) when the table, read inside the transaction, is no
// longer the one the tab loaded (`shown`), or when the file holds more rate
// rows than the tab shows.
std::optional<std::string> ReplaceTaxRateTable(dao::Workspace& ws, dao::Database& db,
                                               const std::vector<std::string>& shown,
                                               const std::vector<TaxRateRow>& rows);

inline constexpr const char* kTaxRatesChangedElsewhere =
    "消費税率表は他で変更されています。読み直しましたので、もう一度入力してください";

}  // namespace setup
