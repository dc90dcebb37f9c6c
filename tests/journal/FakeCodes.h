#pragma once
// A small chart, bank and branch register for the computing routines' tests.

#include "journal/EntryRows.h"

#include <map>
#include <string>

namespace journal::testing {

inline CodeLookup FakeCodes()
{
    static const std::map<std::string, std::string> accounts = {
        {"現金", "111"}, {"普通預金", "131"}, {"売掛金", "141"}, {"仮払消費税", "181"},
        {"買掛金", "311"}, {"仮受消費税", "321"}, {"売上高", "511"}, {"仕入高", "611"},
        {"消耗品費", "721"}};
    static const std::map<std::string, std::string> banks = {{"みずほ銀行", "0001"}};
    static const std::map<std::string, std::string> branches = {{"本店", "0001001"}};
    return [](int kind, const std::string& name) -> std::string {
        const std::map<std::string, std::string>* table = nullptr;
        if (kind == 2 || kind == 3) table = &accounts;
        if (kind == 4) table = &banks;
        if (kind == 5) table = &branches;
        if (!table || name.empty()) return {};
        auto it = table->find(name);
        return it == table->end() ? std::string() : it->second;
    };
}

inline EntryRow Row(std::string description, std::string debitAccount, std::string debitAmount,
                    std::string creditAccount, std::string creditAmount, std::string partner = {},
                    std::string bank = {}, std::string branch = {})
{
    return EntryRow{std::move(description), std::move(partner), std::move(debitAccount), std::move(debitAmount),
                    std::move(creditAccount), std::move(creditAmount), std::move(bank), std::move(branch)};
}

}  // namespace journal::testing
