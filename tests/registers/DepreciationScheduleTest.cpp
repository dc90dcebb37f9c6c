// Depreciation schedules measured year after year until 1 yen remains, for
// every life of the statutory tables (2 to 50 years), both rule sets and an
// acquisition in each month of the fiscal year (April to March), against an
// independent computation written straight from the statute:
//   - only the year of acquisition is prorated, by its months;
//   - from 2007-04-01: 定額法 cost × rate; 定率法 book value × rate, and once that
//     falls below cost × guarantee rate, the book value at the start of that
//     year × the revised rate; both down to 1 yen;
//   - before 2007-04-01: 旧定額法 cost × 0.9 × rate, 旧定率法 book value × rate,
//     down to 5 % of the cost; from the next fiscal year beginning on or after
//     2007-04-01, (5 % − 1 yen) × 12/60 a year down to 1 yen.
// Each year's amount drops fractions of a yen.

#include "registers/Depreciation.h"
#include "registers/StatutoryRates.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <vector>

namespace {

enum class Scheme { OldStraightLine, OldDecliningBalance, StraightLine, DecliningBalance250, DecliningBalance200 };

struct ScheduleCase {
    const char* name;
    Scheme scheme;
    int acquisitionYear;
};
void PrintTo(const ScheduleCase& c, std::ostream* out)
{
    *out << c.name;
}

struct Rates {
    std::int64_t rate = 0;  // hundred-thousandths
    std::int64_t revised = 0;
    std::int64_t guarantee = 0;
};

// The rates the register would hold. The old straight-line table is not held
// here; 1/life to three decimals, rounded up, serves as its rate.
Rates RatesOf(Scheme scheme, int life)
{
    Rates r;
    switch (scheme) {
    case Scheme::OldStraightLine: r.rate = (1000 + life - 1) / life * 100; break;
    case Scheme::OldDecliningBalance: r.rate = *registers::OldDecliningBalanceRate(life); break;
    case Scheme::StraightLine:
        r.rate = registers::StatutoryRatesFor(registers::DepreciationRules::From2012, life)->straightLine;
        break;
    case Scheme::DecliningBalance250:
    case Scheme::DecliningBalance200: {
        const auto row =
            registers::StatutoryRatesFor(scheme == Scheme::DecliningBalance250 ? registers::DepreciationRules::From2007
                                                                               : registers::DepreciationRules::From2012,
                                         life);
        r.rate = row->decliningBalance;
        r.revised = row->revised;
        r.guarantee = row->guarantee;
        break;
    }
    }
    return r;
}

bool Declining(Scheme s)
{
    return s == Scheme::OldDecliningBalance || s == Scheme::DecliningBalance250 || s == Scheme::DecliningBalance200;
}
bool Old(Scheme s)
{
    return s == Scheme::OldStraightLine || s == Scheme::OldDecliningBalance;
}

__extension__ using Wide = __int128;

std::int64_t Part(std::int64_t yen, std::int64_t rate, std::int64_t months)
{
    return static_cast<std::int64_t>(static_cast<Wide>(yen) * rate * months / (100000 * 12));
}

// The charges from the first fiscal year on, until the book value is 1 yen.
// `firstStartYear`: the calendar year in whose April the first fiscal year began.
std::vector<std::int64_t> ReferenceSchedule(Scheme scheme, const Rates& r, std::int64_t cost, int firstMonths,
                                            int firstStartYear)
{
    std::vector<std::int64_t> charges;
    std::int64_t book = cost;
    const std::int64_t fivePercent = cost - cost * 95 / 100;
    bool switched = false;
    std::int64_t revisedBase = 0;
    for (int year = 0; book > 1 && year < 200; ++year) {
        const std::int64_t months = year == 0 ? firstMonths : 12;
        std::int64_t charge = 0;
        if (Old(scheme)) {
            if (book > fivePercent) {
                // 旧定額法: cost × 0.9 × rate × months / 12, one rounding.
                charge = scheme == Scheme::OldStraightLine
                    ? static_cast<std::int64_t>(static_cast<Wide>(cost) * 9 * r.rate * months / (10 * 100000 * 12))
                    : Part(book, r.rate, months);
                charge = std::min(charge, book - fivePercent);
            } else if (firstStartYear + year >= 2007) {
                charge = std::min((fivePercent - 1) * months / 60, book - 1);
            }
        } else {
            if (scheme == Scheme::StraightLine) {
                charge = Part(cost, r.rate, months);
            } else {
                if (!switched && static_cast<Wide>(book) * r.rate < static_cast<Wide>(cost) * r.guarantee) {
                    switched = true;
                    revisedBase = book;
                }
                charge = switched ? Part(revisedBase, r.revised, months) : Part(book, r.rate, months);
            }
            charge = std::min(charge, book - 1);
        }
        charges.push_back(charge);
        book -= charge;
    }
    return charges;
}

class DepreciationSchedule : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(DepreciationSchedule, EveryLifeAndMonthRunsDownToOneYenAsTheStatuteSays)
{
    const ScheduleCase& c = GetParam();
    const std::int64_t cost = 987'654;
    const char* method = Declining(c.scheme) ? "定率法" : "定額法";
    for (int life = 2; life <= 50; ++life) {
        const Rates rates = RatesOf(c.scheme, life);
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(::testing::Message() << "life " << life << ", acquired in month " << month);
            const dao::Date acquiredOn{c.acquisitionYear, month, 15};
            const int firstEnd = month >= 4 ? c.acquisitionYear + 1 : c.acquisitionYear;
            const int firstMonths = month >= 4 ? 16 - month : 4 - month;
            const std::vector<std::int64_t> expected =
                ReferenceSchedule(c.scheme, rates, cost, firstMonths, firstEnd - 1);
            ASSERT_FALSE(expected.empty());

            std::int64_t book = cost;
            for (std::size_t year = 0; year <= expected.size(); ++year) {
                const int end = firstEnd + static_cast<int>(year);
                const std::int64_t charge = year < expected.size() ? expected[year] : 0;  // and nothing after
                const auto walk = o::DepreciationToDate({end - 1, 4, 1}, {end, 3, 31}, method, acquiredOn, cost,
                                                        rates.rate / 1000.0, cost, life, rates.guarantee / 1000.0);
                ASSERT_TRUE(walk.computed());
                ASSERT_EQ(walk.amount, charge) << "fiscal year ending " << end;
                ASSERT_EQ(walk.bookValue, book) << "fiscal year ending " << end;
                if (book > 1) {
                    const auto period =
                        o::PeriodDepreciation({end - 1, 4, 1}, {end, 3, 31}, method, acquiredOn, cost,
                                              rates.rate / 1000.0, book, life, rates.guarantee / 1000.0);
                    ASSERT_EQ(period.amount, charge) << "fiscal year ending " << end;
                }
                book -= charge;
            }
            ASSERT_EQ(book, 1);
            // From 2007-04-01 the rates are built so that the life suffices: by
            // the year the life ends, all is charged but the fractions of a yen
            // dropped, less than 1 yen a year, which the following year charges.
            if (!Old(c.scheme)) {
                const std::size_t lifeYears = static_cast<std::size_t>(life + (firstMonths < 12 ? 1 : 0));
                ASSERT_LE(expected.size(), lifeYears + 1);
                if (expected.size() == lifeYears + 1) {
                    EXPECT_LT(expected.back(), static_cast<std::int64_t>(lifeYears));
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    LivesTwoToFifty, DepreciationSchedule,
    ::testing::Values(ScheduleCase{"OldStraightLine", Scheme::OldStraightLine, 2003},
                      ScheduleCase{"OldStraightLineAcquiredLongBefore", Scheme::OldStraightLine, 1988},
                      ScheduleCase{"OldDecliningBalance", Scheme::OldDecliningBalance, 2003},
                      ScheduleCase{"OldDecliningBalanceAcquiredLongBefore", Scheme::OldDecliningBalance, 1988},
                      ScheduleCase{"StraightLine", Scheme::StraightLine, 2015},
                      ScheduleCase{"DecliningBalance250", Scheme::DecliningBalance250, 2009},
                      ScheduleCase{"DecliningBalance200", Scheme::DecliningBalance200, 2015}),
    testsupport::kCaseName);

}  // namespace
