#pragma once
// The setup window's consumption-tax rate: the journal's routine on the
// window's rate table.

#include "platform/dao/Value.h"

namespace dao {
class Recordset;
}

namespace setup {

// The rate in whole percent on `d` (簡易税率 when simplified; a row without one
// takes its 税率); 0 when not taxable or when no rate period has begun by then.
int SetupTaxRateOn(dao::Recordset& rates, const dao::Date& d, bool taxable, bool simplified);

}  // namespace setup
