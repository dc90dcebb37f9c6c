#pragma once
// The roll-forward of a copy of the closed period's file into the next
// period's file, all in one transaction:
//  - the period figures and the 当期未処分利益 recomputed from the period's rows;
//  - every account in use: the closing balances of the last five periods
//    shifted on, the opening balance the closing balance (every profit-and-loss
//    account, 経常損益, 特別損益 and 決算１, at 0; the first 決算２ account by
//    code at the 当期未処分利益, any other 決算２ account at 0, since the
//    profit holds their balances), the period figures at 0;
//  - the period's journal rows and their change history deleted (rows dated
//    before or after the period stay);
//  - every bank account opening (and current) at its balance at the period's end;
//  - each fixed asset whose depreciation the period's journal posted: its
//    book value lowered by it, its depreciation emptied;
//  - the settings: the period number and the dates one year on, the opening
//    cash and deposits from the new opening balances.

#include "closing/ClosingRun.h"
#include "closing/RolloverOpenings.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace closing {

// A roll-forward that cannot be made; what() is the message to show.
class RolloverRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline const char* const kNoCarriedProfitAccount =
    "「決算２」の勘定科目が使用されていないため、当期未処分利益を繰り越せません";

// "「name」の金額が扱える範囲（-2,147,483,648～2,147,483,647円）を超えています"
std::string CarriedAmountOutOfRange(const std::string& what);

// "会計年度が第N期から第M期に変わっています。…"
std::string PeriodNumberChanged(long long named, long long stored);

// `copy` was opened through `workspace` (and nothing else was). Refused
// (RolloverRefused) when the settings' period number or period cannot be
// rolled on (RolloverPeriod.h), or when `namedPeriod` is given and the copy's
// period number is not that one (the next file's name was made from it).
// Then refused (dao::DaoError) as the closing window refuses the file
// (RolloverChecks.h), before anything is written. Returns the openings it
// carried and whether they balance. Throws RolloverRefused, or the
// dao::DaoError of a failed write, after rolling back.
CarriedOpenings RollForward(dao::Workspace& workspace, dao::Database& copy,
                            std::optional<long long> namedPeriod = std::nullopt);

}  // namespace closing
