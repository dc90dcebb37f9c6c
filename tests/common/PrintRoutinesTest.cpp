// Print-run set-up, centred lines, line spacing and the page-header line, on a
// recording printer with fixed metrics (text height = font size, a half-width
// cell = half the font size).
#include "common/PageHeader.h"
#include "common/PrintRoutines.h"
#include "platform/printing/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace {

class PrintRoutinesTest : public ::testing::Test {
protected:
    void SetUp() override { o::PreparePrinter(device, 9, 0, 0, "ＭＳ ゴシック", 9); }
    printing::RecordingPrinter device;
};

TEST_F(PrintRoutinesTest, PreparePrinterSetsPositionFontAndScaleModeButNotThePaper)
{
    printing::RecordingPrinter other;
    other.setCurrentY(100);
    o::PreparePrinter(other, 13, 5, 7, "ＭＳ 明朝", 9);
    EXPECT_EQ(other.currentX(), 5);
    EXPECT_EQ(other.currentY(), 7);
    EXPECT_EQ(other.fontName(), "ＭＳ 明朝");
    EXPECT_EQ(other.fontSize(), 9);
    EXPECT_EQ(other.scaleMode(), 2);
    EXPECT_TRUE(other.events().empty());  // nothing printed yet
}

TEST_F(PrintRoutinesTest, PrintNewLinesMovesDownByLinePitchesAndBackToTheMargin)
{
    const struct {
        int n;
        double y;
    } cases[] = {{3, 3 * 1.3 * 9}, {1, 1.3 * 9}, {0, 0}, {-2, 0}};
    for (const auto& c : cases) {
        device.setCurrentY(0);
        device.setCurrentX(50);
        o::PrintNewLines(device, c.n);
        EXPECT_NEAR(device.currentY(), c.y, 1e-9) << c.n;
        EXPECT_EQ(device.currentX(), 0) << c.n;
    }
}

TEST_F(PrintRoutinesTest, PrintLineGapAddsThreeTenthsOfATextHeight)
{
    device.setCurrentY(20);
    device.setCurrentX(33);
    o::PrintLineGap(device);
    EXPECT_NEAR(device.currentY(), 20 + 0.3 * 9, 1e-9);
    EXPECT_EQ(device.currentX(), 0);
}

TEST_F(PrintRoutinesTest, PrintCenteredCentresAtTheSizeAndPutsTheSizeBack)
{
    o::PrintCentered(device, 16, "決算報告書");
    ASSERT_EQ(device.events().back().kind, printing::PrintEvent::Kind::Text);
    const printing::PrintEvent& drawn = device.events().back();
    EXPECT_EQ(drawn.fontSize, 16);
    EXPECT_NEAR(drawn.x, device.scaleWidth() / 2 - 5 * 16 / 2.0, 1e-9);  // five double-byte characters
    EXPECT_EQ(device.fontSize(), 9);
    EXPECT_NEAR(device.currentY(), 16, 1e-9);  // the line ended at the text's height
}

TEST_F(PrintRoutinesTest, PrintCenteredOfATextWiderThanThePageStartsLeftOfTheMargin)
{
    const std::string wide(400, 'W');
    o::PrintCentered(device, 16, wide);
    EXPECT_LT(device.events().back().x, 0);
    EXPECT_EQ(device.events().back().text, wide);
}

TEST_F(PrintRoutinesTest, PrintCenteredRestoresAWholeNumberOfPointsHalfToEven)
{
    const struct {
        double before;
        double after;
    } cases[] = {{10.5, 10}, {11.5, 12}, {9.4, 9}};
    for (const auto& c : cases) {
        device.setFontSize(c.before);
        o::PrintCentered(device, 16, "表紙");
        EXPECT_EQ(device.fontSize(), c.after) << c.before;
    }
}

TEST(PageHeaderLine, JoinsCompanyTitleDateAndPage)
{
    const dao::Date at{2024, 4, 1, 9, 5, 0};
    EXPECT_EQ(o::PageHeaderLine(dao::Value("甲商事"), " 会計 仕訳帳  ", at, o::kJournalPageLabel, 1),
              "【甲商事】 会計 仕訳帳     2024/04/01(月) 09:05    ページ  1 ");
    EXPECT_EQ(o::PageHeaderLine(dao::Value(""), " 会計 現金出納帳  ", at, o::kBookPageLabel, 12),
              "【】 会計 現金出納帳     2024/04/01(月) 09:05    ページ   12 ");
    EXPECT_EQ(o::PageHeaderLine(dao::Value(), " 総勘定元帳　現金", at, o::kLedgerPageLabel, 1),
              "【】 総勘定元帳　現金   2024/04/01(月) 09:05    ページ     1 ");
}

TEST(PrintPageHeader, PrintsTheLineAtColumnTen)
{
    printing::RecordingPrinter device;
    o::PrintPageHeader(device, dao::Value("甲"), " 会計 取引銀行  ", dao::Date{2024, 4, 1}, o::kBookPageLabel, 2);
    const printing::PrintEvent& drawn = device.events().back();
    EXPECT_EQ(drawn.column, 10);
    EXPECT_EQ(drawn.text.rfind("【甲】 会計 取引銀行  ", 0), 0u);
}

}  // namespace
