// What the closing window's entry grid computes: its check, typed amounts,
// the correction of the first row, the cells that do not show what would be
// written, and the journal rows of a closing voucher.

#include "closing/ClosingGrid.h"

#include "ClosingFixture.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <map>

using namespace closing;

namespace {

// ---- DataCheck ------------------------------------------------------------------

struct CheckCase {
    const char* name;
    const char* description;
    const char* debitAccount;
    const char* creditAccount;
    bool refused;
};
void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClosingDataCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ClosingDataCheckTest, LooksAtTheFirstRowsDescriptionAndAccountsOnly)
{
    const CheckCase& c = GetParam();
    journal::EntryRows rows;
    rows[0].description = c.description;
    rows[0].debitAccount = c.debitAccount;
    rows[0].creditAccount = c.creditAccount;
    // Whatever the other rows hold.
    rows[3] = {"説明", "", "現金", "abc", "", "", "", ""};
    EXPECT_EQ(ClosingDataCheck(rows), c.refused);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, ClosingDataCheckTest,
    ::testing::Values(CheckCase{"DescriptionAndCreditAccountOnly", "未払計上", "", "未払金", false},
                      CheckCase{"DescriptionAndDebitAccountOnly", "未払計上", "消耗品費", "", false},
                      CheckCase{"NoDescription", "", "消耗品費", "未払金", true},
                      CheckCase{"NeitherAccount", "未払計上", "", "", true}),
    testsupport::kCaseName);

// ---- typed amounts ---------------------------------------------------------------

TEST(TakeTypedAmountTest, TheOtherSideTakesTheAmountOnlyWhileItIsZero)
{
    journal::AmountArray debit{}, credit{};
    EXPECT_EQ(TakeTypedAmount(debit, credit, 2, true, "5,000"), TypedAmount::Taken);
    EXPECT_EQ(debit[2], 5000);
    EXPECT_EQ(credit[2], 5000);
    EXPECT_EQ(TakeTypedAmount(debit, credit, 2, false, "3000"), TypedAmount::Taken);
    EXPECT_EQ(debit[2], 5000);
    EXPECT_EQ(credit[2], 3000);
}

TEST(TakeTypedAmountTest, ANonNumberOrATotalBeyondTheRangeChangesNothing)
{
    journal::AmountArray debit{}, credit{};
    debit[0] = credit[0] = 2'000'000'000;
    EXPECT_EQ(TakeTypedAmount(debit, credit, 1, true, "五千"), TypedAmount::NotNumeric);
    EXPECT_EQ(TakeTypedAmount(debit, credit, 1, true, "200,000,000"), TypedAmount::OutOfRange);
    EXPECT_EQ(TakeTypedAmount(debit, credit, 1, true, "3000000000"), TypedAmount::OutOfRange);
    EXPECT_EQ(debit[1], 0);
    EXPECT_EQ(credit[1], 0);
}

// ---- the first row's correction ------------------------------------------------------

struct CorrectionCase {
    const char* name;
    std::int32_t debit1, credit1;
    std::int32_t debit0After, credit0After;
};
void PrintTo(const CorrectionCase& c, std::ostream* os)
{
    *os << c.name;
}

class CorrectFirstRowTest : public ::testing::TestWithParam<CorrectionCase> {};

