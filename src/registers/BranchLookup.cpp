#include "registers/BranchLookup.h"

namespace registers {

std::string FindBranchCode(dao::Recordset& branches, const std::string& bankCode, const std::string& branchName)
{
    if (bankCode.empty() || branchName.empty() || branches.isEmpty())
        return {};
    branches.MoveFirst();
    branches.FindFirst("銀行コード = " + dao::criteriaLiteral(bankCode) + " And 支店名 = "
                       + dao::criteriaLiteral(branchName));
    if (branches.NoMatch())
        return {};
    return branches.get("支店コード").toText();
}

}  // namespace registers
