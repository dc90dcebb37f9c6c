// The setup window's tax lookups are the journal's routines: rates by the day
// they begin, the simplified rate of a row without one is its rate, and the tax
// is rounded by the fraction rule without a 32-bit product.
#include "setup/SetupFixture.h"

#include "journal/TaxRateTable.h"
#include "setup/SetupTax.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace setuptest {
namespace {

class SetupTaxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        rates = db->OpenRecordset("Q_消費税率");
        settings = db->OpenRecordset("会計設定");
        settings->MoveFirst();
    }
    void useRule(const char* rule)
    {
        settings->Edit();
        settings->set("端数処理", rule);
        settings->Update();
    }

    TempPeriodFile file;
    std::shared_ptr<dao::Database> db;
    std::unique_ptr<dao::Recordset> rates, settings;
};

struct TaxCase {
    const char* name;
    const char* rule;
    std::int64_t amount;
    dao::Date date;
    std::int32_t expected;
};

void PrintTo(const TaxCase& c, std::ostream* os) { *os << c.name; }

class TaxOnTopTest : public SetupTaxTest, public ::testing::WithParamInterface<TaxCase> {};

TEST_P(TaxOnTopTest, ByTheRateOfTheDayAndTheFractionRule)
{
    const TaxCase& c = GetParam();
    useRule(c.rule);
    EXPECT_EQ(setup::SetupTaxExclusiveAmount(*rates, *settings, c.date, c.amount, true, false), c.expected);
}

const dao::Date kAfter2019{2024, 6, 1, 9, 30};

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, TaxOnTopTest,
    ::testing::Values(TaxCase{"TruncatePositive", "1", 1234, kAfter2019, 123},
                      TaxCase{"HalfUpPositive", "2", 1235, kAfter2019, 124},
                      TaxCase{"RoundUpPositive", "3", 1234, kAfter2019, 124},
                      TaxCase{"RoundUpSmallFraction", "3", 1001, dao::Date{2015, 1, 1}, 81},
                      TaxCase{"TruncateNegative", "1", -1234, kAfter2019, -123},
                      TaxCase{"HalfUpNegative", "2", -1234, kAfter2019, -123},
                      TaxCase{"RoundUpNegative", "3", -1234, kAfter2019, -124},
                      TaxCase{"NoRule", "", 1234, kAfter2019, 0},
                      TaxCase{"BeforeTheTable", "1", 1234, dao::Date{1980, 1, 1}, 0},
                      TaxCase{"FirstDayOfARate", "1", 1000, dao::Date{2019, 10, 1}, 100},
                      TaxCase{"BeyondA32BitProductTruncated", "1", 214748365, kAfter2019, 21474836},
                      TaxCase{"BeyondA32BitProductHalfUp", "2", 214748365, kAfter2019, 21474837},
                      TaxCase{"BeyondA32BitProductRoundUp", "3", 214748365, kAfter2019, 21474837}),
    testsupport::kCaseName);

TEST_F(SetupTaxTest, NotTaxableIsZero)
{
    useRule("1");
    EXPECT_EQ(setup::SetupTaxExclusiveAmount(*rates, *settings, kAfter2019, 1234, false, false), 0);
    EXPECT_EQ(setup::SetupTaxRateOn(*rates, kAfter2019, false, true), 0);
}

TEST_F(SetupTaxTest, RowWithoutSimplifiedRateTakesItsRate)
{
    AddRow(*db, "Q_消費税率", {{"日付", dao::Date{2030, 1, 1}}, {"税率", 12}, {"簡易税率", dao::Value()}});
    SetFields(*db, "Q_消費税率", "税率", 10, {{"簡易税率", 7}});
    auto fresh = db->OpenRecordset("Q_消費税率", dao::RecordsetType::Snapshot);
    const journal::TaxRateTable table = journal::ReadTaxRateTable(*fresh);
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[4].simplifiedRate, 12);
    EXPECT_EQ(table[3].simplifiedRate, 7);
    EXPECT_EQ(setup::SetupTaxRateOn(*fresh, dao::Date{2031, 1, 1}, true, true), 12);
    EXPECT_EQ(setup::SetupTaxRateOn(*fresh, dao::Date{2025, 1, 1}, true, true), 7);
}

}  // namespace
}  // namespace setuptest
