#include "registers/BankMasterUsage.h"

#include "periodfile/SchemaNames.h"
#include "platform/dao/Recordset.h"

namespace registers {

namespace {

// The text as an SQL string literal: in quotes, each quote doubled (SQLite
// string literals know no other escape), so the text is only ever data.
std::string SqlText(const std::string& text)
{
    std::string literal = "'";
    for (char c : text) {
        if (c == '\'')
            literal += '\'';
        literal += c;
    }
    return literal + "'";
}

bool AnyRow(dao::Database& database, const char* table, const char* field, const std::string& code)
{
    auto rows = database.OpenRecordset(std::string("SELECT 1 AS found FROM \"") + table + "\" WHERE \"" + field
                                           + "\" = " + SqlText(code) + " LIMIT 1",
                                       dao::RecordsetType::Snapshot);
    return !rows->isEmpty();
}

std::vector<std::string> Users(dao::Database& database, const char* field, const std::string& code)
{
    std::vector<std::string> users;
    if (code.find('\0') != std::string::npos)
        return {"取引銀行", "仕訳", "定型仕訳"};  // never a stored code: count it as used
    if (AnyRow(database, "取引銀行", field, code))
        users.emplace_back("取引銀行");
    if (AnyRow(database, "仕訳台帳", field, code))
        users.emplace_back("仕訳");
    if (AnyRow(database, "仕訳定型台帳", field, code))
        users.emplace_back("定型仕訳");
    return users;
}

}  // namespace

std::vector<std::string> BankCodeUsers(dao::Database& database, const std::string& bankCode)
{
    return Users(database, schema::column::BankCode, bankCode);
}

std::vector<std::string> BranchCodeUsers(dao::Database& database, const std::string& branchCode)
{
    return Users(database, schema::column::BranchCode, branchCode);
}

std::string InUseMessage(const std::string& name, const std::vector<std::string>& users, const std::string& refused)
{
    std::string joined;
    for (const std::string& user : users)
        joined += (joined.empty() ? "" : "・") + user;
    return "「" + name + "」は" + joined + "に使われているため、" + refused + "できません";
}

}  // namespace registers
