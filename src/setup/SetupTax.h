#pragma once
// The setup window's consumption-tax lookups: the journal's routines on the
// window's rate table and fraction rule.

#include "platform/dao/Value.h"

#include <cstdint>
#include <optional>

namespace dao { class Recordset; }

namespace setup {

// The rate in whole percent on `d` (簡易税率 when simplified; a row without one
// takes its 税率); 0 when not taxable or when no rate period has begun by then.
int SetupTaxRateOn(dao::Recordset& rates, const dao::Date& d, bool taxable, bool simplified);

// The tax on top of `amount` at that rate, rounded by 会計設定.端数処理 of the
// row `settings` stands on; 0 when not taxable; nullopt when the tax leaves the
// amount range.
std::optional<std::int32_t> SetupTaxExclusiveAmount(dao::Recordset& rates, dao::Recordset& settings,
                                                    const dao::Date& d, std::int64_t amount, bool taxable,
                                                    bool simplified);

}  // namespace setup
