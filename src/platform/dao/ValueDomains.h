#pragma once
// The values that a period file's fields may hold beyond what their declared
// type allows: a side of an account is 0 or 1, a statement class one of the
// classes the statements walk, a tax rate a percentage, a cost at least
// zero. A value outside them is refused when it is read, like a text in a
// number field, so that no window shows or uses it.

#include "ColumnConversion.h"
#include "Value.h"

#include <optional>
#include <string>

namespace dao {

// The rule of field `field` of base table `table`: its index, -1 when the
// field has none. Found once, when a recordset's columns are described.
int domainRuleOf(const std::string& table, const std::string& field);

// Why `value` cannot be a value of the field of rule `rule`; none when it can
// or when `rule` is -1. `joined`: the column comes into the row through a join
// from another table, where an empty value only means that no row was joined.
std::optional<StoredValueProblem> domainProblem(int rule, const Value& value, bool joined);

}  // namespace dao
