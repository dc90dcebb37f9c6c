// The rate table of the tab "消費税設定": loaded with its simplified rates,
// checked whole before anything is written, replaced in one transaction in
// date order.
#include "setup/WindowFixture.h"

#include "journal/TaxRateTable.h"
#include "setup/TaxRateRows.h"
#include "support/AnotherProgram.h"
#include "support/CaseName.h"

namespace setuptest {
namespace {

class RatesTest : public SetupWindowTest {
protected:
    void setRow(int i, const char* y, const char* m, const char* d, const char* rate, const char* simplified)
    {
        form->tax().Combo14[i]->setEditText(q(y));
        form->tax().Combo15[i]->setEditText(q(m));
        form->tax().Combo16[i]->setEditText(q(d));
        form->tax().Text2[i]->setText(q(rate));
        form->tax().Text12[i]->setText(q(simplified));
    }
    void clearRows()
    {
        for (int i = 0; i < 5; ++i)
            setRow(i, "", "", "", "", "");
    }
};

TEST_F(RatesTest, LoadsEachRowWithItsSimplifiedRate)
{
    EXPECT_EQ(s(form->tax().Combo14[3]->currentText()), "2019年");
    EXPECT_EQ(s(form->tax().Combo15[3]->currentText()), "10月");
    EXPECT_EQ(s(form->tax().Combo16[3]->currentText()), "01日");
    EXPECT_EQ(s(form->tax().Text2[3]->text()), "10");
    EXPECT_EQ(s(form->tax().Text12[3]->text()), "10");
    EXPECT_EQ(s(form->tax().Combo14[4]->currentText()), "");
}

TEST_F(RatesTest, TableIsReplacedInDateOrderWithTheSimplifiedRates)
{
    clearRows();
    setRow(0, "2019年", "10月", "1日", "10", "8");
    setRow(1, "1989年", "4月", "1日", "3", "");
    setRow(2, "2014年", "04月", "01日", "8", "6");
    o::SetEditMode(o::EditModeOn);
    form->tax().Command4[setup::TaxTab::UpdateRateTable]->click();

    auto rates = db().OpenRecordset("Q_消費税率", dao::RecordsetType::Snapshot);
    const journal::TaxRateTable table = journal::ReadTaxRateTable(*rates);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].from, (dao::Date{1989, 4, 1}));
    EXPECT_EQ(table[1].from, (dao::Date{2014, 4, 1}));
    EXPECT_EQ(table[2].from, (dao::Date{2019, 10, 1}));
    EXPECT_EQ(table[1].simplifiedRate, 6);
    EXPECT_EQ(table[2].simplifiedRate, 8);
    rates->MoveFirst();
    EXPECT_TRUE(rates->get("簡易税率").isNull());  // left empty, read as the rate
    EXPECT_EQ(table[0].simplifiedRate, 3);

    // The rows now show the table in its order, and the window's lookups use it.
    EXPECT_EQ(s(form->tax().Combo14[0]->currentText()), "1989年");
    EXPECT_EQ(s(form->tax().Text12[2]->text()), "8");
    EXPECT_EQ(form->templates().TaxRateOn(dao::Date{2020, 1, 1}, true, true), 8);
}

struct BadRowsCase {
    const char* name;
    int row;
    const char* year;
    const char* month;
    const char* day;
    const char* rate;
    const char* simplified;
    const char* message;
};

void PrintTo(const BadRowsCase& c, std::ostream* os)
{
    *os << c.name;
}

class BadRateRowsTest : public RatesTest, public ::testing::WithParamInterface<BadRowsCase> {};

