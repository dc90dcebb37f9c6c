#pragma once
// Finding a register's row by the value of one field.

#include "platform/dao/Recordset.h"

#include <string>

namespace setup {

// Moves `rs` onto its first row, from its first, whose `field` equals `value`;
// false when it has no rows or none matches.
inline bool FindRow(dao::Recordset& rs, const std::string& field, const std::string& value)
{
    if (rs.isEmpty())
        return false;
    rs.MoveFirst();
    rs.FindFirst(field, dao::Value(value));
    return !rs.NoMatch();
}

}  // namespace setup
