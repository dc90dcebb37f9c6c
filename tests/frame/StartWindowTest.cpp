// The start window: finding the period file through "QVDBPATH.txt" or the
// database-file dialog, and the list of the period files of the data folder.
#include "FrameFixture.h"

#include "common/FitByteWidth.h"
#include "common/PrintRoutines.h"
#include "common/o.h"
#include "frame/Form1.h"
#include "frame/WindowRegistry.h"
#include "platform/dao/Engine.h"
#include "platform/printing/Printer.h"
#include "platform/printing/RecordingPrinter.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <chrono>
#include <memory>

#include <sqlite3.h>

namespace frametest {
namespace {

class StartWindowTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        registerWindows(false);
        first = makePeriodFile(dataDir, "甲商事第1期.mdb", "甲商事", 1, "2024-04-01", "2025-03-31");
        second = makePeriodFile(dataDir, "甲商事第2期.mdb", "甲商事", 2, "2025-04-01", "2026-03-31");
        other = makePeriodFile(dataDir, "乙工業第12期.mdb", "乙工業株式会社", 12, "2024-01-01", "2024-12-31");
    }

    std::unique_ptr<frame::Form1> start() { return std::make_unique<frame::Form1>(startDir.string()); }

    static std::vector<std::string> lines(const frame::Form1& form)
    {
        std::vector<std::string> result;
        for (int i = 0; i < form.List1()->count(); ++i)
            result.push_back(s(form.List1()->item(i)->text()));
        return result;
    }

    static std::string selectedLine(const frame::Form1& form)
    {
        const auto selected = form.List1()->selectedItems();
        return selected.isEmpty() ? std::string() : s(selected.front()->text());
    }

    static bool lineNames(const std::string& line, const std::string& fileName)
    {
        return line.find(fileName) != std::string::npos;
    }

    std::string first, second, other;
};

TEST_F(StartWindowTest, WithoutSavedPathTheDialogOpensAndTheChosenFileIsSavedListedAndSelected)
{
    dialogs->expectFileChosen(second);
    auto form = start();

    ASSERT_EQ(dialogs->calls().size(), 1u);
    const ui::FileOpenRequest& request = dialogs->calls()[0].request;
    EXPECT_EQ(request.title, "データベース設定");
    EXPECT_EQ(request.filter, "期ファイル (*.mdb)|*.mdb|すべてのﾌｧｲﾙ (*.*)|*.*");
    EXPECT_EQ(request.fileName, "");
    EXPECT_TRUE(request.fileMustExist);

    EXPECT_EQ(readSavedPathFile(), second + "\r\n");
    EXPECT_EQ(s(form->windowTitle()), "Velmora");
    EXPECT_EQ(o::StartDir, startDir.string());
    EXPECT_EQ(o::SavedDbPath, second);
    EXPECT_EQ(o::DataFolder, dataDir.string());
    EXPECT_EQ(o::DbFileName, "甲商事第2期.mdb");
    EXPECT_EQ(o::DbFilePath, second);
    EXPECT_EQ(form->ListedFileCount(), 3);
    EXPECT_EQ(form->List1()->count(), 3);
    EXPECT_TRUE(lineNames(selectedLine(*form), "甲商事第2期.mdb"));
}

TEST_F(StartWindowTest, ASavedPathToAnExistingFileOpensNoDialog)
{
    writeSavedPathFile(first + "\r\n");
    auto form = start();
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(o::PathFileName, "甲商事第1期.mdb");
    EXPECT_EQ(form->List1()->count(), 3);
    EXPECT_TRUE(lineNames(selectedLine(*form), "甲商事第1期.mdb"));
}

TEST_F(StartWindowTest, ARelativeSavedPathIsTakenFromTheStartDirectory)
{
    writeSavedPathFile("../会計データ/甲商事第1期.mdb\r\n");
    auto form = start();
    EXPECT_TRUE(dialogs->calls().empty());
    EXPECT_EQ(o::DataFolder, dataDir.string());
    EXPECT_EQ(o::DbFilePath, first);
    EXPECT_EQ(form->List1()->count(), 3);
    EXPECT_TRUE(lineNames(selectedLine(*form), "甲商事第1期.mdb"));
}

TEST_F(StartWindowTest, AStalePathOpensTheDialogWithoutAProposedNameAndKeepsTheFileWhenCancelled)
{
    const std::string stale = (dataDir / "消えた会社第3期.mdb").string();
    writeSavedPathFile(stale + "\r\n");
    dialogs->expectFileCancelled();
    auto form = start();

    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->calls()[0].request.fileName, "");
    EXPECT_EQ(readSavedPathFile(), stale + "\r\n");  // replaced only when a file is chosen
    EXPECT_EQ(form->List1()->count(), 0);
    EXPECT_EQ(o::DbFilePath, "");
}

