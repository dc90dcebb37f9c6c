// Whether an account cell left makes its row a tax row, and whose flags the
// tax takes: the same for the three voucher grids but for each grid's rules.
#include "journal/TaxRowAccount.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <map>

using journal::AccountTaxFlags;
using journal::TaxRowRules;

namespace {

// Each account's flags differ from the others' and from "both false", so a
// result names the account it came from. The short chart lacks both tax
// accounts.
std::optional<AccountTaxFlags> FlagsOf(bool fullChart, const std::string& name)
{
    static const std::map<std::string, AccountTaxFlags> full = {{"売上高", {true, false}},
                                                                {"仕入高", {true, true}},
                                                                {"仮払消費税", {false, true}},
                                                                {"仮受消費税", {false, true}}};
    if (!fullChart && (name == "仮払消費税" || name == "仮受消費税"))
        return std::nullopt;
    const auto it = full.find(name);
    return it == full.end() ? std::nullopt : std::optional<AccountTaxFlags>(it->second);
}

constexpr TaxRowRules kJournal{};
constexpr TaxRowRules kTemplates{.emptyAboveTakesTaxAccountFlags = true};
constexpr TaxRowRules kClosing{.creditTaxAccountMustBeInChart = true};
constexpr TaxRowRules kClosingWithoutTax{.taxCalculation = false, .creditTaxAccountMustBeInChart = true};

struct TaxRowAccountCase {
    const char* name;
    TaxRowRules rules;
    bool fullChart;
    int row;
    bool debitSide;
    const char* account;
    const char* above;
    bool taxRow;
    bool taxable;     // when a tax row
    bool simplified;  // when a tax row
};
void PrintTo(const TaxRowAccountCase& c, std::ostream* os)
{
    *os << c.name;
}

class TaxRowAccountTest : public ::testing::TestWithParam<TaxRowAccountCase> {};

TEST_P(TaxRowAccountTest, DecidesTheTaxRowAndItsFlags)
{
    const TaxRowAccountCase& c = GetParam();
    const auto flags = journal::TaxRowFlagsOf(
        {c.row, c.debitSide, c.account, c.above}, [&c](const std::string& name) { return FlagsOf(c.fullChart, name); },
        c.rules);
    ASSERT_EQ(flags.has_value(), c.taxRow);
    if (!c.taxRow)
        return;
    EXPECT_EQ(flags->taxable, c.taxable);
    EXPECT_EQ(flags->simplified, c.simplified);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TaxRowAccountTest,
    ::testing::Values(
        // Which cells make a tax row: the side's own tax account in rows 1 to 9.
        TaxRowAccountCase{"debit tax account", kJournal, true, 1, true, "仮払消費税", "仕入高", true, true, true},
        TaxRowAccountCase{"credit tax account", kJournal, true, 9, false, "仮受消費税", "売上高", true, true, false},
        TaxRowAccountCase{"row zero", kJournal, true, 0, true, "仮払消費税", "", false, false, false},
        TaxRowAccountCase{"row ten", kJournal, true, 10, true, "仮払消費税", "仕入高", false, false, false},
        TaxRowAccountCase{"other account", kJournal, true, 1, true, "仕入高", "仕入高", false, false, false},
        TaxRowAccountCase{"empty cell", kJournal, true, 1, true, "", "仕入高", false, false, false},
        TaxRowAccountCase{"input tax on the credit side", kJournal, true, 1, false, "仮払消費税", "売上高", false,
                          false, false},
        TaxRowAccountCase{"output tax on the debit side", kJournal, true, 1, true, "仮受消費税", "仕入高", false, false,
                          false},
        // Whose flags: the account above; none found, both false.
        TaxRowAccountCase{"above not in the chart", kJournal, true, 1, true, "仮払消費税", "雑費", true, false, false},
        TaxRowAccountCase{"above empty", kJournal, true, 1, true, "仮払消費税", "", true, false, false},
        TaxRowAccountCase{"tax account not in the chart", kJournal, false, 1, false, "仮受消費税", "売上高", true, true,
                          false},
        // The templates: an empty cell above gives the tax account's own flags.
        TaxRowAccountCase{"templates above empty", kTemplates, true, 1, true, "仮払消費税", "", true, false, true},
        TaxRowAccountCase{"templates above empty tax account not in the chart", kTemplates, false, 1, true,
                          "仮払消費税", "", true, false, false},
        TaxRowAccountCase{"templates above given", kTemplates, true, 1, false, "仮受消費税", "売上高", true, true,
                          false},
        // The closing entries: only with 消費税計算 on; the credit side's tax
        // account only while the chart holds it.
        TaxRowAccountCase{"closing credit", kClosing, true, 1, false, "仮受消費税", "売上高", true, true, false},
        TaxRowAccountCase{"closing credit tax account not in the chart", kClosing, false, 1, false, "仮受消費税",
                          "売上高", false, false, false},
        TaxRowAccountCase{"closing debit tax account not in the chart", kClosing, false, 1, true, "仮払消費税",
                          "仕入高", true, true, true},
        TaxRowAccountCase{"closing without tax calculation", kClosingWithoutTax, true, 1, true, "仮払消費税", "仕入高",
                          false, false, false},
        TaxRowAccountCase{"closing above empty", kClosing, true, 1, true, "仮払消費税", "", true, false, false}),
    testsupport::kCaseName);

}  // namespace
