// The printing rules of the device, seen through the recording device (9 pt:
// one print column 4.5 pt, one text height 9 pt).
#include "platform/printing/A4Page.h"
#include "platform/printing/Printer.h"
#include "platform/printing/RecordingPrinter.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using printing::PrintEvent;
using Kind = PrintEvent::Kind;

class PrintRules : public ::testing::Test {
protected:
    printing::RecordingPrinter& p = printing::installRecordingPrinter();

    // One line pitch of the printouts: 1.3 text heights.
    void blankLine()
    {
        p.setCurrentY(p.currentY() + 1.3 * p.textHeight("1"));
        p.setCurrentX(0);
    }

    std::vector<Kind> kinds() const
    {
        std::vector<Kind> result;
        for (const PrintEvent& e : p.events())
            result.push_back(e.kind);
        return result;
    }
};

TEST_F(PrintRules, PagesOfARunReadBackAsPrinted)
{
    for (int page = 1; page <= 2; ++page) {
        blankLine();
        p.printAtColumn(10, "【有限会社テスト】 会計 仕訳帳  ", false);
        p.print("    ページ " + std::to_string(page));
        blankLine();
        p.printAtColumn(10, "24/04/01(月) 現金");
        p.printAtColumn(10, "24/04/02(火) 売上");
        p.newPage();
    }
    p.endDoc();

    const std::vector<std::string> page1 = {
        "         【有限会社テスト】 会計 仕訳帳      ページ 1",
        "         24/04/01(月) 現金",
        "         24/04/02(火) 売上",
    };
    std::vector<std::string> page2 = page1;
    page2[0].back() = '2';
    ASSERT_EQ(p.pages().size(), 2u);
    EXPECT_EQ(p.pageTexts(0), page1);
    EXPECT_EQ(p.pageTexts(1), page2);
    // Header at 1.3 heights; it ends the line (1.0), a blank line (1.3) follows.
    const auto lines = p.pages()[0];
    EXPECT_DOUBLE_EQ(lines[0].y, 1.3 * 9);
    EXPECT_DOUBLE_EQ(lines[1].y, (1.3 + 1.0 + 1.3) * 9);
    EXPECT_DOUBLE_EQ(lines[2].y, (1.3 + 1.0 + 1.3 + 1.0) * 9);
    EXPECT_EQ(kinds().front(), Kind::BeginDocument);
    EXPECT_EQ(kinds().back(), Kind::EndDoc);
    EXPECT_EQ(p.documentCount(), 1);
}

// No page is ever empty, whatever the order of new pages and the end.
struct EmptyPageCase {
    const char* name;
    std::vector<const char*> steps;  // "text", "newPage", "endDoc"
    std::size_t pages;
    int documents;
};
void PrintTo(const EmptyPageCase& c, std::ostream* os)
{
    *os << c.name;
}

class NoEmptyPage : public PrintRules, public ::testing::WithParamInterface<EmptyPageCase> {};

