#pragma once
// The opening cash and deposits of the settings row (期首現金残高 and
// 期首預金残高), derived from the chart's opening balances as the setup window
// derives them: over every account of the chart, in use or not, the opening
// balances of the class "現金預金" add up to the cash and deposits, and the
// account named "現金" (the last of that name) holds the cash.

#include <cstdint>

namespace dao {
class Database;
}

namespace closing {

struct OpeningCash {
    std::int64_t cash = 0;       // 期首現金残高
    std::int64_t deposits = 0;   // 期首預金残高: the class's sum less the cash
};

OpeningCash ComputeOpeningCash(dao::Database& database);

}  // namespace closing
