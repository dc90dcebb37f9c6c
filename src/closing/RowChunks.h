#pragma once
// Rows named by their row numbers, read or written a few hundred at a time:
// a statement binds each number, never splices it.

#include "platform/dao/Value.h"

#include <functional>
#include <string>
#include <vector>

namespace closing {

// Calls `chunk` for the rows of `rows` a few hundred at a time, with the
// condition "rowid IN (?, …)" and the row numbers to bind to it.
void ForEachRowChunk(
    const std::vector<long long>& rows,
    const std::function<void(const std::string& rowsIn, const std::vector<dao::Value>& params)>& chunk);

}  // namespace closing