TEST_P(BadRateRowsTest, TableStaysExactlyAsItWas)
{
    const BadRowsCase& c = GetParam();
    const std::string before = DumpRows(db(), "Q_消費税率");
    setRow(c.row, c.year, c.month, c.day, c.rate, c.simplified);
    o::SetEditMode(o::EditModeOn);
    dialogs->expectMessage(c.message, ui::Answer::Ok).withoutTitle();
    form->tax().Command4[setup::TaxTab::UpdateRateTable]->click();
    EXPECT_EQ(DumpRows(db(), "Q_消費税率"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadRateRowsTest,
    ::testing::Values(
        BadRowsCase{"NoSuchMonth", 1, "1997年", "13月", "1日", "5", "",
                    "消費税率の２行目の実施年月日が正しくありません"},
        BadRowsCase{"NoSuchDay", 0, "1989年", "2月", "30日", "3", "", "消費税率の１行目の実施年月日が正しくありません"},
        BadRowsCase{"RateWithFraction", 2, "2014年", "4月", "1日", "8.5", "",
                    "消費税率の３行目の税率は０から１００までの整数で入力してください"},
        BadRowsCase{"RateAboveHundred", 3, "2019年", "10月", "1日", "101", "",
                    "消費税率の４行目の税率は０から１００までの整数で入力してください"},
        BadRowsCase{"RateEmpty", 3, "2019年", "10月", "1日", "", "",
                    "消費税率の４行目の税率は０から１００までの整数で入力してください"},
        BadRowsCase{"SimplifiedNotANumber", 0, "1989年", "4月", "1日", "3", "abc",
                    "消費税率の１行目の簡易税率は０から１００までの整数で入力してください"},
        BadRowsCase{"RowBelowAnEmptyYear", 1, "", "", "", "", "",
                    "消費税率の３行目の上に空白の行があります。行を詰めて入力してください"},
        BadRowsCase{"RateWithoutYear", 4, "", "", "", "12", "", "消費税率の５行目に実施年月日の年がありません"},
        BadRowsCase{"MonthAndDayWithoutYear", 4, "", "4月", "1日", "", "",
                    "消費税率の５行目に実施年月日の年がありません"},
        BadRowsCase{"SameDateTwice", 4, "2014年", "4月", "1日", "9", "",
                    "消費税率の５行目の実施年月日が他の行と重複しています"}),
    testsupport::kCaseName);

class SixRateRowsTest : public RatesTest {
protected:
    void prepare(dao::Database& d) override
    {
        AddRow(d, "Q_消費税率", {{"日付", dao::Date{1985, 1, 1}}, {"税率", 0}});
        AddRow(d, "Q_消費税率", {{"日付", dao::Date{1986, 1, 1}}, {"税率", 0}});
    }
};

TEST_F(SixRateRowsTest, FileWithMoreRowsThanTheTabIsNotRewritten)
{
    const std::string before = DumpRows(db(), "Q_消費税率");
    o::SetEditMode(o::EditModeOn);
    dialogs->expectMessage("消費税率表に6行あり、画面の５行では書き直せません。消費税率表は更新しませんでした",
                           ui::Answer::Ok);
    form->tax().Command4[setup::TaxTab::UpdateRateTable]->click();
    EXPECT_EQ(DumpRows(db(), "Q_消費税率"), before);
}

// Another program changed the rate table after the tab loaded it: "更新" is
// refused once it holds the file, the other program's table stays, and the
// rows show it.
TEST_F(RatesTest, ATableChangedElsewhereSinceItWasLoadedIsNotOverwritten)
{
    testsupport::AnotherProgram(file.path()).exec("UPDATE 消費税率 SET 簡易税率 = 9 WHERE 税率 = 10");
    setRow(3, "2019年", "10月", "1日", "10", "8");
    o::SetEditMode(o::EditModeOn);
    dialogs->expectMessage(setup::kTaxRatesChangedElsewhere, ui::Answer::Ok).withoutTitle();
    form->tax().Command4[setup::TaxTab::UpdateRateTable]->click();

    auto rates = db().OpenRecordset("Q_消費税率", dao::RecordsetType::Snapshot);
    const journal::TaxRateTable table = journal::ReadTaxRateTable(*rates);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[3].simplifiedRate, 9);
    EXPECT_EQ(s(form->tax().Text12[3]->text()), "9");

    // Loaded again, the table is replaced.
    setRow(3, "2019年", "10月", "1日", "10", "8");
    form->tax().Command4[setup::TaxTab::UpdateRateTable]->click();
    rates = db().OpenRecordset("Q_消費税率", dao::RecordsetType::Snapshot);
    EXPECT_EQ(journal::ReadTaxRateTable(*rates)[3].simplifiedRate, 8);
}

TEST_F(RatesTest, EditModeOffOnlyBeeps)
{
    const std::string before = DumpRows(db(), "Q_消費税率");
    clearRows();
    const int beeps = dialogs->beepCount();
    form->tax().Command4[setup::TaxTab::UpdateRateTable]->click();
    EXPECT_EQ(dialogs->beepCount(), beeps + 1);
    EXPECT_EQ(DumpRows(db(), "Q_消費税率"), before);
}

}  // namespace
}  // namespace setuptest
