#pragma once
// The registers' writes to the record of a chosen list line, each in one
// transaction: a fresh dynaset on the register, the record of the line found
// again (ShownRecords.h) and refused when it changed or vanished since the
// line was shown; only then is it changed or deleted.

#include "setup/ShownRecords.h"

#include <functional>
#include <optional>
#include <string>

namespace dao {
class Database;
class Workspace;
}  // namespace dao

namespace setup {

// A change to the record the recordset stands on; a refusal leaves it as it is.
using RecordChange = std::function<std::optional<std::string>(dao::Recordset&)>;

// Runs `change` on the record of `line` in `source` (a table or saved query)
// and returns its refusal, or the refusal naming `what` when the record
// changed or vanished.
std::optional<std::string> ChangeShownRecord(dao::Workspace& ws, dao::Database& db, const std::string& source,
                                             const RecordKey& keyOf, const ShownLine& line, const std::string& what,
                                             const RecordChange& change);

// The same for deleting the record.
std::optional<std::string> DeleteShownRecord(dao::Workspace& ws, dao::Database& db, const std::string& source,
                                             const RecordKey& keyOf, const ShownLine& line, const std::string& what);

}  // namespace setup
