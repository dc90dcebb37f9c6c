// The automatic tax row of a voucher grid: the tax on the amount of the row
// above at the rate of the rate day, rounded by the fraction rule, shown with
// each grid's masks; refused where a total would leave the amount range.
//
// The rate periods are Japan's consumption-tax rates (国税庁, 消費税のあらまし):
// 3 % from 1989-04-01, 5 % from 1997-04-01, 8 % from 2014-04-01 and 10 % from
// 2019-10-01 (8 % reduced rate, here the simplified rate of the last period).
// The figures are worked by hand in each case.
#include "journal/TaxRow.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <limits>

using journal::AmountArray;
using journal::FractionRule;
using journal::TaxRowMasks;

namespace {

const journal::TaxRateTable kJapaneseRates = {
    {dao::Date{1989, 4, 1}, 3, 3},
    {dao::Date{1997, 4, 1}, 5, 5},
    {dao::Date{2014, 4, 1}, 8, 8},
    {dao::Date{2019, 10, 1}, 10, 8},
};

struct TaxRowCase {
    const char* name;
    std::int32_t above;  // the amount of the row above on the tax side
    bool debitSide;
    dao::Date rateDate;
    bool taxable;
    bool simplified;
    FractionRule rule;
    TaxRowMasks masks;
    std::int32_t tax;
    const char* debitText;
    const char* creditText;
};
void PrintTo(const TaxRowCase& c, std::ostream* os)
{
    *os << c.name;
}

class TaxRowFiguresTest : public ::testing::TestWithParam<TaxRowCase> {};

// Row 2 becomes the tax row of row 1; row 0 holds an unrelated amount that
// only counts in the totals.
TEST_P(TaxRowFiguresTest, TakesTheRateOfTheDayRoundsAndMasks)
{
    const TaxRowCase& c = GetParam();
    AmountArray debit{}, credit{};
    debit[0] = credit[0] = 500;
    (c.debitSide ? debit : credit)[1] = c.above;
    const journal::TaxRowTerms terms{c.rateDate, c.taxable, c.simplified, c.rule, c.masks};
    const auto row = journal::TaxRowOf(kJapaneseRates, debit, credit, 2, c.debitSide, terms);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->tax, c.tax);
    EXPECT_EQ(row->debitText, c.debitText);
    EXPECT_EQ(row->creditText, c.creditText);
}

constexpr TaxRowMasks kJournal = journal::kGroupedOppositeMasks;
constexpr TaxRowMasks kClosing = journal::kUngroupedMasks;

