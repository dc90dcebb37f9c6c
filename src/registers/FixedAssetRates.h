#pragma once
// The statutory rates the fixed-asset register proposes for an asset, and the
// question it asks when a typed rate differs from them. The register's
// 償却率 and 保証率 are percents: the tables print 0.200 and 0.06552, the
// register holds 20.000 and 6.552.

#include "registers/FixedAssetFields.h"

#include <optional>
#include <string>

namespace registers {

// The statutory rates as the register shows them ("#0.000" percent); an empty
// guarantee where the table has none (the old methods, and 定率法 of 2 years).
struct StatutoryPercents {
    std::string rate;
    std::string guarantee;
};

// The rates of the method, the rule set of the acquisition date and the useful
// life of the fields, when all three are known and the tables hold them:
// 定額法 from 2007-04-01 (別表第八), 定率法 from 2007-04-01 (別表第九 up to
// 2012-03-31, 別表第十 from 2012-04-01, with the guarantee rate) and 定率法
// before 2007-04-01 (別表第七). nullopt otherwise (一括償却, 定額法 before
// 2007-04-01, an unknown method, no valid date, a life outside 2 to 50).
std::optional<StatutoryPercents> StatutoryPercentsFor(const FixedAssetFields& fields);

// Asked (Yes/No, title kRateQuestionTitle) before "登録" or "更新" stores a typed
// 償却率 or 保証率 that differs from the statutory rate of the fields, to the
// thousandth of a percent; nullopt when both agree, when a box is empty or not
// a number, or when no statutory rate applies.
std::optional<std::string> RateDifferenceQuestion(const FixedAssetFields& fields);

inline constexpr const char* kRateQuestionTitle = "固定資産台帳";

}  // namespace registers
