#include "frame/FieldTexts.h"

#include "platform/dao/Recordset.h"

namespace frame {

QStringList FieldTexts(dao::Recordset& rs, const char* field)
{
    QStringList texts;
    if (!rs.isEmpty())
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
            texts << QString::fromStdString(rs.get(field).toText());
    return texts;
}

}  // namespace frame
