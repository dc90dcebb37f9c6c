// The print button driven through the journal-entry window, on the recording printer.

#include "journal/JournalPrintoutButton.h"

#include "Form9WindowFixture.h"
#include "support/TempPeriodFile.h"
#include "journal/JournalPrintout.h"
#include "platform/printing/RecordingPrinter.h"

using namespace journal;

namespace {

class JournalPrintoutWindowTest : public journal::testing::Form9WindowTest {
protected:
    void beforeLoad() override
    {
        auto db = dao::DBEngine::instance().Workspaces(0)->OpenDatabase(file.path());
        db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                    " VALUES ('2024-05-10', '240510000001', 1, '文具', '517', 1100, '100', 1100)");
        o::DbFilePath = file.path();
        printer = &printing::installRecordingPrinter();
    }

    testsupport::TempPeriodFile file;
    printing::RecordingPrinter* printer = nullptr;
};

TEST_F(JournalPrintoutWindowTest, PrintsAfterTheQuestionAndLeavesTheGridAlone)
{
    dialogs->expectMessage(kJournalPrintQuestion, ui::Answer::Yes).withTitle(kJournalPrintQuestionTitle);
    const dao::Date entryDate = form->EntryDate;
    form->Command1[Form9::Print]->click();
    ASSERT_EQ(printer->documentCount(), 1);
    const auto texts = printer->texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].rfind("【テスト商事】 会計 仕訳帳  ", 0), 0u) << texts[0];
    EXPECT_NE(texts[1].find("文具"), std::string::npos);
    EXPECT_EQ(form->EntryDate, entryDate);
    EXPECT_EQ(form->List2->count(), 1);
}

TEST_F(JournalPrintoutWindowTest, AnsweringNoPrintsNothing)
{
    dialogs->expectMessage(kJournalPrintQuestion, ui::Answer::No).withTitle(kJournalPrintQuestionTitle);
    form->Command1[Form9::Print]->click();
    EXPECT_EQ(printer->endDocCount(), 0);
}

}  // namespace