TEST_F(StartWindowTest, AStalePathIsReplacedWhenAFileIsChosen)
{
    writeSavedPathFile((dataDir / "消えた会社第3期.mdb").string() + "\r\n");
    dialogs->expectFileChosen(other);
    auto form = start();
    EXPECT_EQ(readSavedPathFile(), other + "\r\n");
    EXPECT_TRUE(lineNames(selectedLine(*form), "乙工業第12期.mdb"));
}

TEST_F(StartWindowTest, ACancelledDialogAtTheFirstStartLeavesAnEmptyListAndMenuDoesNothing)
{
    dialogs->expectFileCancelled();
    auto form = start();
    EXPECT_FALSE(savedPathFileExists());
    EXPECT_EQ(form->List1()->count(), 0);
    EXPECT_EQ(form->ListedFileCount(), 0);
    EXPECT_TRUE(form->List1()->selectedItems().isEmpty());

    form->Command2(frame::Form1::Menu)->click();
    EXPECT_EQ(frame::WindowRegistry::instance().window("Form2"), nullptr);
    EXPECT_EQ(o::DbFilePath, "");
}

TEST_F(StartWindowTest, AfterACancelledFirstStartThePictureButtonCanChooseAFileLater)
{
    dialogs->expectFileCancelled();
    auto form = start();
    ASSERT_EQ(form->List1()->count(), 0);

    dialogs->expectFileChosen(second);
    form->Image2(frame::Form1::DatabaseFile)->click();
    EXPECT_EQ(readSavedPathFile(), second + "\r\n");
    EXPECT_EQ(o::DbFilePath, second);
    EXPECT_EQ(form->List1()->count(), 3);
    EXPECT_TRUE(lineNames(selectedLine(*form), "甲商事第2期.mdb"));

    form->Command2(frame::Form1::Menu)->click();
    EXPECT_NE(frame::WindowRegistry::instance().window("Form2"), nullptr);
}

TEST_F(StartWindowTest, AFailedDialogAtStartLeavesAnEmptyList)
{
    dialogs->expectFileFailed();
    auto form = start();
    EXPECT_EQ(form->List1()->count(), 0);
    EXPECT_FALSE(savedPathFileExists());
}

TEST_F(StartWindowTest, AnotherFolderChosenWithThePictureButtonIsSavedAndListed)
{
    writeSavedPathFile(first + "\r\n");
    auto form = start();
    const auto otherDir = root / "別の会社";
    const std::string moved = makePeriodFile(otherDir, "丙商店第5期.mdb", "丙商店", 5, "2023-10-01", "2024-09-30");

    dialogs->expectFileChosen(moved);
    form->Image2(frame::Form1::DatabaseFile)->click();

    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->calls()[0].request.fileName, "甲商事第1期.mdb");  // the name of the saved file proposed
    EXPECT_EQ(readSavedPathFile(), moved + "\r\n");
    EXPECT_EQ(o::DataFolder, otherDir.string());
    EXPECT_EQ(o::DbFilePath, moved);
    EXPECT_EQ(o::DbFileName, "丙商店第5期.mdb");
    ASSERT_EQ(form->List1()->count(), 1);
    EXPECT_TRUE(lineNames(selectedLine(*form), "丙商店第5期.mdb"));
}

TEST_F(StartWindowTest, ACancelledPictureButtonDialogListsTheSavedFolderAgain)
{
    writeSavedPathFile(first + "\r\n");
    auto form = start();
    makePeriodFile(dataDir, "丁第1期.mdb", "丁", 1, "2024-04-01", "2025-03-31");

    dialogs->expectFileCancelled();
    form->Image2(frame::Form1::DatabaseFile)->click();
    EXPECT_EQ(readSavedPathFile(), first + "\r\n");
    EXPECT_EQ(form->List1()->count(), 4);
    EXPECT_TRUE(lineNames(selectedLine(*form), "甲商事第1期.mdb"));
}

TEST_F(StartWindowTest, ThePrinterPictureButtonShowsThePrinterSetUp)
{
    writeSavedPathFile(first);
    auto form = start();
    printing::RecordingPrinter& before = printing::installRecordingPrinter();
    dialogs->expectPrinterSetup(false);
    form->Image2(frame::Form1::PrinterSetup)->click();
    EXPECT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(&printing::printer(), &before);  // cancelled: the printer stays
}