INSTANTIATE_TEST_SUITE_P(
    Cases, TaxRowFiguresTest,
    ::testing::Values(
        // Rates by date: a period applies from its first day on.
        TaxRowCase{"day before ten percent",
                   10000,
                   true,
                   {2019, 9, 30},
                   true,
                   false,
                   FractionRule::Truncate,
                   kJournal,
                   800,
                   "800",
                   "800"},
        TaxRowCase{"first day of ten percent",
                   10000,
                   true,
                   {2019, 10, 1},
                   true,
                   false,
                   FractionRule::Truncate,
                   kJournal,
                   1000,
                   "1000",
                   "1,000"},
        TaxRowCase{"last day of three percent",
                   10000,
                   true,
                   {1997, 3, 31},
                   true,
                   false,
                   FractionRule::Truncate,
                   kJournal,
                   300,
                   "300",
                   "300"},
        TaxRowCase{
            "before any rate", 10000, true, {1989, 3, 31}, true, false, FractionRule::Truncate, kJournal, 0, "0", "0"},
        TaxRowCase{"simplified rate",
                   10000,
                   true,
                   {2020, 3, 31},
                   true,
                   true,
                   FractionRule::Truncate,
                   kJournal,
                   800,
                   "800",
                   "800"},
        TaxRowCase{
            "not taxable", 10000, true, {2020, 3, 31}, false, false, FractionRule::Truncate, kJournal, 0, "0", "0"},
        // Rounding of 12,345 at 10 % = 1,234.5.
        TaxRowCase{"truncated",
                   12345,
                   true,
                   {2020, 3, 31},
                   true,
                   false,
                   FractionRule::Truncate,
                   kClosing,
                   1234,
                   "1234",
                   "1234"},
        TaxRowCase{
            "half up", 12345, true, {2020, 3, 31}, true, false, FractionRule::HalfUp, kClosing, 1235, "1235", "1235"},
        TaxRowCase{"rounded up",
                   12345,
                   true,
                   {2020, 3, 31},
                   true,
                   false,
                   FractionRule::RoundUp,
                   kClosing,
                   1235,
                   "1235",
                   "1235"},
        TaxRowCase{
            "no fraction rule", 12345, true, {2020, 3, 31}, true, false, FractionRule::None, kClosing, 0, "0", "0"},
        // Masks: 1,234,567 at 10 % = 123,456.7, truncated to 123,456.
        TaxRowCase{"journal debit side",
                   1234567,
                   true,
                   {2020, 3, 31},
                   true,
                   false,
                   FractionRule::Truncate,
                   kJournal,
                   123456,
                   "123456",
                   "123,456"},
        TaxRowCase{"journal credit side",
                   1234567,
                   false,
                   {2020, 3, 31},
                   true,
                   false,
                   FractionRule::Truncate,
                   kJournal,
                   123456,
                   "123,456",
                   "123456"},
        TaxRowCase{"closing debit side",
                   1234567,
                   true,
                   {2020, 3, 31},
                   true,
                   false,
                   FractionRule::Truncate,
                   kClosing,
                   123456,
                   "123456",
                   "123456"},
        TaxRowCase{"closing credit side",
                   1234567,
                   false,
                   {2020, 3, 31},
                   true,
                   false,
                   FractionRule::Truncate,
                   kClosing,
                   123456,
                   "123456",
                   "123456"},
        // A negative amount: -12,345 at 10 % = -1,234.5, toward zero.
        TaxRowCase{"negative amount",
                   -12345,
                   true,
                   {2020, 3, 31},
                   true,
                   false,
                   FractionRule::Truncate,
                   kJournal,
                   -1234,
                   "-1234",
                   "-1,234"}),
    testsupport::kCaseName);

// What is no tax row: a row outside 1 to 9, or a total of the grid that would
// leave the amount range with the tax on both sides.
struct RefusalCase {
    const char* name;
    int row;
    std::int32_t above;
    std::int32_t elsewhere;  // row 5 on both sides
    bool refused;
};
void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class TaxRowRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TaxRowRefusalTest, RefusesWhatNoGridRowMayHold)
{
    const RefusalCase& c = GetParam();
    AmountArray debit{}, credit{};
    if (c.row >= 1 && c.row <= journal::kGridRows)
        debit[static_cast<std::size_t>(c.row - 1)] = c.above;
    debit[5] = credit[5] = c.elsewhere;
    const journal::TaxRowTerms terms{
        {2020, 3, 31}, true, false, FractionRule::Truncate, journal::kGroupedOppositeMasks};
    EXPECT_EQ(journal::TaxRowOf(kJapaneseRates, debit, credit, c.row, true, terms).has_value(), !c.refused);
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, TaxRowRefusalTest,
    ::testing::Values(RefusalCase{"row zero", 0, 10000, 0, true}, RefusalCase{"row nine", 9, 10000, 0, false},
                      RefusalCase{"row ten", 10, 10000, 0, true},
                      // Debit total 10,000 + 1,000 + 2,147,472,647 = 2,147,483,647: the largest amount.
                      RefusalCase{"total at the limit", 1, 10000, kMax - 11000, false},
                      RefusalCase{"total one over the limit", 1, 10000, kMax - 10999, true}),
    testsupport::kCaseName);

// The row's own former amounts do not count in the totals it is checked against.
TEST(TaxRowTotals, TheRowsFormerAmountsAreReplacedNotAdded)
{
    AmountArray debit{}, credit{};
    debit[0] = 10000;
    debit[1] = credit[1] = kMax - 10000;  // row 1 before it became the tax row
    const journal::TaxRowTerms terms{{2020, 3, 31}, true, false, FractionRule::Truncate, journal::kUngroupedMasks};
    const auto row = journal::TaxRowOf(kJapaneseRates, debit, credit, 1, true, terms);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->tax, 1000);
}

}  // namespace