TEST_P(NoEmptyPage, OnlyPagesWithTextAreMade)
{
    for (const std::string step : GetParam().steps) {
        if (step == "newPage")
            p.newPage();
        else if (step == "endDoc")
            p.endDoc();
        else if (step == "blank")
            p.print("");
        else
            p.printAtColumn(10, step);
    }
    EXPECT_EQ(p.pages().size(), GetParam().pages);
    EXPECT_EQ(p.sheets().size(), GetParam().pages);
    EXPECT_EQ(p.documentCount(), GetParam().documents);
    for (const auto& page : p.pages())
        EXPECT_FALSE(page.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, NoEmptyPage,
    ::testing::Values(EmptyPageCase{"NewPageThenEnd", {"a", "newPage", "endDoc"}, 1, 1},
                      EmptyPageCase{"NewPageTwice", {"a", "newPage", "newPage", "b", "endDoc"}, 2, 1},
                      EmptyPageCase{"NewPageFirst", {"newPage", "a", "endDoc"}, 1, 1},
                      EmptyPageCase{"BlankLineOnNewPage", {"a", "newPage", "blank", "endDoc"}, 1, 1},
                      EmptyPageCase{"NothingPrinted", {"newPage", "endDoc"}, 0, 0},
                      EmptyPageCase{"TwoRuns", {"a", "newPage", "endDoc", "b", "endDoc"}, 2, 2}),
    testsupport::kCaseName);

TEST_F(PrintRules, EveryCallToNewPageAndEndDocIsRecorded)
{
    p.newPage();
    p.endDoc();
    EXPECT_EQ(kinds(), (std::vector<Kind>{Kind::NewPage, Kind::EndDoc}));
    EXPECT_EQ(p.endDocCount(), 1);
}

TEST_F(PrintRules, PositionsAtAColumnInTheFontInForce)
{
    p.printAtColumn(10, "日本", false);
    p.print("X", false);
    p.setFontSize(12);
    p.printAtColumn(100, "（単位：円）");

    std::vector<PrintEvent> texts;
    for (const PrintEvent& e : p.events())
        if (e.kind == Kind::Text)
            texts.push_back(e);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_DOUBLE_EQ(texts[0].x, 9 * 4.5);
    EXPECT_EQ(texts[0].column, 10);
    EXPECT_DOUBLE_EQ(texts[1].x, 9 * 4.5 + 4 * 4.5);  // after two double-byte characters
    EXPECT_FALSE(texts[1].column.has_value());
    EXPECT_DOUBLE_EQ(texts[2].x, 99 * 6.0);
    EXPECT_EQ(texts[2].fontSize, 12);
    EXPECT_EQ(texts[2].fontName, "ＭＳ ゴシック");
    EXPECT_EQ(texts[2].page, 1);
    EXPECT_DOUBLE_EQ(p.currentX(), 0.0);
}

// A column the line has already passed is taken on the next line, as the
// heading "Ⅱ　労務費" fitted to 24 bytes followed by a figure at column 10.
TEST_F(PrintRules, AColumnAlreadyPassedIsTakenOnTheNextLine)
{
    p.printAtColumn(10, "Ⅱ　労務費              ", false);  // 24 bytes: x reaches column 34
    p.printAtColumn(10, "123,456");
    p.printAtColumn(10, "見出し", false);
    p.printAtColumn(16, "X");  // exactly at the column: the same line
    p.printAtColumn(10, "末尾");

    std::vector<PrintEvent> texts;
    for (const PrintEvent& e : p.events())
        if (e.kind == Kind::Text)
            texts.push_back(e);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_DOUBLE_EQ(texts[0].y, 0.0);
    EXPECT_DOUBLE_EQ(texts[1].x, 9 * 4.5);
    EXPECT_DOUBLE_EQ(texts[1].y, 9.0);
    EXPECT_DOUBLE_EQ(texts[2].y, 18.0);
    EXPECT_DOUBLE_EQ(texts[3].x, 15 * 4.5);
    EXPECT_DOUBLE_EQ(texts[3].y, 18.0);
    EXPECT_DOUBLE_EQ(texts[4].y, 27.0);
    EXPECT_EQ(p.pageTexts(0),
              (std::vector<std::string>{"         Ⅱ　労務費              ", "         123,456", "         見出しX",
                                        "         末尾"}));
}

TEST_F(PrintRules, EndingALineMovesDownByTheTextHeight)
{
    p.setCurrentX(30);
    p.print("", false);  // nothing drawn, nothing moved
    EXPECT_DOUBLE_EQ(p.currentX(), 30.0);
    p.print("");  // a blank line: the height of "1"
    EXPECT_DOUBLE_EQ(p.currentY(), 9.0);
    EXPECT_DOUBLE_EQ(p.currentX(), 0.0);
    EXPECT_FALSE(p.documentOpen());
    p.setFontSize(16);
    p.print("表題");
    EXPECT_DOUBLE_EQ(p.currentY(), 9.0 + 16.0);
}

TEST_F(PrintRules, NewPageAndEndDocReturnToTheTopLeft)
{
    p.print("a");
    p.setCurrentX(50);
    p.newPage();
    EXPECT_DOUBLE_EQ(p.currentX(), 0.0);
    EXPECT_DOUBLE_EQ(p.currentY(), 0.0);
    p.print("b");
    EXPECT_EQ(p.page(), 2);
    p.endDoc();
    EXPECT_EQ(p.page(), 0);
    EXPECT_DOUBLE_EQ(p.currentY(), 0.0);
}

// The sheets that come out: every page the printout lays out on one sheet of
// A4, reduced as a whole when it is larger than the paper.
class Sheets : public PrintRules {
protected:
    // A page as the cash book lays it out: a blank line, the header, the gap,
    // a blank line and `rows` lines of 124 bytes, each followed by the gap.
    void bookPage(int page, int rows)
    {
        blankLine();
        p.printAtColumn(10,
                        "【テスト商事】 会計 現金出納帳     2024/05/01(水) 14:05    ページ   " + std::to_string(page));
        p.setCurrentY(p.currentY() + 0.3 * 9);
        blankLine();
        for (int i = 0; i < rows; ++i) {
            p.printAtColumn(10, std::string(110, '9') + "みずほ銀行渋谷");
            p.setCurrentY(p.currentY() + 0.3 * 9);
        }
    }

public:
    static constexpr double kBase = printing::kA4PrintableWidth / printing::PrinterDevice::kMinimumPageWidth;
};

TEST_F(Sheets, APageTallerThanThePaperComesOutOnOneSheetWithItsHeader)
{
    bookPage(1, 78);
    p.newPage();
    bookPage(2, 7);
    p.newPage();
    p.endDoc();

    ASSERT_EQ(p.sheets().size(), 2u);
    EXPECT_TRUE(p.everySheetFitsThePaper());
    for (std::size_t i = 0; i < 2; ++i) {
        const auto lines = p.sheetTexts(i);
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines.front().find("ページ   " + std::to_string(i + 1)), std::string::npos) << lines.front();
    }
    EXPECT_EQ(p.sheetTexts(0).size(), 79u);  // the header and all 78 rows
    // 1.3 + 1.0 + 0.3 + 1.3 text heights above the rows, 1.3 for each row.
    const double pageHeight = (1.3 + 1.0 + 0.3 + 1.3 + 78 * 1.3 - 0.3) * 9;
    EXPECT_NEAR(p.sheets()[0].scale, printing::kA4PrintableHeight / pageHeight, 1e-9);
    EXPECT_LT(p.sheets()[0].scale, kBase);
    EXPECT_NEAR(p.sheets()[0].bottom(), printing::kA4PrintableHeight, 1e-6);
    // The short last page keeps the size of the first.
    EXPECT_DOUBLE_EQ(p.sheets()[1].scale, p.sheets()[0].scale);
}