// What the printer set-up chooses (here a PDF file) is where later print runs
// go, and the next set-up shows that choice.
TEST_F(StartWindowTest, ThePrinterChosenInTheSetUpIsTheOneLaterRunsPrintOn)
{
    writeSavedPathFile(first);
    auto form = start();
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("選んだ印刷.pdf"));
    dialogs->expectPrinterSetup(true, [pdf](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
    });
    form->Image2(frame::Form1::PrinterSetup)->click();

    printing::PrinterDevice& device = printing::printer();
    o::PreparePrinter(device, 9, 0, 0, "ＭＳ ゴシック", 9);
    device.printAtColumn(10, "選んだプリンタに印刷");
    device.endDoc();
    EXPECT_TRUE(QFileInfo(pdf).size() > 0) << pdf.toStdString();

    QString shown;
    dialogs->expectPrinterSetup(false, nullptr);
    dialogs->expectPrinterSetup(true, [&shown](QPrinter& p) { shown = p.outputFileName(); });
    form->Image2(frame::Form1::PrinterSetup)->click();  // cancelled
    form->Image2(frame::Form1::PrinterSetup)->click();
    EXPECT_EQ(shown, pdf);
    EXPECT_EQ(&printing::printer(), &device);
    printing::installRecordingPrinter();
}

TEST_F(StartWindowTest, ListsOnlyPeriodFilesAndLaysOutEachLineInFixedByteWidths)
{
    makePeriodFile(dataDir, "法定ﾏｽﾀｰ第1期.mdb", "法定", 1, "2024-04-01", "2025-03-31");
    makePeriodFile(dataDir, "大文字第1期.MDB", "大文字", 1, "2024-04-01", "2025-03-31");
    makePeriodFile(dataDir, "控え.mdb", "控え", 1, "2024-04-01", "2025-03-31");
    makeGarbageFile(dataDir, "メモ.txt");
    writeSavedPathFile(first);
    auto form = start();

    const std::vector<std::string> listed = lines(*form);
    ASSERT_EQ(listed.size(), 3u);
    const std::string expectedFirst = "甲商事" + std::string(34, ' ') + "第 1期  " + "2024/04/01" + "～" + "2025/03/31 "
        + "甲商事第1期.mdb" + std::string(25, ' ');
    EXPECT_NE(std::find(listed.begin(), listed.end(), expectedFirst), listed.end());
    const std::string expectedOther = "乙工業株式会社" + std::string(26, ' ') + "第 12期 " + "2024/01/01" + "～"
        + "2024/12/31 " + "乙工業第12期.mdb" + std::string(24, ' ');
    EXPECT_NE(std::find(listed.begin(), listed.end(), expectedOther), listed.end());
    for (const std::string& line : listed)
        EXPECT_EQ(o::ShiftJisByteWidth(line), 111) << line;
    for (int i = 0; i < form->ListedFileCount(); ++i)
        EXPECT_TRUE(lineNames(listed[i], form->FileList()[i])) << i;
}

TEST_F(StartWindowTest, ALongCompanyNameIsCutAtFortyBytesWithoutSplittingACharacter)
{
    const std::string longName = "a" + std::string("株式会社長い長い長い長い長い名前の会社です");  // 1 + 42 bytes
    makePeriodFile(dataDir, "長い第1期.mdb", longName, 1, "2024-04-01", "2025-03-31");
    writeSavedPathFile(first);
    auto form = start();
    bool found = false;
    for (const std::string& line : lines(*form)) {
        if (!lineNames(line, "長い第1期.mdb"))
            continue;
        found = true;
        EXPECT_EQ(line.rfind("a株式会社長い長い長い長い長い名前の会社 第 1期", 0), 0u) << line;  // 39 bytes and a blank
    }
    EXPECT_TRUE(found);
}

TEST_F(StartWindowTest, AnUnreadableFileShowsAMarkedLineAndTheListingGoesOn)
{
    // Names sorted: 乙…, 壊れた…, 空の…, 甲… — the bad ones sit between good ones.
    makeGarbageFile(dataDir, "壊れた第1期.mdb");
    const std::string noSettings = makePeriodFile(dataDir, "空の第1期.mdb", "空", 1, "2024-04-01", "2025-03-31");
    execSql(noSettings, "DROP TABLE 会計設定;");
    const std::string noRow = makePeriodFile(dataDir, "行なし第1期.mdb", "行なし", 1, "2024-04-01", "2025-03-31");
    execSql(noRow, "DELETE FROM 会計設定;");
    writeSavedPathFile(first);
    auto form = start();

    const std::vector<std::string> listed = lines(*form);
    ASSERT_EQ(listed.size(), 6u);
    int marked = 0;
    for (const std::string& line : listed) {
        const bool bad = lineNames(line, "壊れた第1期.mdb") || lineNames(line, "空の第1期.mdb")
            || lineNames(line, "行なし第1期.mdb");
        EXPECT_EQ(line.find("読み込めません") != std::string::npos, bad) << line;
        marked += bad;
    }
    EXPECT_EQ(marked, 3);
    EXPECT_TRUE(lineNames(selectedLine(*form), "甲商事第1期.mdb"));
}

