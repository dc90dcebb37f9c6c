// The automatic consumption-tax rows, the status line and the caption.
#include "Form9Fixture.h"

#include "common/NumberFormat.h"
#include "support/CaseName.h"

using namespace journal;
using namespace journal::testing;

namespace {

struct TaxRowCase {
    const char* name;
    const char* method;  // 処理方法
    const char* rule;    // 端数処理
    const char* year;
    const char* month;
    const char* day;
    const char* amount;        // of row 1
    bool debitSide;            // 仮払消費税 on the debit side, else 仮受消費税 on the credit side
    const char* taxedAccount;  // row 1's account on the taxed side
    const char* tax;           // the tax row's amount as its tax-side cell shows it
};
void PrintTo(const TaxRowCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form9TaxRowTest : public Form9Test, public ::testing::WithParamInterface<TaxRowCase> {
public:
    void prepare(dao::Database& database) override
    {
        database.Execute("UPDATE 会計設定 SET 処理方法 = ?, 端数処理 = ?",
                         {dao::Value(GetParam().method), dao::Value(GetParam().rule)});
    }
};

TEST_P(Form9TaxRowTest, TaxRowTakesTheTaxOfTheRowAbove)
{
    const TaxRowCase& c = GetParam();
    editOn();
    setDate(c.year, c.month, c.day);
    EntryGrid& g = grid();
    if (c.debitSide) {
        fillRow(0, "仕入", c.taxedAccount, c.amount, "買掛金");
        type(g.Combo1[1], "仮払消費税");
        EXPECT_EQ(g.Text8[1]->text(), c.tax);
        EXPECT_EQ(g.Combo7[1]->currentText(), "買掛金");
    } else {
        g.Text1[0]->setText("売上");
        type(g.Combo1[0], "売掛金");
        type(g.Combo7[0], c.taxedAccount);
        type(g.Text9[0], c.amount);
        type(g.Combo7[1], "仮受消費税");
        EXPECT_EQ(g.Text9[1]->text(), c.tax);
        EXPECT_EQ(g.Combo1[1]->currentText(), "売掛金");
    }
    const std::int64_t tax = QString(c.tax).toLongLong();
    EXPECT_EQ(g.DebitAmounts[1], tax);
    EXPECT_EQ(g.CreditAmounts[1], tax);
    const std::int64_t base = QString(c.amount).remove(',').toLongLong();
    EXPECT_EQ(g.DebitTotal, base + tax);
    // The other side shows the amount with separators.
    QLineEdit* other = c.debitSide ? g.Text9[1] : g.Text8[1];
    EXPECT_EQ(other->text(), QString::fromStdString(o::FormatNumber(tax, "###,###,##0")));
}

INSTANTIATE_TEST_SUITE_P(
    RulesRatesAndMethods, Form9TaxRowTest,
    ::testing::Values(
        TaxRowCase{"Truncate8Percent", "1", "1", "2019年", "9月", "30日", "1005", true, "仕入高", "80"},  // 8 %: 80.4
        TaxRowCase{"HalfUp8Percent", "1", "2", "2019年", "9月", "30日", "1005", true, "仕入高", "80"},
        TaxRowCase{"RoundUp8Percent", "1", "3", "2019年", "9月", "30日", "1005", true, "仕入高", "81"},
        TaxRowCase{"RoundUpSmallFraction", "1", "3", "2019年", "9月", "30日", "1001", true, "仕入高",
                   "81"},  // 80.08 rounds up
        TaxRowCase{"Truncate10PercentFromItsFirstDay", "1", "1", "2019年", "10月", "1日", "1005", true, "仕入高",
                   "100"},  // 10 % from its first day
        TaxRowCase{"HalfUp10Percent", "1", "2", "2019年", "10月", "1日", "1005", true, "仕入高", "101"},
        TaxRowCase{"RoundUp10Percent", "1", "3", "2019年", "10月", "1日", "1005", true, "仕入高", "101"},
        TaxRowCase{"LastDayOf5Percent", "1", "1", "2014年", "3月", "31日", "1000", true, "仕入高", "50"},
        TaxRowCase{"FirstDayOf8Percent", "1", "1", "2014年", "4月", "1日", "1000", true, "仕入高", "80"},
        TaxRowCase{"FirstDayOf5Percent", "1", "1", "1997年", "4月", "1日", "1000", true, "仕入高", "50"},
        TaxRowCase{"LastDayOf3Percent", "1", "1", "1997年", "3月", "31日", "1000", true, "仕入高", "30"},
        TaxRowCase{"HalfUpNegativeSale", "1", "2", "2024年", "5月", "1日", "-125", false, "売上高",
                   "-13"},  // half away from zero
        TaxRowCase{"RoundUpNegativeSale", "1", "3", "2024年", "5月", "1日", "-153", false, "売上高",
                   "-16"},  // up, away from zero
        TaxRowCase{"LargeSale", "1", "1", "2024年", "5月", "1日", "1,900,000,000", false, "売上高", "190000000"},
        TaxRowCase{"NoFractionRule", "1", "", "2024年", "5月", "1日", "1000", true, "仕入高", "0"},  // no fraction rule
        TaxRowCase{"UnknownFractionRule", "1", "4", "2024年", "5月", "1日", "1000", true, "仕入高", "0"},
        TaxRowCase{"NotATaxableAccount", "1", "1", "2024年", "5月", "1日", "1000", true, "現金",
                   "0"},  // not a taxable account
        TaxRowCase{"TaxInclusiveMethod", "2", "1", "2024年", "5月", "1日", "1000", true, "仕入高",
                   "100"},  // every tax method alike
        TaxRowCase{"SeparateEntryMethod", "3", "1", "2024年", "5月", "1日", "1000", true, "仕入高", "100"},
        TaxRowCase{"NoCalculationMethod", "4", "1", "2024年", "5月", "1日", "1000", true, "仕入高", "100"}),
    testsupport::kCaseName);

TEST_F(Form9Test, TaxAccountInRowOneMakesNoTaxRow)
{
    editOn();
    type(grid().Combo1[0], "仮払消費税");
    EXPECT_EQ(grid().Text8[0]->text(), "0");
    EXPECT_EQ(grid().DebitAmounts[0], 0);
}

struct StatusCase {
    const char* name;
    const char* filing;
    const char* method;
    int automatic;
    const char* rule;
    const char* status;
    bool monthEndButton;
};
void PrintTo(const StatusCase& c, std::ostream* os)
{
    *os << c.name;
}

class Form9StatusTest : public Form9Test, public ::testing::WithParamInterface<StatusCase> {
public:
    void prepare(dao::Database& database) override
    {
        const StatusCase& c = GetParam();
        database.Execute("UPDATE 会計設定 SET 申告区分 = ?, 処理方法 = ?, 消費税計算 = ?, 端数処理 = ?",
                         {dao::Value(c.filing), dao::Value(c.method), dao::Value(c.automatic), dao::Value(c.rule)});
    }
};

TEST_P(Form9StatusTest, StatusLineAndMonthEndButton)
{
    const StatusCase& c = GetParam();
    // The rate in force today; the tests run after October 2019.
    EXPECT_EQ(form->Label10->text().toStdString(), std::string("消費税：10% ") + c.status);
    EXPECT_EQ(form->Command1[Form9::MonthEndTaxPosting]->isVisibleTo(form.get()), c.monthEndButton);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Form9StatusTest,
    ::testing::Values(
        StatusCase{"GeneralTaxExclusive", "3", "1", 1, "1", "原則課税、外税、消費税自動計算、端数切捨て", false},
        StatusCase{"SimplifiedTaxInclusive", "2", "2", 0, "2", "簡易課税、内税、手計算、四捨五入", true},
        StatusCase{"GeneralSeparateEntry", "3", "3", 1, "3", "原則課税、別途入力、消費税自動計算、切り上げ", false},
        StatusCase{"GeneralNoCalculation", "3", "4", 0, "9", "原則課税、計算なし、手計算", false},
        StatusCase{"Exempt", "1", "2", 1, "1", "免税", true}),
    testsupport::kCaseName);

TEST_F(Form9Test, CaptionAndLoadState)
{
    EXPECT_EQ(form->windowTitle().toStdString(), "テスト商事 第12期　会計 仕訳入力");
    EXPECT_TRUE(form->Option8[0]->isChecked());
    EXPECT_EQ(grid().Text8[0]->text(), "0");
    EXPECT_EQ(grid().Text9[0]->text(), "0");
    EXPECT_EQ(o::EditMode, o::EditModeOff);
    EXPECT_EQ(form->Combo2[0]->count(), 2);
    EXPECT_EQ(form->Combo2[1]->itemText(3), "4月");
    EXPECT_FALSE(form->CashAccountCode.empty());
    EXPECT_NE(grid().Combo11[0]->findText("山田商店"), -1);
    EXPECT_NE(grid().Combo8[0]->findText("みずほ銀行"), -1);
    EXPECT_NE(grid().Combo9[0]->findText("新宿支店"), -1);
    EXPECT_NE(grid().Combo1[0]->findText("現金"), -1);
    EXPECT_NE(grid().Combo7[0]->findText("現金"), -1) << "an account for either side is in both lists";
    EXPECT_NE(grid().Combo1[0]->findText("消耗品費"), -1);
    EXPECT_EQ(grid().Combo7[0]->findText("消耗品費"), -1) << "a debit-natured account stays out of the credit list";
}

}  // namespace
