#include "ColumnWidths.h"

namespace dao {

namespace {

struct WideColumn {
    std::string_view table;
    std::string_view column;
};

constexpr WideColumn kWideColumns[] = {
    {"勘定科目コード表", "借方合計"},
    {"勘定科目コード表", "貸方合計"},
    {"勘定科目コード表", "期末貸借合計"},
    {"勘定科目コード表", "期末残高"},
};

}  // namespace

bool HoldsWideIntegers(std::string_view table, std::string_view column)
{
    for (const WideColumn& wide : kWideColumns)
        if (wide.table == table && wide.column == column)
            return true;
    return false;
}

}  // namespace dao
