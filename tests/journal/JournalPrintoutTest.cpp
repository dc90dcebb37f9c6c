// The printed journal on the recording printer, and once as a PDF read back
// with pdftotext.

#include "journal/JournalPrintout.h"

#include "support/TempPeriodFile.h"
#include "common/FitByteWidth.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/RecordingPrinter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "support/SheetChecks.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace journal;
using testsupport::TempPeriodFile;

namespace {

const dao::Date kPrintedAt{2024, 6, 1, 10, 20, 0};  // a Saturday
const std::string kHeader = "【テスト商事】 会計 仕訳帳     2024/06/01(土) 10:20    ページ ";

class JournalPrintoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        workspace = dao::DBEngine::instance().Workspaces(0);
        db = workspace->OpenDatabase(file.path());
    }

    // `vouchers` vouchers of three rows each, three vouchers a day from 1 May 2024;
    // the second voucher is a closing entry and its first row goes to a bank.
    void addVouchers(int vouchers)
    {
        for (int v = 0; v < vouchers; ++v) {
            const std::string date = "2024-05-" + std::string(v / 3 < 9 ? "0" : "") + std::to_string(v / 3 + 1);
            for (int row = 1; row <= 3; ++row)
                db->Execute(
                    "INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 取引先, 借方コード, 入金, 貸方コード, 出金,"
                    " 銀行コード, 支店コード, 決算仕訳) VALUES (?, ?, ?, ?, '山田商店', '100', ?, '400', ?, ?, ?, ?)",
                    {date, "2405010000" + std::to_string(10 + v), row, "売上" + std::to_string(v + 1), 1000 * row,
                     1000 * row, v == 1 && row == 1 ? "0001" : "", v == 1 && row == 1 ? "0001203" : "",
                     v == 1 ? 1 : 0});
        }
    }

    std::unique_ptr<dao::Recordset> journal() { return db->OpenRecordset("Q_仕訳台帳", dao::RecordsetType::Dynaset); }

    // The journal printed into a PDF file and read back with pdftotext.
    void printedPdfText(QString& text)
    {
        const std::string path = (file.dir() / "仕訳帳.pdf").string();
        {
            printing::PdfPrinter pdf(path);
            auto rs = journal();
            PrintJournalRun(pdf, *rs, dao::Value("テスト商事"), kPrintedAt);
        }
        QProcess process;
        process.start("pdftotext", {"-layout", QString::fromStdString(path), "-"});
        ASSERT_TRUE(process.waitForFinished(30000));
        text = QString::fromUtf8(process.readAllStandardOutput());
    }

    // The texts printed at a column on each page.
    static std::vector<std::vector<const printing::PrintEvent*>> textsAt(const printing::RecordingPrinter& printer,
                                                                         int column)
    {
        std::vector<std::vector<const printing::PrintEvent*>> pages;
        for (const printing::PrintEvent& e : printer.events()) {
            if (e.kind != printing::PrintEvent::Kind::Text || e.column != column)
                continue;
            if (static_cast<int>(pages.size()) < e.page)
                pages.resize(e.page);
            pages[e.page - 1].push_back(&e);
        }
        return pages;
    }

    TempPeriodFile file;
    std::shared_ptr<dao::Workspace> workspace;
    std::shared_ptr<dao::Database> db;
};

// 14 vouchers of three rows: 39 rows (78 lines and the three-line header block)
// fill the first page, the other three go on the second.
TEST_F(JournalPrintoutTest, PagesHoldThirtyNineRowsUnderAHeaderWithThePageNumber)
{
    addVouchers(14);
    printing::RecordingPrinter printer;
    auto rs = journal();
    PrintJournalRun(printer, *rs, dao::Value("テスト商事"), kPrintedAt);

    EXPECT_EQ(printer.documentCount(), 1);
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_TRUE(support::everySheetIsAPageWithItsHeader(printer, "会計 仕訳帳"));
    const auto firstLines = textsAt(printer, 10);
    const auto secondLines = textsAt(printer, 68);
    ASSERT_EQ(firstLines.size(), 2u);
    ASSERT_EQ(secondLines.size(), 2u);
    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page + 1);
        EXPECT_EQ(firstLines[page].front()->text, kHeader + " " + std::to_string(page + 1) + " ");
        const std::size_t rows = page == 0 ? 39 : 3;
        EXPECT_EQ(firstLines[page].size(), 1 + rows);
        EXPECT_EQ(secondLines[page].size(), rows);
    }

    // The first page starts one line feed lower than the next; body lines are
    // one text height apart.
    const double lineFeed = 1.3 * 9;
    EXPECT_DOUBLE_EQ(firstLines[0].front()->y, 2 * lineFeed);
    EXPECT_DOUBLE_EQ(firstLines[1].front()->y, lineFeed);
    EXPECT_DOUBLE_EQ(secondLines[0][0]->y - firstLines[0][1]->y, 9);
    EXPECT_DOUBLE_EQ(firstLines[0][2]->y - secondLines[0][0]->y, 9);
}

