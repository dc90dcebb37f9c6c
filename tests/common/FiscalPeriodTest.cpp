// Whether a fiscal period can be one. The year limit is the civil code's count
// of a period by years (民法第143条第2項: a period ends on the day before the
// corresponding day, or at the end of the month where that month has no such
// day), applied to the statutory limit of one year for a business year
// (会社計算規則第59条第2項, 法人税法第13条第1項). The last days below are worked by
// hand from that rule.
#include "common/FiscalPeriod.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace {

using o::FiscalPeriodFault;

struct PeriodCase {
    const char* name;
    std::optional<dao::Date> start;
    std::optional<dao::Date> end;
    FiscalPeriodFault fault;
};

void PrintTo(const PeriodCase& c, std::ostream* out)
{
    *out << c.name;
}

class FiscalPeriodCheck : public ::testing::TestWithParam<PeriodCase> {};

const PeriodCase kPeriods[] = {
    {"april to march", dao::Date{2024, 4, 1}, dao::Date{2025, 3, 31}, FiscalPeriodFault::None},
    {"one day", dao::Date{2024, 4, 1}, dao::Date{2024, 4, 1}, FiscalPeriodFault::None},
    {"short first period", dao::Date{2024, 10, 15}, dao::Date{2025, 3, 31}, FiscalPeriodFault::None},
    {"start a day after the end", dao::Date{2025, 4, 1}, dao::Date{2025, 3, 31}, FiscalPeriodFault::StartAfterEnd},
    {"start a year after the end", dao::Date{2025, 4, 1}, dao::Date{2024, 3, 31}, FiscalPeriodFault::StartAfterEnd},
    {"one day over a year", dao::Date{2024, 4, 1}, dao::Date{2025, 4, 1}, FiscalPeriodFault::LongerThanAYear},
    {"two years", dao::Date{2024, 4, 1}, dao::Date{2026, 3, 31}, FiscalPeriodFault::LongerThanAYear},
    {"mid month year", dao::Date{2024, 1, 21}, dao::Date{2025, 1, 20}, FiscalPeriodFault::None},
    {"mid month year and a day", dao::Date{2024, 1, 21}, dao::Date{2025, 1, 21}, FiscalPeriodFault::LongerThanAYear},
    // 29 February has no corresponding day in 2025: the year ends on 28 February.
    {"leap day start", dao::Date{2024, 2, 29}, dao::Date{2025, 2, 28}, FiscalPeriodFault::None},
    {"leap day start and a day", dao::Date{2024, 2, 29}, dao::Date{2025, 3, 1}, FiscalPeriodFault::LongerThanAYear},
    // 1 March 2023: the day before 1 March 2024 is the leap day.
    {"year over a leap day", dao::Date{2023, 3, 1}, dao::Date{2024, 2, 29}, FiscalPeriodFault::None},
    {"end with a time of day", dao::Date{2024, 4, 1}, dao::Date{2025, 3, 31, 23, 59, 0}, FiscalPeriodFault::None},
    {"no start", std::nullopt, dao::Date{2025, 3, 31}, FiscalPeriodFault::Missing},
    {"no end", dao::Date{2024, 4, 1}, std::nullopt, FiscalPeriodFault::Missing},
    {"end that does not exist", dao::Date{2024, 4, 1}, dao::Date{2025, 2, 30}, FiscalPeriodFault::Missing},
};

INSTANTIATE_TEST_SUITE_P(Periods, FiscalPeriodCheck, ::testing::ValuesIn(kPeriods), testsupport::kCaseName);

TEST_P(FiscalPeriodCheck, FindsTheFault)
{
    const PeriodCase& c = GetParam();
    EXPECT_EQ(o::CheckFiscalPeriod(c.start, c.end), c.fault);
}

TEST(FiscalPeriodText, NamesThePeriodAndWhatIsWrongWithIt)
{
    const dao::Date start{2025, 4, 1};
    const dao::Date end{2024, 3, 31};
    EXPECT_EQ(o::FiscalPeriodFaultText(FiscalPeriodFault::StartAfterEnd, start, end),
              "会計期間（2025年04月01日～2024年03月31日）は、開始日が終了日より後になっています");
    EXPECT_EQ(o::FiscalPeriodFaultText(FiscalPeriodFault::Missing, std::nullopt, end),
              "会計期間（なし～2024年03月31日）は、開始日か終了日が日付になっていません");
    EXPECT_EQ(o::FiscalPeriodFaultText(FiscalPeriodFault::None, start, end), "");
}

}  // namespace
