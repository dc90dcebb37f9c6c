// The payroll buttons driven through the journal-entry window on the sample
// company and its sample payroll file, offscreen, with scripted message boxes.

#include "journal/PayrollButtons.h"

#include "Form9WindowFixture.h"
#include "periodfile/PayrollSample.h"
#include "periodfile/SampleCompany.h"
#include "periodfile/TempDir.h"

using namespace journal;

namespace {

class PayrollWindowTest : public journal::testing::Form9WindowTest {
protected:
    void beforeLoad() override
    {
        o::DbFilePath = periodfile::createSampleCompany(dir.path().string());
        periodfile::createPayrollSample(dir.path().string());
        o::StartDir = dir.path().string();
    }

    void click(PayrollKind kind)
    {
        form->Command1[kind == PayrollKind::Salary ? Form9::SalaryPosting : Form9::BonusPosting]->click();
    }
    void expectQuestion(PayrollKind kind, ui::Answer answer)
    {
        dialogs->expectMessage(TextsOf(kind).question, answer).withTitle(TextsOf(kind).questionTitle);
    }

    periodfile::testing::TempDir dir;
};

TEST_F(PayrollWindowTest, AnsweringNoChangesNothing)
{
    const int lines = form->List2->count();
    expectQuestion(PayrollKind::Salary, ui::Answer::No);
    click(PayrollKind::Salary);
    EXPECT_EQ(form->List2->count(), lines);
    EXPECT_EQ(PayrollButtons::of(*form).run().PayrollDb, nullptr);
}

TEST_F(PayrollWindowTest, TheSalaryRunIsListedAndASecondRunIsRefused)
{
    const int lines = form->List2->count();
    expectQuestion(PayrollKind::Salary, ui::Answer::Yes);
    click(PayrollKind::Salary);
    EXPECT_EQ(form->List2->count(), lines + 132);
    EXPECT_NE(PayrollButtons::of(*form).run().PayrollDb, nullptr);

    expectQuestion(PayrollKind::Salary, ui::Answer::Yes);
    dialogs->expectMessage("給与の仕訳が既に登録されています", ui::Answer::Ok).withoutTitle();
    click(PayrollKind::Salary);
    EXPECT_EQ(form->List2->count(), lines + 132);
    EXPECT_EQ(dialogs->beepCount(), 1);
}

TEST_F(PayrollWindowTest, AMissingPathFileIsReportedBeforeAnythingIsPosted)
{
    std::filesystem::remove(dir.path() / "wjDBPath.txt");
    const int lines = form->List2->count();
    expectQuestion(PayrollKind::Bonus, ui::Answer::Yes);
    dialogs->expectAnyMessage(ui::Answer::Ok).withoutTitle();
    click(PayrollKind::Bonus);
    EXPECT_EQ(form->List2->count(), lines);
    EXPECT_NE(dialogs->messageTexts().back().find("wjDBPath.txt"), std::string::npos);
}

}  // namespace
