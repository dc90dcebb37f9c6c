#include "journal/VoucherRows.h"

#include "journal/EntryChecks.h"

#include "FakeCodes.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

using namespace journal;
using journal::testing::FakeBranches;
using journal::testing::FakeCodes;
using journal::testing::Row;

namespace {

const dao::Date kDate{2024, 4, 5};

TEST(BuildVoucherRows, SkipsRowsWithoutAmountsAndNumbersTheRestFromOne)
{
    EntryRows g{};
    g[0] = Row("a", "仕入高", "100", "現金", "100");
    g[1] = Row("b", "仕入高", "200", "現金", "200");
    g[3] = Row("d", "仕入高", "0", "現金", "0");  // "0" is an amount text
    g[4] = Row("e", "仕入高", "500", "現金", "500");
    const VoucherBuild b = BuildVoucherRows(g, kDate, FakeCodes(), FakeBranches(), BuildMode::Register);
    ASSERT_FALSE(b.error) << *b.error;
    ASSERT_EQ(b.rows.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(b.rows[i].rowNumber, i + 1);
    EXPECT_EQ(*b.rows[2].description, "d");
    EXPECT_EQ(b.rows[2].debit, 0);
    EXPECT_EQ(b.rows[3].date, kDate);
}

TEST(BuildVoucherRows, EmptyAccountCellTakesTheCodeOfTheRowAbove)
{
    EntryRows g{};
    g[0] = Row("a", "仕入高", "1,000", "現金", "1,000");
    g[1] = Row("tax", "仮払消費税", "100", "", "100");
    const VoucherBuild b = BuildVoucherRows(g, kDate, FakeCodes(), FakeBranches(), BuildMode::Register);
    ASSERT_FALSE(b.error);
    EXPECT_EQ(b.rows[1].debitCode, "181");
    EXPECT_EQ(b.rows[1].creditCode, "111");
}

TEST(BuildVoucherRows, UnregisteredNameIsRefusedNeverCarriedDown)
{
    EntryRows g{};
    g[0] = Row("a", "仕入高", "1,000", "現金", "1,000");
    g[1] = Row("b", "仕入だか", "100", "", "100");
    const VoucherBuild b = BuildVoucherRows(g, kDate, FakeCodes(), FakeBranches(), BuildMode::Register);
    EXPECT_EQ(b.error, std::optional<std::string>(messages::kDebitAccountNotRegistered));
}

TEST(BuildVoucherRows, PartnerCarriesDownOnRegisterOnly)
{
    EntryRows g{};
    g[0] = Row("a", "仕入高", "1", "現金", "1");
    g[1] = Row("b", "仕入高", "1", "現金", "1", "山田商店");
    g[2] = Row("c", "仕入高", "1", "現金", "1");
    VoucherBuild b = BuildVoucherRows(g, kDate, FakeCodes(), FakeBranches(), BuildMode::Register);
    ASSERT_FALSE(b.error);
    EXPECT_FALSE(b.rows[0].partner.has_value());
    EXPECT_EQ(b.rows[1].partner, std::optional<std::string>("山田商店"));
    EXPECT_EQ(b.rows[2].partner, std::optional<std::string>("山田商店"));
    b = BuildVoucherRows(g, kDate, FakeCodes(), FakeBranches(), BuildMode::Update);
    EXPECT_EQ(b.rows[2].partner, std::optional<std::string>(""));
}

TEST(BuildVoucherRows, BankAndBranchCodesOnlyWhenFound)
{
    EntryRows g{};
    g[0] = Row("a", "普通預金", "1", "売掛金", "1", "", "みずほ銀行", "本店");
    g[1] = Row("b", "普通預金", "1", "売掛金", "1", "", "どこか銀行", "本店");
    const VoucherBuild b = BuildVoucherRows(g, kDate, FakeCodes(), FakeBranches(), BuildMode::Register);
    ASSERT_FALSE(b.error);
    EXPECT_EQ(b.rows[0].bankCode, std::optional<std::string>("0001"));
    EXPECT_EQ(b.rows[0].branchCode, std::optional<std::string>("0001001"));
    EXPECT_FALSE(b.rows[1].bankCode.has_value());
}

TEST(BuildVoucherRows, BranchIsTheOneOfTheRowsOwnBank)
{
    EntryRows g{};
    g[0] = Row("a", "普通預金", "1", "売掛金", "1", "", "三井住友銀行", "本店");
    g[1] = Row("b", "普通預金", "1", "売掛金", "1", "", "みずほ銀行", "本店");
    g[2] = Row("c", "普通預金", "1", "売掛金", "1", "", "", "本店");
    const VoucherBuild b = BuildVoucherRows(g, kDate, FakeCodes(), FakeBranches(), BuildMode::Update);
    ASSERT_FALSE(b.error);
    EXPECT_EQ(b.rows[0].branchCode, std::optional<std::string>("0009001"));
    EXPECT_EQ(b.rows[1].branchCode, std::optional<std::string>("0001001"));
    EXPECT_EQ(b.rows[2].branchCode, std::optional<std::string>(""));  // no bank, so no branch of it
}

struct AmountCase {
    const char* name;
    const char* debit;
    const char* credit;
    std::string error;
};
void PrintTo(const AmountCase& c, std::ostream* os)
{
    *os << c.name;
}

class BuildVoucherAmountsTest : public ::testing::TestWithParam<AmountCase> {};

TEST_P(BuildVoucherAmountsTest, EveryAmountIsCheckedBeforeAnythingIsStored)
{
    const AmountCase& c = GetParam();
    EntryRows g{};
    g[0] = Row("a", "仕入高", "100", "現金", "100");
    g[2] = Row("c", "仕入高", c.debit, "現金", c.credit);
    const VoucherBuild b = BuildVoucherRows(g, kDate, FakeCodes(), FakeBranches(), BuildMode::Register);
    if (c.error.empty()) {
        EXPECT_FALSE(b.error) << *b.error;
    } else {
        ASSERT_TRUE(b.error);
        EXPECT_EQ(*b.error, c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, BuildVoucherAmountsTest,
    ::testing::Values(AmountCase{"BothSides", "1,000", "1,000", ""},
                      AmountCase{"EmptiedSideStoredAsZero", "1,000", "", ""},  // an emptied side is stored as 0
                      AmountCase{"DebitNotNumeric", "abc", "1,000", messages::AmountNotNumeric(3)},
                      AmountCase{"CreditNotNumeric", "1,000", "x", messages::AmountNotNumeric(3)},
                      AmountCase{"AmountOutOfRange", "2,147,483,648", "1", messages::AmountOutOfRange(3)},
                      AmountCase{"TotalOutOfRange", "2,147,483,600", "1", messages::kTotalOutOfRange}),
    testsupport::kCaseName);

TEST(BuildVoucherRows, NothingToStore)
{
    EntryRows g{};
    g[0] = Row("a", "仕入高", "", "現金", "");
    const VoucherBuild b = BuildVoucherRows(g, kDate, FakeCodes(), FakeBranches(), BuildMode::Update);
    EXPECT_EQ(b.error, std::optional<std::string>(messages::kNoRowToStore));
}

}  // namespace
