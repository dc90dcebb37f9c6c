#pragma once
// What in the period file still points at a bank or a branch: the company's
// bank accounts (取引銀行), journal rows (仕訳台帳, closing entries included) and
// journal-template rows (仕訳定型台帳). A bank or branch in use must keep its
// code and may not be deleted, or those rows would point at nothing.

#include "platform/dao/Database.h"

#include <string>
#include <vector>

namespace registers {

// The names of what uses the code, in the order "取引銀行", "仕訳", "定型仕訳";
// empty when nothing does.
std::vector<std::string> BankCodeUsers(dao::Database& database, const std::string& bankCode);
std::vector<std::string> BranchCodeUsers(dao::Database& database, const std::string& branchCode);

// "「<name>」は取引銀行・仕訳に使われているため、<refused>できません".
std::string InUseMessage(const std::string& name, const std::vector<std::string>& users, const std::string& refused);

}  // namespace registers
