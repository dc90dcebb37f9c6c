// The month-end button driven through the journal-entry window, offscreen.

#include "journal/MonthEndButton.h"
#include "journal/MonthEndTax.h"

#include "Form9WindowFixture.h"
#include "support/TempPeriodFile.h"

using namespace journal;

namespace {

const char* const kQuestion = "月別の「仕入」、「売上」消費税（内税）を集計して仕訳を作成します　よろしいですか？";
const char* const kTitle = "月末の消費税仕訳登録（内税）";

class MonthEndWindowTest : public journal::testing::Form9WindowTest {
protected:
    void beforeLoad() override
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        db->Execute("UPDATE 会計設定 SET 処理方法 = '2', 端数処理 = '1'");
        db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 借方コード, 入金, 貸方コード, 出金)"
                    " VALUES ('2024-05-10', '240510000001', 1, '411', 11000, '201', 11000)");
        o::DbFilePath = file.path();
    }
    void click() { form->Command1[Form9::MonthEndTaxPosting]->click(); }

    testsupport::TempPeriodFile file;
};

TEST_F(MonthEndWindowTest, PostsTheMonthsTaxAndListsItOnce)
{
    EXPECT_TRUE(form->Command1[Form9::MonthEndTaxPosting]->isVisibleTo(form.get()));
    dialogs->expectMessage(kQuestion, ui::Answer::Yes).withTitle(kTitle);
    click();
    ASSERT_EQ(form->List2->count(), 2);
    EXPECT_EQ(form->listVoucherNumbers()[1], "2024/05/310001");

    dialogs->expectMessage(kQuestion, ui::Answer::Yes).withTitle(kTitle);
    dialogs->expectMessage(kMonthEndAlreadyPosted, ui::Answer::Ok).withoutTitle();
    click();
    EXPECT_EQ(form->List2->count(), 2);
}

TEST_F(MonthEndWindowTest, AnsweringNoPostsNothing)
{
    dialogs->expectMessage(kQuestion, ui::Answer::No).withTitle(kTitle);
    click();
    EXPECT_EQ(form->List2->count(), 1);
}

}  // namespace
