#pragma once
// The texts of one field of every row of a recordset, from its first row: the
// items of a choice list (banks, branches, partners in use).

#include <QStringList>

namespace dao {
class Recordset;
}

namespace frame {

QStringList FieldTexts(dao::Recordset& rs, const char* field);

}  // namespace frame
