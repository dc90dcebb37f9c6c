#pragma once
// The refusal of a stored value that its field cannot hold (ColumnConversion.h,
// ValueDomains.h), said the same way by every reader: it names the file, the
// table, the row (its place in the list read and its first fields that read
// well) and the field, so that the user can find the value and put it right.

#include "ColumnConversion.h"
#include "DaoError.h"
#include "ObjectInfo.h"
#include "Value.h"

#include <string>
#include <vector>

namespace dao {

// `columns` and `row` are the row's fields as read, `column` the one at fault,
// `place` the row's place in its list (1 for the first row).
DaoError StoredValueRefusal(const std::string& path, const std::string& table, long long place,
                            const std::vector<ColumnInfo>& columns, const std::vector<Value>& row, int column,
                            const StoredValueProblem& problem);

}  // namespace dao