// Row 0 at 10,000 / 10,000, row 2 at 2,000 / 2,000 and row 1 as the case says.
TEST_P(CorrectFirstRowTest, LeavesWhatTheOtherRowsDoNotTake)
{
    const CorrectionCase& c = GetParam();
    journal::AmountArray debit{}, credit{};
    debit[0] = credit[0] = 10'000;
    debit[1] = c.debit1;
    credit[1] = c.credit1;
    debit[2] = credit[2] = 2'000;
    const auto corrected = CorrectFirstRow(debit, credit);
    ASSERT_TRUE(corrected);
    EXPECT_EQ(corrected->debit, c.debit0After);
    EXPECT_EQ(corrected->credit, c.credit0After);
    EXPECT_EQ(corrected->debitTotal, 10'000);
    EXPECT_EQ(corrected->creditTotal, 10'000);
}

INSTANTIATE_TEST_SUITE_P(Grid, CorrectFirstRowTest,
                         ::testing::Values(CorrectionCase{"BothSidesAlike", 3'000, 3'000, 5'000, 5'000},
                                           CorrectionCase{"SidesApart", 3'000, 1'000, 5'000, 7'000},
                                           CorrectionCase{"MoreThanTheTotal", 9'000, 9'000, -1'000, -1'000}),
                         testsupport::kCaseName);

TEST(CorrectFirstRowOverflowTest, ARemainderBeyondTheRangeIsRefused)
{
    journal::AmountArray debit{}, credit{};
    debit[0] = -2'000'000'000;
    debit[1] = 2'000'000'000;
    EXPECT_FALSE(CorrectFirstRow(debit, credit));
}

// ---- cells that do not show what would be written ----------------------------------------

TEST(AmountNotTakenTest, ACellMustShowItsAmountInAnyMaskOrBeEmptyForZero)
{
    journal::EntryRows rows;
    journal::AmountArray debit{}, credit{};
    rows[0].debitAmount = "1,234,567";  // as loaded
    rows[0].creditAmount = "1234567";   // as a tax row shows it
    debit[0] = credit[0] = 1'234'567;
    rows[1].debitAmount = "0";
    EXPECT_EQ(AmountNotTaken(rows, debit, credit), std::nullopt);

    // Typed while row 0's debit account was empty: the text never reached the amounts.
    rows[4].creditAmount = "5,000";
    EXPECT_EQ(AmountNotTaken(rows, debit, credit), messages::AmountNotTaken(5, false));
    credit[4] = 5'000;
    EXPECT_EQ(AmountNotTaken(rows, debit, credit), std::nullopt);

    // An amount cell emptied by hand still holds its amount.
    rows[0].debitAmount.clear();
    EXPECT_EQ(AmountNotTaken(rows, debit, credit), messages::AmountNotTaken(1, true));
}

// ---- the rows of a voucher ---------------------------------------------------------------

class BuildClosingVoucherTest : public ::testing::Test {
protected:
    journal::CodeLookup findCode = [](int kind, const std::string& name) -> std::string {
        static const std::map<std::string, std::string> accounts{
            {"消耗品費", "517"}, {"仮払消費税", "136"}, {"未払金", "210"}, {"普通預金", "103"}};
        static const std::map<std::string, std::string> banks{{"みずほ銀行", "0001"}, {"三井住友銀行", "0009"}};
        const auto& table = kind == 4 ? banks : accounts;
        const auto found = table.find(name);
        return found == table.end() ? std::string() : found->second;
    };
    // Two banks with a branch of the same name.
    journal::BranchLookup findBranch = [](const std::string& bank, const std::string& branch) -> std::string {
        if (branch == "本店" && bank == "0001")
            return "0001100";
        if (branch == "本店" && bank == "0009")
            return "0009100";
        if (branch == "新宿支店" && bank == "0001")
            return "0001203";
        return {};
    };
    journal::EntryRows rows;
    journal::AmountArray debit{}, credit{};
    const dao::Date date{2026, 3, 31};

    void row(int i, const char* description, const char* debitName, std::int32_t d, const char* creditName,
             std::int32_t c, const char* bank = "", const char* branch = "")
    {
        rows[static_cast<std::size_t>(i)] = {
            description, "",    debitName, d ? std::to_string(d) : "", creditName, c ? std::to_string(c) : "",
            bank,        branch};
        debit[static_cast<std::size_t>(i)] = d;
        credit[static_cast<std::size_t>(i)] = c;
    }
    ClosingVoucherBuild build(journal::BuildMode mode)
    {
        return BuildClosingVoucherRows(rows, debit, credit, date, findCode, findBranch, mode);
    }
};

// Rows 0, 2 and 5 carry amounts: three rows numbered 1 to 3; row 3 names
// accounts but has no amount and is skipped; empty accounts take row 0's.
TEST_F(BuildClosingVoucherTest, RegisterWritesTheRowsWithAmountsNumberedInOrder)
{
    row(0, "未払計上", "消耗品費", 10'000, "未払金", 10'000, "みずほ銀行", "本店");
    row(2, "", "仮払消費税", 1'000, "", 1'000);
    row(3, "空行", "消耗品費", 0, "未払金", 0);
    row(5, "別口座", "", 500, "", 500, "三井住友銀行", "本店");
    const ClosingVoucherBuild b = build(journal::BuildMode::Register);
    ASSERT_FALSE(b.error) << *b.error;
    ASSERT_EQ(b.rows.size(), 3u);
    EXPECT_EQ(b.rows[0].rowNumber, 1);
    EXPECT_EQ(b.rows[1].rowNumber, 2);
    EXPECT_EQ(b.rows[2].rowNumber, 3);
    EXPECT_EQ(b.rows[1].debitCode, "136");
    EXPECT_EQ(b.rows[1].creditCode, "210");  // row 0's
    EXPECT_EQ(b.rows[2].debitCode, "517");
    EXPECT_EQ(b.rows[1].description, std::nullopt);
    // Each row its own bank and branch, found by its own bank; row 0's where it has none.
    EXPECT_EQ(b.rows[0].bankCode, "0001");
    EXPECT_EQ(b.rows[0].branchCode, "0001100");
    EXPECT_EQ(b.rows[1].bankCode, "0001");
    EXPECT_EQ(b.rows[1].branchCode, "0001100");
    EXPECT_EQ(b.rows[2].bankCode, "0009");
    EXPECT_EQ(b.rows[2].branchCode, "0009100");
    EXPECT_EQ(b.rows[2].date, date);
}

// Update writes the cells as they are: a stored row of 0 that shows "0" stays,
// a row without bank gets none (not row 0's), empty texts are written empty.
TEST_F(BuildClosingVoucherTest, UpdateKeepsShownRowsOfZeroAndEachRowsOwnBank)
{
    row(0, "未払計上", "消耗品費", 10'000, "未払金", 10'000, "みずほ銀行", "新宿支店");
    row(1, "", "消耗品費", 0, "未払金", 0);
    rows[1].debitAmount = rows[1].creditAmount = "0";
    const ClosingVoucherBuild b = build(journal::BuildMode::Update);
    ASSERT_FALSE(b.error) << *b.error;
    ASSERT_EQ(b.rows.size(), 2u);
    EXPECT_EQ(b.rows[1].debit, 0);
    EXPECT_EQ(b.rows[1].bankCode, "");
    EXPECT_EQ(b.rows[1].branchCode, "");
    EXPECT_EQ(b.rows[1].description, "");
    EXPECT_EQ(b.rows[0].branchCode, "0001203");
}

struct RefusalCase {
    const char* name;
    const char* debitName;
    const char* creditName;
    const char* bank;
    const char* branch;
    std::string message;
};
void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class BuildClosingVoucherRefusalTest : public BuildClosingVoucherTest,
                                       public ::testing::WithParamInterface<RefusalCase> {};

// Row 0 credits nothing; row 1 holds the case.
TEST_P(BuildClosingVoucherRefusalTest, NamesTheRowAndWhatIsWrong)
{
    const RefusalCase& c = GetParam();
    row(0, "未払計上", "消耗品費", 10'000, "", 0);
    row(1, "", c.debitName, 500, c.creditName, 500, c.bank, c.branch);
    const ClosingVoucherBuild b = build(journal::BuildMode::Register);
    EXPECT_EQ(b.error, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, BuildClosingVoucherRefusalTest,
    ::testing::Values(
        RefusalCase{"MisspeltDebitAccount", "消耗品", "未払金", "", "", messages::AccountNotRegistered(2, true)},
        RefusalCase{"NoCreditAccountAnywhere", "", "", "", "", messages::AccountMissing(2, false)},
        RefusalCase{"UnknownBank", "", "未払金", "ゆうちょ銀行", "", messages::BankNotRegistered(2)},
        RefusalCase{"BranchOfAnotherBank", "", "未払金", "三井住友銀行", "新宿支店", messages::BranchNotRegistered(2)}),
    testsupport::kCaseName);

}  // namespace
