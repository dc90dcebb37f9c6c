// The depreciation routines against series worked out by hand, year by year,
// for a fiscal year from April to March.

#include "registers/Depreciation.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

using o::DepreciationOutcome;

// The fiscal year April to March that ends in March of `endYear`.
dao::Date PeriodStartOf(int endYear)
{
    return {endYear - 1, 4, 1};
}
dao::Date PeriodEndOf(int endYear)
{
    return {endYear, 3, 31};
}

struct SeriesCase {
    const char* name;
    const char* method;
    dao::Date acquiredOn;
    std::int64_t cost;
    double rate;  // percent
    int lifeYears;
    double guarantee;                   // percent
    int firstPeriodEnd;                 // the year whose March ends the asset's first fiscal year
    std::vector<std::int64_t> charges;  // from the first fiscal year on
};

void PrintTo(const SeriesCase& c, std::ostream* out)
{
    *out << c.name;
}

// Worked by hand:
const SeriesCase kSeries[] = {
    // 旧定額法: 1,000,000 × 0.9 × 10 % = 90,000 a year; October to March is 6
    // months: 45,000; ten full years leave 55,000; the next year stops at 5 %
    // of the cost (50,000): 5,000. From the next year (begun after 2007-04-01)
    // 49,999 are spread over 60 months: 49,999 × 12/60 = 9,999.8, 9,999 a year,
    // the sixth year the 4 yen left above 1 yen.
    {"StraightLineBefore2007",
     "定額法",
     {2005, 10, 15},
     1'000'000,
     10,
     10,
     0,
     2006,
     {45'000, 90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 5'000, 9'999, 9'999,
      9'999, 9'999, 9'999, 4, 0}},
    // 1,000,000 × 20 % = 200,000; October to March: 100,000; the life ends in
    // October of the sixth fiscal year: 6 months, 100,000, of which 99,999 go.
    {"StraightLineFrom2007LaterMonth",
     "定額法",
     {2013, 10, 1},
     1'000'000,
     20,
     5,
     0,
     2014,
     {100'000, 200'000, 200'000, 200'000, 200'000, 99'999, 0}},
    // A full first year: five years of 200,000, the fifth leaving 1 yen; the
    // life ends with the sixth fiscal year's first day: nothing more.
    {"StraightLineFrom2007FirstMonth",
     "定額法",
     {2013, 4, 1},
     1'000'000,
     20,
     5,
     0,
     2014,
     {200'000, 200'000, 200'000, 200'000, 199'999, 0, 0}},
    // A rate too low for the life: the charge goes on past the life, 150,000 a
    // year until 1 yen remains.
    {"StraightLinePastItsLife",
     "定額法",
     {2013, 4, 1},
     1'000'000,
     15,
     5,
     0,
     2014,
     {150'000, 150'000, 150'000, 150'000, 150'000, 150'000, 99'999, 0}},
    // 250 %, 8 years (0.313 / 0.334 / 0.05111), acquired in June: only the
    // first year is prorated, 10 months: 1,000,000 × 0.313 × 10/12 = 260,833.
    // Guarantee amount 51,110; year 6: 164,654 × 0.313 = 51,536.7, still above;
    // year 7: 113,118 × 0.313 = 35,405.9 below it: 113,118 × 0.334 = 37,781.4.
    // Year 9, in which the life's months run out in May, still charges a full
    // year's amount, capped at the book value less 1 yen: 37,555 (charging
    // only April and May there left 31,260 yen on the books for good).
    {"DecliningBalance250AcquiredInJune",
     "定率法",
     {2008, 6, 10},
     1'000'000,
     31.3,
     8,
     5.111,
     2009,
     {260'833, 231'359, 158'943, 109'194, 75'017, 51'536, 37'781, 37'781, 37'555, 0}},
    // 200 %, 10 years (0.200 / 0.250 / 0.06552): the guarantee amount is 65,520;
    // in year 7, 262,144 × 0.2 = 52,428.8 falls below it: 262,144 × 0.250 =
    // 65,536 a year, the last one leaving 1 yen.
    {"DecliningBalance200FirstMonth",
     "定率法",
     {2013, 4, 1},
     1'000'000,
     20,
     10,
     6.552,
     2014,
     {200'000, 160'000, 128'000, 102'400, 81'920, 65'536, 65'536, 65'536, 65'536, 65'535, 0}},
    // 200 %, 8 years (0.250 / 0.334 / 0.07909), acquired in January: 3 months,
    // 2,000,000 × 0.25 × 3/12 = 125,000. Guarantee amount 158,180. Start values
    // 1,875,000; 1,406,250 (351,562.5 drops to 351,562); 1,054,688; 791,016
    // (197,754 still above); 593,262 × 0.25 = 148,315.5 below: 593,262 × 0.334 =
    // 198,149.508, so 198,149 a year until 1 yen is left.
    {"DecliningBalance200LaterMonth",
     "定率法",
     {2015, 1, 10},
     2'000'000,
     25,
     8,
     7.909,
     2015,
     {125'000, 468'750, 351'562, 263'672, 197'754, 198'149, 198'149, 196'963, 0, 0}},
    // 250 %, 10 years (0.250 / 0.334 / 0.04448): guarantee amount 44,480. Year 7:
    // 177,980 × 0.25 = 44,495, just above; year 8: 133,485 × 0.25 = 33,371.25
    // below: 133,485 × 0.334 = 44,583.99, so 44,583 a year, then the rest but 1.
    {"DecliningBalance250FirstMonth",
     "定率法",
     {2010, 4, 1},
     1'000'000,
     25,
     10,
     4.448,
     2011,
     {250'000, 187'500, 140'625, 105'468, 79'101, 59'326, 44'495, 44'583, 44'583, 44'318, 0}},
    // A third a year whatever the month, the last year the rest; nothing left.
    {"LumpSum", "一括償却", {2024, 8, 20}, 200'000, 0, 3, 0, 2025, {66'666, 66'666, 66'668, 0}},
    // Above 16,777,216 yen, to the yen: 123,456,789 × 0.2 = 24,691,357.8;
    // 98,765,432 × 0.2 = 19,753,086.4; 79,012,346 × 0.2 = 15,802,469.2.
    {"LargeCostDecliningBalance",
     "定率法",
     {2013, 4, 1},
     123'456'789,
     20,
     10,
     6.552,
     2014,
     {24'691'357, 19'753'086, 15'802'469}},
    // 123,456,789 × 0.067 = 8,271,604.863.
    {"LargeCostStraightLine", "定額法", {2013, 4, 1}, 123'456'789, 6.7, 15, 0, 2014, {8'271'604, 8'271'604}},
};

// Public worked examples, with the years after them worked by hand:
//   - 旧定率法 0.206 and 旧定額法 0.100 for 1,000,000 over 10 years, a full first
//     year: the tables of 「減価償却計算例」, cac.sakura.ne.jp/boki/body/body016sample.html
//     (206,000; 163,564; 129,869; 103,116; 81,874; 65,008; 51,617; 40,984;
//     32,541; 25,837; 20,515; 16,289 — fractions dropped — and 90,000 for ten
//     years, then 50,000 to the 5 % of the cost).
//   - The spread after the 5 %: the tax agency's answer No.2105 「旧定額法と旧定率法
//     による減価償却」 (the 5 % less 1 yen over 5 years, until 1 yen, for years
//     from 2008 on), and the worked reply at zeiri4.com/c_1032/c_1034/q_75493 (a
//     remaining 500,000: 99,999 a year for five years, then 4 yen).
//   - No.2105's asset of 5,000,000 over 5 years at 0.200: 900,000 a year.
const SeriesCase kPublicSeries[] = {
    // Twelve years of the public table, then 12,786 down to 50,000 (62,786 ×
    // 0.206 = 12,933.9, capped), then 49,999 × 12/60 = 9,999 for five years and 4.
    {"OldDecliningBalanceFullFirstYear",
     "定率法",
     {2000, 4, 1},
     1'000'000,
     20.6,
     10,
     0,
     2001,
     {206'000, 163'564, 129'869, 103'116, 81'874, 65'008, 51'617, 40'984, 32'541, 25'837,
      20'515,  16'289,  12'786,  9'999,   9'999,  9'999,  9'999,  9'999,  4,      0}},
    {"OldStraightLineFullFirstYear",
     "定額法",
     {1998, 4, 1},
     1'000'000,
     10,
     10,
     0,
     1999,
     {90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 90'000, 50'000, 9'999, 9'999, 9'999,
      9'999, 9'999, 4, 0}},
    // Down to 250,000 (5 %) in the fiscal year April 2000 to March 2001; nothing
    // while years began before 2007-04-01; from April 2007 249,999 × 12/60 =
    // 49,999 a year for five years, then the 4 yen left above 1 yen.
    {"OldStraightLineLimitReachedBefore2007",
     "定額法",
     {1995, 4, 1},
     5'000'000,
     20,
     5,
     0,
     1996,
     {900'000, 900'000, 900'000, 900'000, 900'000, 250'000, 0, 0, 0, 0, 0, 0, 49'999, 49'999, 49'999, 49'999, 49'999, 4,
      0}},
    // From 2012-04-01, 200 %, 10 years (0.200 / 0.250 / 0.06552), the worked
    // example of 「日常の会計処理のポイント」 (tkcshuppan.co.jp, trial 9269_57160 p. 83):
    // 200,000 ... 65,536 a year from year 7 on 262,144, the last 65,535.
    {"DecliningBalance200PublicExample",
     "定率法",
     {2013, 4, 1},
     1'000'000,
     20,
     10,
     6.552,
     2014,
     {200'000, 160'000, 128'000, 102'400, 81'920, 65'536, 65'536, 65'536, 65'536, 65'535, 0}},
};

class DepreciationSeries : public ::testing::TestWithParam<SeriesCase> {};

// DepreciationToDate walks to each fiscal year from the cost; PeriodDepreciation
// from that year's start book value gives the same charge and leaves the next
// year's start book value.
TEST_P(DepreciationSeries, BothRoutinesGiveTheSeriesYearByYear)
{
    const SeriesCase& c = GetParam();
    std::int64_t bookValue = c.cost;
    for (std::size_t i = 0; i < c.charges.size(); ++i) {
        const int endYear = c.firstPeriodEnd + static_cast<int>(i);
        SCOPED_TRACE(::testing::Message() << "fiscal year ending " << endYear);
        const auto toDate = o::DepreciationToDate(PeriodStartOf(endYear), PeriodEndOf(endYear), c.method, c.acquiredOn,
                                                  c.cost, c.rate, c.cost, c.lifeYears, c.guarantee);
        ASSERT_TRUE(toDate.computed());
        EXPECT_EQ(toDate.amount, c.charges[i]);
        EXPECT_EQ(toDate.bookValue, bookValue);

        const auto period = o::PeriodDepreciation(PeriodStartOf(endYear), PeriodEndOf(endYear), c.method, c.acquiredOn,
                                                  c.cost, c.rate, bookValue, c.lifeYears, c.guarantee);
        ASSERT_TRUE(period.computed());
        EXPECT_EQ(period.amount, c.charges[i]);
        EXPECT_EQ(period.bookValue, bookValue - c.charges[i]);
        bookValue -= c.charges[i];
    }
}

INSTANTIATE_TEST_SUITE_P(HandWorked, DepreciationSeries, ::testing::ValuesIn(kSeries), testsupport::kCaseName);
INSTANTIATE_TEST_SUITE_P(PublicExamples, DepreciationSeries, ::testing::ValuesIn(kPublicSeries),
                         testsupport::kCaseName);

class DepreciationRoutines : public ::testing::Test {};

// From 2007-04-01 the switch year and its base come from the walk from the cost,
// whatever book value the register holds.
TEST_F(DepreciationRoutines, PeriodDepreciationTakesTheSwitchFromTheWalk)
{
    // Year 7 of the 1,000,000 series: switched, 262,144 × 0.250 = 65,536 whatever the start value.
    const auto switched = o::PeriodDepreciation(PeriodStartOf(2020), PeriodEndOf(2020), "定率法", {2013, 4, 1},
                                                1'000'000, 20, 300'000, 10, 6.552);
    EXPECT_EQ(switched.amount, 65'536);
    EXPECT_EQ(switched.bookValue, 234'464);
    // Year 2, not switched: the start value the register holds is the base.
    const auto declining = o::PeriodDepreciation(PeriodStartOf(2015), PeriodEndOf(2015), "定率法", {2013, 4, 1},
                                                 1'000'000, 20, 500'000, 10, 6.552);
    EXPECT_EQ(declining.amount, 100'000);
    // Never more than the start value less 1 yen.
    const auto capped = o::PeriodDepreciation(PeriodStartOf(2020), PeriodEndOf(2020), "定率法", {2013, 4, 1}, 1'000'000,
                                              20, 40'000, 10, 6.552);
    EXPECT_EQ(capped.amount, 39'999);
    EXPECT_EQ(capped.bookValue, 1);
}

TEST_F(DepreciationRoutines, DecliningBalanceBefore2007)
{
    // PeriodDepreciation: the start value × the rate; in the year of acquisition
    // its months only (October to March: 1,000,000 × 20.6 % × 6/12 = 103,000).
    const auto firstYear = o::PeriodDepreciation(PeriodStartOf(2006), PeriodEndOf(2006), "定率法", {2005, 10, 1},
                                                 1'000'000, 20.6, 1'000'000, 10, 0);
    EXPECT_EQ(firstYear.amount, 103'000);
    const auto laterYear = o::PeriodDepreciation(PeriodStartOf(2009), PeriodEndOf(2009), "定率法", {2005, 10, 1},
                                                 1'000'000, 20.6, 500'000, 10, 0);
    EXPECT_EQ(laterYear.amount, 103'000);
    EXPECT_EQ(laterYear.bookValue, 397'000);

    // DepreciationToDate walks from the cost: 897,000 × 0.206 = 184,782;
    // 712,218 × 0.206 = 146,716.9; 565,502 × 0.206 = 116,493.4.
    const auto walk = o::DepreciationToDate(PeriodStartOf(2009), PeriodEndOf(2009), "定率法", {2005, 10, 1}, 1'000'000,
                                            20.6, 500'000, 10, 0);
    ASSERT_TRUE(walk.computed());
    EXPECT_EQ(walk.amount, 116'493);
    EXPECT_EQ(walk.bookValue, 565'502);

    // A start value near the 5 %: only what is above 50,000 goes.
    const auto toTheLimit = o::PeriodDepreciation(PeriodStartOf(2019), PeriodEndOf(2019), "定率法", {2005, 10, 1},
                                                  1'000'000, 20.6, 56'320, 10, 0);
    EXPECT_EQ(toTheLimit.amount, 6'320);
    EXPECT_EQ(toTheLimit.bookValue, 50'000);
}

TEST_F(DepreciationRoutines, DecliningBalanceWithALifeTheTablesLackIsRefused)
{
    for (int life : {1, 51}) {
        EXPECT_EQ(o::PeriodDepreciation(PeriodStartOf(2015), PeriodEndOf(2015), "定率法", {2013, 4, 1}, 1'000'000, 20,
                                        800'000, life, 6.552)
                      .outcome,
                  DepreciationOutcome::NoRule);
        EXPECT_EQ(o::DepreciationToDate(PeriodStartOf(2015), PeriodEndOf(2015), "定率法", {2013, 4, 1}, 1'000'000, 20,
                                        800'000, life, 6.552)
                      .outcome,
                  DepreciationOutcome::NoRule);
    }
}

TEST_F(DepreciationRoutines, AUsefulLifeOfZeroOrLessIsRefused)
{
    for (const char* method : {"定額法", "定率法", "一括償却"}) {
        EXPECT_EQ(o::PeriodDepreciation(PeriodStartOf(2025), PeriodEndOf(2025), method, {2024, 8, 20}, 180'000, 20,
                                        180'000, 0, 0)
                      .outcome,
                  DepreciationOutcome::InvalidInput)
            << method;
        EXPECT_EQ(o::DepreciationToDate(PeriodStartOf(2025), PeriodEndOf(2025), method, {2024, 8, 20}, 180'000, 20,
                                        180'000, -1, 0)
                      .outcome,
                  DepreciationOutcome::InvalidInput)
            << method;
    }
}

TEST_F(DepreciationRoutines, AnAcquisitionAfterThePeriodGivesNothingAndTheCost)
{
    for (auto routine : {&o::PeriodDepreciation, &o::DepreciationToDate}) {
        const auto result =
            routine(PeriodStartOf(2025), PeriodEndOf(2025), "定額法", {2025, 4, 1}, 400'000, 12.5, 400'000, 8, 0);
        ASSERT_TRUE(result.computed());
        EXPECT_EQ(result.amount, 0);
        EXPECT_EQ(result.bookValue, 400'000);
    }
}

TEST_F(DepreciationRoutines, AStartValueAtTheMemorandumValueGivesNothing)
{
    const auto oneYen =
        o::PeriodDepreciation(PeriodStartOf(2016), PeriodEndOf(2016), "定額法", {2013, 4, 1}, 1'000'000, 20, 1, 5, 0);
    EXPECT_EQ(oneYen.amount, 0);
    EXPECT_EQ(oneYen.bookValue, 1);
    // A lump-sum asset goes down to 0: its last yen is charged in its last year.
    const auto lumpSum =
        o::PeriodDepreciation(PeriodStartOf(2027), PeriodEndOf(2027), "一括償却", {2024, 8, 20}, 200'000, 0, 1, 3, 0);
    EXPECT_EQ(lumpSum.amount, 1);
    EXPECT_EQ(lumpSum.bookValue, 0);
}

TEST_F(DepreciationRoutines, AMethodNotRecognisedGivesNothingAndTheCost)
{
    const auto result = o::PeriodDepreciation(PeriodStartOf(2015), PeriodEndOf(2015), "定額法 ", {2013, 4, 1},
                                              1'000'000, 20, 800'000, 5, 0);
    ASSERT_TRUE(result.computed());
    EXPECT_EQ(result.amount, 0);
    EXPECT_EQ(result.bookValue, 1'000'000);
}

TEST_F(DepreciationRoutines, ImpossibleFiguresAreRefused)
{
    const auto negativeCost =
        o::DepreciationToDate(PeriodStartOf(2015), PeriodEndOf(2015), "定額法", {2013, 4, 1}, -1, 20, 800'000, 5, 0);
    EXPECT_EQ(negativeCost.outcome, DepreciationOutcome::InvalidInput);
    const auto rateAboveAll = o::DepreciationToDate(PeriodStartOf(2015), PeriodEndOf(2015), "定額法", {2013, 4, 1},
                                                    1'000'000, 100.5, 800'000, 5, 0);
    EXPECT_EQ(rateAboveAll.outcome, DepreciationOutcome::InvalidInput);
    const auto backwards = o::DepreciationToDate(PeriodEndOf(2015), PeriodStartOf(2015), "定額法", {2013, 4, 1},
                                                 1'000'000, 20, 800'000, 5, 0);
    EXPECT_EQ(backwards.outcome, DepreciationOutcome::InvalidInput);
}

// A first fiscal period shorter than a year (July to March) depreciates its months.
TEST_F(DepreciationRoutines, AShortFirstPeriodDepreciatesItsMonths)
{
    const auto result =
        o::DepreciationToDate({2024, 7, 1}, {2025, 3, 31}, "定額法", {2024, 7, 1}, 400'000, 12.5, 400'000, 8, 0);
    EXPECT_EQ(result.amount, 37'500);  // 400,000 × 0.125 × 9/12
    EXPECT_EQ(result.bookValue, 400'000);
}

}  // namespace