struct FitCase {
    const char* name;
    int columns;   // of the one line of each row
    int rows;      // one text height apart
    double scale;  // expected
};
void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.name;
}

class SheetFit : public Sheets, public ::testing::WithParamInterface<FitCase> {};

TEST_P(SheetFit, TheWholePageIsReducedTheSameBothWaysUntilItFits)
{
    for (int i = 0; i < GetParam().rows; ++i)
        p.printAtColumn(1, std::string(static_cast<std::size_t>(GetParam().columns), '0'));
    p.endDoc();
    ASSERT_EQ(p.sheets().size(), 1u);
    EXPECT_NEAR(p.sheets()[0].scale, GetParam().scale, 1e-9);
    EXPECT_TRUE(p.everySheetFitsThePaper());
    EXPECT_EQ(p.sheetTexts(0).size(), static_cast<std::size_t>(GetParam().rows));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, SheetFit,
    ::testing::Values(FitCase{"SmallPageAtTheSmallestReduction", 100, 10, Sheets::kBase},
                      FitCase{"WidePage", 160, 10, printing::kA4PrintableWidth / (160 * 4.5)},
                      FitCase{"TallPage", 100, 120, printing::kA4PrintableHeight / (120 * 9.0)},
                      FitCase{"WideAndTallPageByItsTallerSide", 160, 150, printing::kA4PrintableHeight / (150 * 9.0)},
                      FitCase{"WideAndTallPageByItsWiderSide", 300, 100, printing::kA4PrintableWidth / (300 * 4.5)}),
    testsupport::kCaseName);

