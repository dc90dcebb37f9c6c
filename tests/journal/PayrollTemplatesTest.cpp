// Finding the payroll templates among the template rows: a template's rows are
// the rows that share its 仕訳ID, never the rows of the template after it.

#include "journal/PayrollTemplates.h"

#include <gtest/gtest.h>

using namespace journal;

namespace {

// `rows` rows of one template debiting `account`; the first row's description is `first`.
std::vector<PayrollTemplateRecord> templateRows(const std::string& id, const std::string& account, int rows,
                                                const std::string& first)
{
    std::vector<PayrollTemplateRecord> result;
    for (int i = 0; i < rows; ++i) {
        PayrollTemplateRecord row;
        row.number = id;
        row.description = i == 0 ? first : "控除" + std::to_string(i);
        row.debitName = account;
        row.debitCode = "5" + id.substr(0, 2);
        row.creditCode = "216";
        result.push_back(row);
    }
    return result;
}

std::vector<PayrollTemplateRecord> join(std::initializer_list<std::vector<PayrollTemplateRecord>> parts)
{
    std::vector<PayrollTemplateRecord> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(PayrollTemplatesTest, EachGroupTakesTheFourRowsOfItsOwnTemplate)
{
    const auto rows = join({templateRows("01", "役員報酬", 4, "役員報酬"), templateRows("02", "給与手当", 5, "給与"),
                            templateRows("03", "雑給", 4, "パート給与"), templateRows("04", "雑給", 4, "パート賞与")});
    const PayrollTemplates salary = FindPayrollTemplates(rows, PayrollKind::Salary);
    ASSERT_FALSE(salary.error) << *salary.error;
    EXPECT_EQ(salary.groups[1][3].number, "02");
    EXPECT_EQ(salary.groups[2][0].description, "パート給与");
    EXPECT_EQ(salary.childVoucherCode, "");  // the row after the part-timers' is another template's

    const auto bonusRows =
        join({templateRows("11", "役員賞与", 4, "役員賞与"), templateRows("12", "賞与", 4, "賞与"), rows});
    const PayrollTemplates bonus = FindPayrollTemplates(bonusRows, PayrollKind::Bonus);
    ASSERT_FALSE(bonus.error) << *bonus.error;
    EXPECT_EQ(bonus.groups[2][0].number, "04");  // the 雑給 template whose description ends in 賞与
}

// A fifth row of the part-timers' own template numbers the child-rearing
// contribution row; a fifth row of another group's template does not.
TEST(PayrollTemplatesTest, ThePartTimersFifthRowGivesTheChildContributionCode)
{
    auto partTimers = templateRows("03", "雑給", 5, "パート給与");
    partTimers[4].debitCode = "506";
    const auto rows = join({templateRows("01", "役員報酬", 5, "役員報酬"), templateRows("02", "給与手当", 4, "給与"),
                            partTimers, templateRows("04", "法定福利費", 1, "納付")});
    const PayrollTemplates salary = FindPayrollTemplates(rows, PayrollKind::Salary);
    ASSERT_FALSE(salary.error) << *salary.error;
    EXPECT_EQ(salary.childVoucherCode, "506");
}

TEST(PayrollTemplatesTest, ATemplateWithTooFewRowsIsRefusedWhereverItStands)
{
    struct Case {
        const char* name;
        std::vector<PayrollTemplateRecord> rows;
        std::string message;
    };
    const std::string shortPartTimers =
        "定型仕訳の雑給（アルバイト、パート）の仕訳は4行（差引支給額と3つの控除）が必要です。行が足りません";
    const std::vector<Case> cases = {
        {"followed by another template",
         join({templateRows("01", "役員報酬", 4, "役員報酬"), templateRows("02", "給与手当", 4, "給与"),
               templateRows("03", "雑給", 3, "パート給与"), templateRows("09", "法定福利費", 2, "納付")}),
         shortPartTimers},
        {"the last template",
         join({templateRows("01", "役員報酬", 4, "役員報酬"), templateRows("02", "給与手当", 4, "給与"),
               templateRows("03", "雑給", 2, "パート給与")}),
         shortPartTimers},
        {"missing", join({templateRows("01", "役員報酬", 4, "役員報酬"), templateRows("03", "雑給", 4, "パート給与")}),
         "定型仕訳に給与手当の仕訳が登録されていません"},
        {"no templates at all", {}, "定型仕訳に役員報酬の仕訳が登録されていません"},
        {"a row without its credit account",
         [] {
             auto rows = join({templateRows("01", "役員報酬", 4, "役員報酬"), templateRows("02", "給与手当", 4, "給与"),
                               templateRows("03", "雑給", 4, "パート給与")});
             rows[5].creditCode.clear();
             return rows;
         }(),
         "定型仕訳の給与手当の仕訳に勘定科目のない行があります"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PayrollTemplates found = FindPayrollTemplates(c.rows, PayrollKind::Salary);
        EXPECT_EQ(found.error.value_or(""), c.message);
    }
}

}  // namespace
