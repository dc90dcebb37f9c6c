#pragma once
// The opening cash and deposits of 会計設定, derived from the opening balances
// of the chart of accounts.

#include <cstdint>
#include <optional>

namespace dao {
class Database;
class Recordset;
}  // namespace dao

namespace setup {

struct OpeningCash {
    std::int32_t cash = 0;      // 期首残高 of the account "現金"
    std::int32_t deposits = 0;  // the rest of the class "現金預金"
    std::int32_t total = 0;     // the whole class
};

// Walks every account of the master chart (in use or not): the class "現金預金"
// makes the total, the account named "現金" the cash (a later one of that name
// replaces an earlier one). nullopt when a figure leaves the amount range.
std::optional<OpeningCash> ComputeOpeningCash(dao::Recordset& chart);

// Writes 期首現金残高 and 期首預金残高 into the settings row the recordset stands on.
void StoreOpeningCash(dao::Recordset& settings, const OpeningCash& figures);

inline constexpr const char* kOpeningCashOutOfRange = "期首現金預金の合計が扱える金額の範囲を超えています";

// The figures computed from the chart as the file holds it now and stored in
// the settings row (when there is one), for a caller that runs it inside the
// transaction of its change to the chart. A sum out of range throws a
// dao::DaoError naming it, so that the transaction writes nothing.
OpeningCash StoreOpeningCashOfChart(dao::Database& db);

}  // namespace setup
