// The setup window's rate lookup is the journal's routine: rates by the day
// they begin, and the simplified rate of a row without one is its rate.
#include "setup/SetupFixture.h"

#include "journal/TaxRateTable.h"
#include "setup/SetupTax.h"

#include <gtest/gtest.h>

namespace setuptest {
namespace {

class SetupTaxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        rates = db->OpenRecordset("Q_消費税率");
    }

    TempPeriodFile file;
    std::shared_ptr<dao::Database> db;
    std::unique_ptr<dao::Recordset> rates;
};

const dao::Date kAfter2019{2024, 6, 1, 9, 30};

TEST_F(SetupTaxTest, NotTaxableIsZero)
{
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
