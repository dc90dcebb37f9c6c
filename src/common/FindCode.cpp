#include "common/FindCode.h"

#include "periodfile/SchemaNames.h"

namespace o {

std::string FindCode(const CodeSources& sources, int kind, const std::string& name)
{
    dao::Recordset* recordset = nullptr;
    const char* searchField = nullptr;
    const char* resultField = nullptr;
    switch (kind) {
    case 2:
    case 3:
        recordset = sources.accounts;
        searchField = schema::column::AccountName;
        resultField = schema::column::AccountCode;
        break;
    case 4:
        recordset = sources.banks;
        searchField = schema::column::BankName;
        resultField = schema::column::BankCode;
        break;
    case 5:
        recordset = sources.branches;
        searchField = schema::column::BranchName;
        resultField = schema::column::BranchCode;
        break;
    default: return {};
    }
    if (name.empty() || recordset == nullptr || recordset->isEmpty())
        return {};

    recordset->MoveFirst();
    recordset->FindFirst(std::string(searchField) + " = " + dao::criteriaLiteral(name));
    if (recordset->NoMatch())
        return {};
    return recordset->get(resultField).toText();
}

std::string FindBranchCode(dao::Recordset& branches, const std::string& bankCode, const std::string& branchName)
{
    if (bankCode.empty() || branchName.empty() || branches.isEmpty())
        return {};
    branches.MoveFirst();
    branches.FindFirst(std::string(schema::column::BankCode) + " = " + dao::criteriaLiteral(bankCode) + " And "
                       + schema::column::BranchName + " = " + dao::criteriaLiteral(branchName));
    if (branches.NoMatch())
        return {};
    return branches.get(schema::column::BranchCode).toText();
}

}  // namespace o
