#pragma once
// A small chart, bank and branch register for the computing routines' tests.

#include "journal/EntryRows.h"

#include <map>
#include <string>

namespace journal::testing {

inline CodeLookup FakeCodes()
{
    static const std::map<std::string, std::string> accounts = {
        {"現金", "111"},       {"普通預金", "131"}, {"売掛金", "141"}, {"仮払消費税", "181"}, {"買掛金", "311"},
        {"仮受消費税", "321"}, {"売上高", "511"},   {"仕入高", "611"}, {"消耗品費", "721"}};
    static const std::map<std::string, std::string> banks = {{"みずほ銀行", "0001"}, {"三井住友銀行", "0009"}};
    return [](int kind, const std::string& name) -> std::string {
        const std::map<std::string, std::string>* table = nullptr;
        if (kind == 2 || kind == 3)
            table = &accounts;
        if (kind == 4)
            table = &banks;
        if (!table || name.empty())
            return {};
        auto it = table->find(name);
        return it == table->end() ? std::string() : it->second;
    };
}

// Both banks have a "本店"; the first in the branch master's order is みずほ銀行's.
inline BranchLookup FakeBranches()
{
    static const std::map<std::pair<std::string, std::string>, std::string> branches = {{{"0001", "本店"}, "0001001"},
                                                                                        {{"0009", "本店"}, "0009001"}};
    return [](const std::string& bank, const std::string& name) -> std::string {
        auto it = branches.find({bank, name});
        return it == branches.end() ? std::string() : it->second;
    };
}

inline EntryRow Row(std::string description, std::string debitAccount, std::string debitAmount,
                    std::string creditAccount, std::string creditAmount, std::string partner = {},
                    std::string bank = {}, std::string branch = {})
{
    return EntryRow{std::move(description),   std::move(partner),      std::move(debitAccount), std::move(debitAmount),
                    std::move(creditAccount), std::move(creditAmount), std::move(bank),         std::move(branch)};
}

}  // namespace journal::testing
