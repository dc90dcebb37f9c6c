#include "registers/BankMasterRows.h"

#include "common/FitByteWidth.h"
#include "common/Utf8.h"
#include "periodfile/SchemaNames.h"

#include <vector>

namespace registers {

namespace {

std::string InUseMark(bool inUse)
{
    return inUse ? "○" : "  ";
}

}  // namespace

BankRow ReadBankRow(const dao::Recordset& banks)
{
    return {banks.get(schema::column::BankCode).toText(), banks.get(schema::column::BankName).toText(),
            banks.get(schema::column::BankNameKana).toText(), banks.get(schema::column::BankInUse).toBool()};
}

BranchRow ReadBranchRow(const dao::Recordset& branches)
{
    return {branches.get(schema::column::BankCode).toText(), branches.get(schema::column::BranchCode).toText(),
            branches.get(schema::column::BranchName).toText(), branches.get(schema::column::BranchNameKana).toText(),
            branches.get(schema::column::BranchInUse).toBool()};
}

std::optional<BankRow> FindBankByCode(dao::Database& database, const std::string& code)
{
    auto banks = database.OpenRecordset(schema::query::BankMaster, dao::RecordsetType::Snapshot);
    if (banks->isEmpty())
        return std::nullopt;
    banks->FindFirst(schema::column::BankCode, dao::Value(code));
    if (banks->NoMatch())
        return std::nullopt;
    return ReadBankRow(*banks);
}

std::optional<BranchRow> FindBranchByCode(dao::Database& database, const std::string& code)
{
    auto branches = database.OpenRecordset(schema::query::BranchMaster, dao::RecordsetType::Snapshot);
    if (branches->isEmpty())
        return std::nullopt;
    branches->FindFirst(schema::column::BranchCode, dao::Value(code));
    if (branches->NoMatch())
        return std::nullopt;
    return ReadBranchRow(*branches);
}

std::string BranchNumberOf(std::string_view branchCode)
{
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < branchCode.size();) {
        starts.push_back(pos);
        pos += o::utf8::decodeAt(branchCode, pos).length;
    }
    if (starts.size() <= 3)
        return std::string(branchCode);
    return std::string(branchCode.substr(starts[starts.size() - 3]));
}

std::string BankListLine(const BankRow& bank)
{
    return o::FitByteWidth(bank.code, 8) + " " + o::FitByteWidth(bank.name, 30) + " "
        + o::FitByteWidth(bank.transferName, 22) + " " + InUseMark(bank.inUse);
}

std::string BranchListLine(const BranchRow& branch, const std::string& bankName)
{
    return o::FitByteWidth(bankName, 16) + " " + o::FitByteWidth(BranchNumberOf(branch.code), 8) + " "
        + o::FitByteWidth(branch.name, 26) + " " + o::FitByteWidth(branch.transferName, 22) + " "
        + InUseMark(branch.inUse);
}

}  // namespace registers
