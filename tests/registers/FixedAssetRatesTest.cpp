// The statutory rates the fixed-asset register proposes, and the question
// about a typed rate that differs from them. Rates from the tables of the
// ordinance on useful lives as the tax agency prints them (0.200 / 0.250 /
// 0.06552 for 10 years on the 200 % table, 0.250 / 0.334 / 0.04448 on the 250 %
// table, 0.100 straight line, 旧定率法 0.206), held in percent by the register.

#include "registers/FixedAssetRates.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using registers::FixedAssetFields;

FixedAssetFields Asset(const char* method, const char* year, const char* life, const char* rate = "",
                       const char* guarantee = "")
{
    FixedAssetFields f;
    f.method = method;
    f.year = year;
    f.month = "04月";
    f.day = "01日";
    f.life = life;
    f.rate = rate;
    f.guarantee = guarantee;
    return f;
}

struct ProposalCase {
    const char* name;
    FixedAssetFields fields;
    bool proposed;
    const char* rate;
    const char* guarantee;
};
void PrintTo(const ProposalCase& c, std::ostream* out)
{
    *out << c.name;
}

class StatutoryProposal : public ::testing::TestWithParam<ProposalCase> {};

TEST_P(StatutoryProposal, ShowsTheTableOfTheMethodRuleSetAndLife)
{
    const ProposalCase& c = GetParam();
    const auto percents = registers::StatutoryPercentsFor(c.fields);
    ASSERT_EQ(percents.has_value(), c.proposed);
    if (!percents)
        return;
    EXPECT_EQ(percents->rate, c.rate);
    EXPECT_EQ(percents->guarantee, c.guarantee);
}

INSTANTIATE_TEST_SUITE_P(
    Register, StatutoryProposal,
    ::testing::Values(ProposalCase{"DecliningBalance200", Asset("定率法", "2013年", "10年"), true, "20.000", "6.552"},
                      ProposalCase{"DecliningBalance250", Asset("定率法", "2010年", "10年"), true, "25.000", "4.448"},
                      ProposalCase{"DecliningBalanceTwoYearsHasNoGuarantee", Asset("定率法", "2015年", "2年"), true,
                                   "100.000", ""},
                      ProposalCase{"StraightLine", Asset("定額法", "2024年", "10年"), true, "10.000", ""},
                      ProposalCase{"OldDecliningBalance", Asset("定率法", "2005年", "10年"), true, "20.600", ""},
                      ProposalCase{"OldStraightLineHasNoTableHere", Asset("定額法", "2005年", "10年"), false, "", ""},
                      ProposalCase{"LumpSum", Asset("一括償却", "2024年", "3年"), false, "", ""},
                      ProposalCase{"LifeNotInTheTables", Asset("定率法", "2013年", "51年"), false, "", ""},
                      ProposalCase{"NoLifeYet", Asset("定率法", "2013年", ""), false, "", ""},
                      ProposalCase{"NoDateYet", Asset("定率法", "", "10年"), false, "", ""}),
    testsupport::kCaseName);

struct QuestionCase {
    const char* name;
    FixedAssetFields fields;
    const char* question;  // nullptr: stored without asking
};
void PrintTo(const QuestionCase& c, std::ostream* out)
{
    *out << c.name;
}

class RateQuestion : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(RateQuestion, AsksOnlyWhenATypedRateDiffersFromTheTable)
{
    const QuestionCase& c = GetParam();
    const auto question = registers::RateDifferenceQuestion(c.fields);
    if (!c.question) {
        EXPECT_FALSE(question) << *question;
        return;
    }
    ASSERT_TRUE(question);
    EXPECT_EQ(*question, c.question);
}

INSTANTIATE_TEST_SUITE_P(
    Register, RateQuestion,
    ::testing::Values(
        QuestionCase{"AsTheTable", Asset("定率法", "2013年", "10年", "20.000", "6.552"), nullptr},
        QuestionCase{"AsTheTableOtherDigits", Asset("定率法", "2013年", "10年", "20", "6.5520"), nullptr},
        // The guarantee rate typed as the table prints it: a hundredth of the percent.
        QuestionCase{"GuaranteeTypedAsPrinted", Asset("定率法", "2013年", "10年", "20.000", "0.06552"),
                     "償却率・保証率は％で入力します。定率法・耐用年数10年の法定の率と違います\n"
                     "保証率：入力 0.06552％、法定 6.552％\nこのまま登録しますか？"},
        QuestionCase{
            "BothTypedAsPrinted", Asset("定率法", "2010年", "10年", "0.250", "0.04448"),
            "償却率・保証率は％で入力します。定率法・耐用年数10年の法定の率と違います\n"
            "償却率：入力 0.250％、法定 25.000％\n保証率：入力 0.04448％、法定 4.448％\nこのまま登録しますか？"},
        QuestionCase{"StraightLineRateOfAnotherLife", Asset("定額法", "2024年", "10年", "20.00"),
                     "償却率・保証率は％で入力します。定額法・耐用年数10年の法定の率と違います\n"
                     "償却率：入力 20.00％、法定 10.000％\nこのまま登録しますか？"},
        QuestionCase{"EmptyBoxesAreNotTypedRates", Asset("定率法", "2013年", "10年", "", ""), nullptr},
        QuestionCase{"NoTableNoQuestion", Asset("定額法", "2005年", "10年", "9.0"), nullptr},
        QuestionCase{"AGuaranteeWhereTheTableHasNoneIsLeftAlone", Asset("定率法", "2005年", "10年", "20.6", "1.0"),
                     nullptr}),
    testsupport::kCaseName);

}  // namespace
