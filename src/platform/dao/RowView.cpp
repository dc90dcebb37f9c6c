#include "RowView.h"

#include <sqlite3.h>

namespace dao {

bool RowView::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

bool RowView::isText(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_TEXT;
}

std::string_view RowView::text(int column) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    if (!bytes)
        return {};
    return {bytes, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column))};
}

std::int64_t RowView::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

}  // namespace dao
