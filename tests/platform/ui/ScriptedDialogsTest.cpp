#include "platform/ui/ScriptedDialogs.h"
#include "support/CaseName.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ui::Answer;
using ui::Buttons;
using ui::DialogKind;

class Scripted : public ::testing::Test {
protected:
    void SetUp() override
    {
        d.setFailureHandler([this](const std::string& report) { failures.push_back(report); });
    }

    ui::ScriptedDialogs& d = ui::installScriptedDialogs();
    std::vector<std::string> failures;
};

TEST_F(Scripted, AnswersTheExpectedDialogsInOrderAndRecordsThem)
{
    d.expectMessage("選択された仕訳を削除します　よろしいですか？", Answer::Yes).withTitle("仕訳入力");
    d.expectMessage("勘定科目コードが登録されていません", Answer::Ok).withoutTitle().withButtons(Buttons::Ok);
    d.expectAnyMessage(Answer::Cancel);

    EXPECT_EQ(ui::dialogs().messageBox("選択された仕訳を削除します　よろしいですか？", Buttons::YesNo, "仕訳入力"),
              Answer::Yes);
    ui::dialogs().beep();
    EXPECT_EQ(ui::dialogs().messageBox("勘定科目コードが登録されていません", Buttons::Ok), Answer::Ok);
    EXPECT_EQ(ui::dialogs().messageBox("ＣＳＶ用ファイルを作成しました", Buttons::OkCancel, "ＣＳＶファイル作成"),
              Answer::Cancel);

    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(d.pendingExpectations(), 0u);
    ASSERT_EQ(d.calls().size(), 3u);
    EXPECT_EQ(d.calls()[0].titleText(), "仕訳入力");
    EXPECT_EQ(d.calls()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(d.calls()[1].titleText(), "no title");
    EXPECT_EQ(d.calls()[2].buttons, Buttons::OkCancel);
    EXPECT_EQ(d.beepCount(), 1);
    EXPECT_EQ(d.messageTexts().back(), "ＣＳＶ用ファイルを作成しました");
}

// A dialog that differs from the script is reported and given the safe answer.
struct MismatchCase {
    const char* name;
    std::optional<std::string> expectedText;   // nullopt: nothing queued
    std::optional<std::string> expectedTitle;  // "" stands for "no title"
    Answer scripted;
    Buttons shown;
    std::optional<std::string> shownTitle;
    Answer safe;
    const char* reportMentions;
};
void PrintTo(const MismatchCase& c, std::ostream* os)
{
    *os << c.name;
}

class ScriptedMismatch : public Scripted, public ::testing::WithParamInterface<MismatchCase> {};

TEST_P(ScriptedMismatch, IsReportedAndAnsweredSafely)
{
    const MismatchCase& c = GetParam();
    if (c.expectedText) {
        auto& e = d.expectMessage(*c.expectedText, c.scripted);
        if (c.expectedTitle) {
            if (c.expectedTitle->empty())
                e.withoutTitle();
            else
                e.withTitle(*c.expectedTitle);
        }
    }
    EXPECT_EQ(ui::dialogs().messageBox("印刷します", c.shown, c.shownTitle), c.safe);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find(c.reportMentions), std::string::npos) << failures[0];
    EXPECT_FALSE(d.calls().back().expected);
    EXPECT_EQ(d.pendingExpectations(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptedMismatch,
    ::testing::Values(MismatchCase{"NothingExpected", std::nullopt, std::nullopt, Answer::Yes, Buttons::YesNo, "仕訳帳",
                                   Answer::No, "no dialog was expected"},
                      MismatchCase{"OtherText", std::string("削除します"), std::nullopt, Answer::Yes, Buttons::YesNo,
                                   "仕訳帳", Answer::No, "削除します"},
                      MismatchCase{"TitleWhereNoneExpected", std::string("印刷します"), std::string(""), Answer::Ok,
                                   Buttons::OkCancel, "仕訳帳", Answer::Cancel, "no title"},
                      MismatchCase{"OtherTitle", std::string("印刷します"), std::string("総勘定元帳"), Answer::Yes,
                                   Buttons::YesNo, "仕訳帳", Answer::No, "総勘定元帳"},
                      MismatchCase{"AnswerNotAButtonOfTheBox", std::string("印刷します"), std::nullopt, Answer::Yes,
                                   Buttons::OkCancel, std::nullopt, Answer::Cancel, "not a button"}),
    testsupport::kCaseName);

TEST_F(Scripted, ADialogOfAnotherKindLeavesTheExpectationWaiting)
{
    d.expectFileChosen("/data/会社第3期.mdb");
    EXPECT_EQ(ui::dialogs().messageBox("終了しました", Buttons::Ok), Answer::Ok);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("file-open dialog"), std::string::npos) << failures[0];
    EXPECT_EQ(d.pendingExpectations(), 1u);
    EXPECT_EQ(ui::dialogs().openFile({}).path, "/data/会社第3期.mdb");
}

TEST_F(Scripted, FileDialogAnswersChosenCancelledOrFailedAndKeepsTheRequest)
{
    d.expectFileChosen("/data/会社第3期.mdb").withTitle("Microsoft Access データベース設定");
    d.expectFileCancelled();
    d.expectFileFailed();

    ui::FileOpenRequest request;
    request.filter = "Microsoft Access MDB (*.mdb)|*.mdb|すべてのﾌｧｲﾙ (*.*)|*.*";
    request.title = "Microsoft Access データベース設定";
    request.fileName = "会社第2期.mdb";
    const auto chosen = ui::dialogs().openFile(request);
    const auto cancelled = ui::dialogs().openFile(request);
    const auto failed = ui::dialogs().openFile(request);
    const auto unexpected = ui::dialogs().openFile(request);

    using Status = ui::FileOpenResult::Status;
    EXPECT_EQ(chosen.status, Status::Chosen);
    EXPECT_EQ(chosen.path, "/data/会社第3期.mdb");
    EXPECT_EQ(cancelled.status, Status::Cancelled);
    EXPECT_EQ(failed.status, Status::Failed);
    EXPECT_EQ(unexpected.status, Status::Cancelled);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(d.calls()[0].request.fileName, "会社第2期.mdb");
    EXPECT_EQ(d.calls()[0].request.filter, request.filter);
    EXPECT_EQ(d.calls()[0].titleText(), "Microsoft Access データベース設定");
}

TEST_F(Scripted, PrinterSetupAnswersAsScriptedAndCancelsWhenUnexpected)
{
    const auto toFile = [](const QString& name) {
        return [name](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(name);
        };
    };
    QPrinter printer;
    d.expectPrinterSetup(true, toFile("/tmp/chosen.pdf"));
    d.expectPrinterSetup(false, toFile("/tmp/cancelled.pdf"));
    EXPECT_TRUE(ui::dialogs().printerSetup(printer));
    EXPECT_EQ(printer.outputFileName(), "/tmp/chosen.pdf");
    EXPECT_FALSE(ui::dialogs().printerSetup(printer));
    EXPECT_EQ(printer.outputFileName(), "/tmp/chosen.pdf");  // a cancelled dialog changes nothing
    EXPECT_TRUE(failures.empty());
    EXPECT_FALSE(ui::dialogs().printerSetup(printer));
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_EQ(d.calls().size(), 3u);
}

TEST_F(Scripted, DialogsNeverShownAreReportedOnVerify)
{
    d.expectMessage("年次更新処理は終了しました", Answer::Ok);
    d.verifyAllAnswered();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("年次更新処理は終了しました"), std::string::npos);
    EXPECT_EQ(d.pendingExpectations(), 0u);
}

TEST_F(Scripted, KeysAreRecorded)
{
    ui::dialogs().sendKeys("{TAB}");
    EXPECT_EQ(d.sentKeys(), std::vector<std::string>{"{TAB}"});
}

TEST(ScriptedDefault, AnUnexpectedDialogStopsTheTestWithTheReport)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            ui::ScriptedDialogs d;
            d.messageBox("予期しない確認", Buttons::YesNo, "仕訳入力");
        },
        "no dialog was expected");
}

}  // namespace
