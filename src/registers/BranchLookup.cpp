#include "registers/BranchLookup.h"

#include "common/FindCode.h"

namespace registers {

std::string FindBranchCode(dao::Recordset& branches, const std::string& bankCode, const std::string& branchName)
{
    return o::FindBranchCode(branches, bankCode, branchName);
}

}  // namespace registers
