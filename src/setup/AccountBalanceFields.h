#pragma once
// Every balance and total an account of the chart holds: what registering an
// account starts at zero and the system initialisation sets to zero.

#include "periodfile/SchemaNames.h"

namespace setup {

inline constexpr const char* kAccountBalanceFields[] = {
    schema::column::OpeningBalance,
    schema::column::CurrentBalance,
    schema::column::ClosingBalance,
    schema::column::DebitTotal,
    schema::column::CreditTotal,
    schema::column::ClosingNetTotal,
    schema::column::ClosingBalance1YearAgo,
    schema::column::ClosingBalance2YearsAgo,
    schema::column::ClosingBalance3YearsAgo,
    schema::column::ClosingBalance4YearsAgo,
    schema::column::ClosingBalance5YearsAgo,
};

}  // namespace setup
