#include "registers/BankMasterRows.h"

#include "common/FitByteWidth.h"
#include "common/Utf8.h"

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
    return {banks.get("銀行コード").toText(), banks.get("銀行名").toText(), banks.get("振込銀行名").toText(),
            banks.get("使用銀行").toBool()};
}

BranchRow ReadBranchRow(const dao::Recordset& branches)
{
    return {branches.get("銀行コード").toText(), branches.get("支店コード").toText(), branches.get("支店名").toText(),
            branches.get("振込支店名").toText(), branches.get("使用支店").toBool()};
}

std::optional<BankRow> FindBankByCode(dao::Database& database, const std::string& code)
{
    auto banks = database.OpenRecordset("Q_銀行コードﾏｽﾀｰ", dao::RecordsetType::Snapshot);
    if (banks->isEmpty())
        return std::nullopt;
    banks->FindFirst("銀行コード", dao::Value(code));
    if (banks->NoMatch())
        return std::nullopt;
    return ReadBankRow(*banks);
}

std::optional<BranchRow> FindBranchByCode(dao::Database& database, const std::string& code)
{
    auto branches = database.OpenRecordset("Q_支店コードﾏｽﾀｰ", dao::RecordsetType::Snapshot);
    if (branches->isEmpty())
        return std::nullopt;
    branches->FindFirst("支店コード", dao::Value(code));
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