TEST_F(StartWindowTest, NullFieldsLeaveTheirPlacesBlank)
{
    const std::string nulls = makePeriodFile(dataDir, "空欄第1期.mdb", "x", 1, "2024-04-01", "2025-03-31");
    execSql(nulls,
            "UPDATE 会計設定 SET 事業所名 = NULL, 会計年度 = NULL, 会計期間開始日 = NULL,"
            " 会計期間終了日 = NULL;");
    writeSavedPathFile(first);
    auto form = start();
    bool found = false;
    for (const std::string& line : lines(*form)) {
        if (!lineNames(line, "空欄第1期.mdb"))
            continue;
        found = true;
        EXPECT_EQ(line,
                  std::string(40 + 8 + 10, ' ') + "～" + std::string(11, ' ') + "空欄第1期.mdb" + std::string(27, ' '));
    }
    EXPECT_TRUE(found);
}

TEST_F(StartWindowTest, ASavedFileThatIsNotAPeriodFileSelectsTheFirstLine)
{
    const std::string odd = makePeriodFile(dataDir, "控え.mdb", "控え", 1, "2024-04-01", "2025-03-31");
    writeSavedPathFile(odd);
    auto form = start();
    EXPECT_EQ(form->List1()->count(), 3);
    EXPECT_EQ(form->List1()->currentRow(), 0);
    EXPECT_EQ(o::DbFileName, "控え.mdb");
}

TEST_F(StartWindowTest, TheListingLeavesTheCurrentPeriodFileAsItIs)
{
    // The saved file sorts first; the listing opens every other file after it.
    writeSavedPathFile(other);
    auto form = start();
    EXPECT_EQ(form->List1()->count(), 3);
    EXPECT_EQ(o::DbFilePath, other);
    EXPECT_EQ(o::DbFileName, "乙工業第12期.mdb");

    dialogs->expectFileCancelled();
    form->Image2(frame::Form1::DatabaseFile)->click();  // lists again
    EXPECT_EQ(o::DbFilePath, other);

    // A window opened now works on the current company's file.
    QWidget* rollover = frame::WindowRegistry::instance().show("Form37");
    ASSERT_NE(rollover, nullptr);
    EXPECT_EQ(s(rollover->windowTitle()), "乙工業株式会社 第12期　会計 年次更新");
}

TEST_F(StartWindowTest, AtMostOneHundredFilesAreListed)
{
    for (int i = 0; i < 102; ++i)
        std::filesystem::copy_file(first, dataDir / ("多数" + std::to_string(1000 + i) + "第1期.mdb"));
    writeSavedPathFile(first);
    auto form = start();
    EXPECT_EQ(form->ListedFileCount(), 100);
    EXPECT_EQ(form->List1()->count(), 100);
}

TEST_F(StartWindowTest, EndClosesTheStartWindow)
{
    writeSavedPathFile(first);
    auto form = start();
    form->show();
    form->Command2(frame::Form1::Quit)->click();
    EXPECT_FALSE(form->isVisible());
}

// A file another program holds (here in the middle of writing it, with the
// exclusive lock) is listed as in use, not as unreadable, and the listing does
// not wait the seconds a write would wait for it.
TEST_F(StartWindowTest, AFileAnotherProgramHoldsIsListedAsInUseWithoutALongWait)
{
    dao::DBEngine::instance().setBusyWait(std::chrono::seconds(20));
    std::vector<sqlite3*> holders;
    for (const std::string& held : {second, other}) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(held.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        holders.push_back(db);
    }
    writeSavedPathFile(first);
    const auto began = std::chrono::steady_clock::now();
    auto form = start();
    const auto took = std::chrono::steady_clock::now() - began;
    for (sqlite3* db : holders)
        sqlite3_close_v2(db);
    dao::DBEngine::instance().setBusyWait(dao::DBEngine::kDefaultBusyWait);

    const std::vector<std::string> listed = lines(*form);
    ASSERT_EQ(listed.size(), 3u);
    for (const std::string& line : listed) {
        const bool held = lineNames(line, "甲商事第2期.mdb") || lineNames(line, "乙工業第12期.mdb");
        EXPECT_EQ(line.find("他のプログラムが使用中です") != std::string::npos, held) << line;
        EXPECT_EQ(line.find("読み込めません"), std::string::npos) << line;
        EXPECT_EQ(o::ShiftJisByteWidth(line), 111) << line;
    }
    EXPECT_LT(took, std::chrono::seconds(10));
    // Released, the files are listed as usual.
    form->ListDatabaseFiles();
    for (const std::string& line : lines(*form))
        EXPECT_EQ(line.find("×"), std::string::npos) << line;
}

}  // namespace
}  // namespace frametest