TEST_F(Sheets, EachDocumentStartsAtTheSmallestReductionAgain)
{
    bookPage(1, 78);
    p.endDoc();
    bookPage(1, 3);
    p.endDoc();
    ASSERT_EQ(p.sheets().size(), 2u);
    EXPECT_EQ(p.sheets()[0].document, 1);
    EXPECT_EQ(p.sheets()[1].document, 2);
    EXPECT_LT(p.sheets()[0].scale, kBase);
    EXPECT_DOUBLE_EQ(p.sheets()[1].scale, kBase);
}

// Several printouts in one document: the next printout starts again at its own
// smallest reduction, while each printout keeps one size over its own pages
// (the tall book's short last page too).
TEST_F(Sheets, EachPrintoutOfADocumentStartsAtItsOwnReduction)
{
    p.startPrintout();
    bookPage(1, 78);
    p.newPage();
    bookPage(2, 3);
    p.newPage();
    p.startPrintout();
    bookPage(1, 3);
    p.newPage();
    p.endDoc();
    ASSERT_EQ(p.sheets().size(), 3u);
    const double tall = printing::kA4PrintableHeight / ((1.3 + 1.0 + 0.3 + 1.3 + 78 * 1.3 - 0.3) * 9);
    EXPECT_NEAR(p.sheets()[0].scale, tall, 1e-9);
    EXPECT_NEAR(p.sheets()[1].scale, tall, 1e-9);
    EXPECT_DOUBLE_EQ(p.sheets()[2].scale, kBase);
    EXPECT_EQ(p.sheets()[2].document, 1);
    EXPECT_NE(p.sheetTexts(2).front().find("ページ   1"), std::string::npos);
}

TEST_F(Sheets, ALineBelowThePaperStaysOnItsPage)
{
    p.print("first");
    p.setCurrentY(printing::kA4PrintableHeight);  // below the paper at full size
    p.printAtColumn(10, "last");
    p.endDoc();
    ASSERT_EQ(p.sheets().size(), 1u);
    EXPECT_EQ(p.sheetTexts(0), (std::vector<std::string>{"first", "         last"}));
    EXPECT_EQ(p.pages().size(), 1u);
    EXPECT_TRUE(p.everySheetFitsThePaper());
}

TEST(PrinterChoice, TheDefaultFactoryMakesThePrinterOnceWhenNoneIsInstalled)
{
    printing::installPrinter(nullptr);
    int made = 0;
    printing::setDefaultPrinterFactory([&made] {
        ++made;
        return std::make_unique<printing::RecordingPrinter>();
    });
    EXPECT_TRUE(printing::printerConfigured());
    printing::PrinterDevice& first = printing::printer();
    EXPECT_EQ(&printing::printer(), &first);
    EXPECT_EQ(made, 1);
    printing::setDefaultPrinterFactory(nullptr);
}

TEST(PrinterChoice, TheInstalledDeviceIsThePrinter)
{
    auto& first = printing::installRecordingPrinter();
    EXPECT_EQ(&printing::printer(), &first);
    auto previous = printing::installPrinter(std::make_unique<printing::RecordingPrinter>());
    EXPECT_EQ(previous.get(), &first);
    EXPECT_NE(&printing::printer(), &first);
}

}  // namespace