TEST_F(JournalPrintoutTest, RowsShowTheirDateOnceAndClosingEntriesAreMarked)
{
    addVouchers(4);
    printing::RecordingPrinter printer;
    auto rs = journal();
    PrintJournalRun(printer, *rs, dao::Value("テスト商事"), kPrintedAt);
    const auto lines = textsAt(printer, 10);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 13u);
    const auto row = [&](int i) { return lines[0][i + 1]->text; };

    EXPECT_EQ(row(0),
              "24/05/01(水) 1 " + o::FitByteWidth("売上1", 25) + " " + o::FitByteWidth("山田商店", 16) + " "
                  + o::FitByteWidth("現金", 14) + "   " + "     1,000 " + o::FitByteWidth("売上高", 14) + "   "
                  + "     1,000");
    EXPECT_EQ(row(1).substr(0, 13), std::string(12, ' ') + " ");       // same day: no date
    EXPECT_EQ(row(3).substr(0, 13), std::string(12, ' ') + "*");       // the closing voucher
    EXPECT_EQ(row(9).rfind("24/05/02(木) 1 売上4", 0), 0u) << row(9);  // the next day
    // The second line carries bank and branch, or 31 blanks.
    const auto banks = textsAt(printer, 68);
    EXPECT_EQ(banks[0][0]->text, std::string(31, ' '));
    EXPECT_NE(banks[0][3]->text, std::string(31, ' '));
    EXPECT_EQ(o::ShiftJisByteWidth(banks[0][3]->text), 31);
}

// A row without a date prints none and leaves the date printed last as it was:
// the row after it, of that same date, prints no date either.
TEST_F(JournalPrintoutTest, ARowWithoutADateKeepsTheDatePrintedLast)
{
    const char* const rows[][2] = {{"2024-05-01", "1"}, {nullptr, "2"}, {"2024-05-01", "3"}, {"2024-05-02", "4"}};
    for (const auto& [date, number] : rows)
        db->Execute("INSERT INTO 仕訳台帳 (日付, 伝票番号, 追番, 摘要, 借方コード, 入金, 貸方コード, 出金)"
                    " VALUES (?, ?, 1, '行', '100', 1, '400', 1)",
                    {date ? dao::Value(date) : dao::Value(), std::string(number)});
    printing::RecordingPrinter printer;
    auto rs = db->OpenRecordset("SELECT * FROM Q_仕訳台帳 ORDER BY 伝票番号", dao::RecordsetType::Dynaset);
    PrintJournalRun(printer, *rs, dao::Value("テスト商事"), kPrintedAt);
    const auto lines = textsAt(printer, 10);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 5u);
    const std::string noDate(13, ' ');  // the date field and the blank mark
    const std::string starts[] = {"24/05/01(水) 1 ", noDate + "1 ", noDate + "1 ", "24/05/02(木) 1 "};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(lines[0][i + 1]->text.rfind(starts[i], 0), 0u) << lines[0][i + 1]->text;
}

TEST(JournalPrintLineTest, ARowNumberOfTwoDigitsWidensTheLineByOneByte)
{
    JournalRecord row;
    row.description = "摘要";
    row.debit = 500;
    row.credit = 500;
    row.rowNumber = 1;
    EXPECT_EQ(o::ShiftJisByteWidth(JournalPrintFirstLine(row, std::string(12, ' '))), 113);
    row.rowNumber = 10;
    EXPECT_EQ(o::ShiftJisByteWidth(JournalPrintFirstLine(row, std::string(12, ' '))), 114);
}

TEST_F(JournalPrintoutTest, AnEmptyJournalPrintsNothingButEndsTheRun)
{
    printing::RecordingPrinter printer;
    auto rs = journal();
    PrintJournalRun(printer, *rs, dao::Value("テスト商事"), kPrintedAt);
    EXPECT_EQ(printer.documentCount(), 0);
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_TRUE(printer.texts().empty());
}

TEST_F(JournalPrintoutTest, APdfShowsTheHeaderLineAndTheRows)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    addVouchers(2);
    QString text;
    ASSERT_NO_FATAL_FAILURE(printedPdfText(text));
    EXPECT_TRUE(text.contains("【テスト商事】 会計 仕訳帳")) << text.toStdString();
    EXPECT_TRUE(text.contains("2024/06/01(土) 10:20")) << text.toStdString();
    EXPECT_TRUE(text.contains("ページ")) << text.toStdString();
    const QStringList lines = text.split('\n');
    const auto firstRow =
        std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.contains("売上1"); });
    ASSERT_NE(firstRow, lines.end()) << text.toStdString();
    EXPECT_TRUE(firstRow->contains("24/05/01(水)"));
    EXPECT_TRUE(firstRow->contains("山田商店"));
    EXPECT_TRUE(firstRow->contains("1,000"));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const QString& l) { return l.contains("売上"); }), 6);
}

// On paper too a page holds the header and 39 rows: 42 rows make two pages.
TEST_F(JournalPrintoutTest, APdfPageHoldsThirtyNineRows)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    addVouchers(14);
    QString text;
    ASSERT_NO_FATAL_FAILURE(printedPdfText(text));
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QRegularExpression("ページ\\s+1"))) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains(QRegularExpression("ページ\\s+2"))) << pages[1].toStdString();
    const QRegularExpression description("売上\\d+");  // not the account 売上高
    EXPECT_EQ(pages[0].count(description), 39);
    EXPECT_EQ(pages[1].count(description), 3);
}

}  // namespace
