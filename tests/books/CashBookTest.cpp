// The cash book on screen and on paper.
#include "books/BooksFixture.h"
#include "books/CashBook.h"
#include "common/PrintRoutines.h"
#include "platform/printing/RecordingPrinter.h"
#include "support/SheetChecks.h"

#include <gtest/gtest.h>

using namespace bookstest;

namespace {

const dao::Date kNow{2024, 5, 1, 14, 5, 0};

std::vector<std::string> screenLines(BooksFixture& fx)
{
    auto db = fx.open();
    auto rows = db->OpenRecordset("Q_現金出納帳");
    return bookLines(books::cashBookLines, books::CashBookSource{*rows, code::Cash, 500}, kNow);
}

std::vector<std::string> trimmedAll(const std::vector<std::string>& lines)
{
    std::vector<std::string> out;
    for (const auto& line : lines)
        out.push_back(trimmed(line));
    return out;
}

}  // namespace

TEST(CashBook, ScreenListsReceiptsAndPaymentsWithRunningBalance)
{
    BooksFixture fx;
    const auto lines = screenLines(fx);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0],
              std::string(13, ' ') + "前期より繰り越し" + std::string(23, ' ') + std::string(61, ' ')
                  + "           500");
    const ListColumns expected[] = {
        {"売上高", "300", "------------", "800", ""},
        {"消耗品費", "------------", "200", "600", ""},
        {"普通預金", "------------", "300", "300", "若葉銀行"},
        {"当座預金", "------------", "70", "230", "若葉銀行"},
        {"売上高", "0", "------------", "230", ""},  // a null amount counts 0
    };
    for (std::size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(byteWidth(lines[i + 1]), 158);
        EXPECT_EQ(listColumns(lines[i + 1]), expected[i]);
    }
    // Two rows of 24/04/01: the date shows on the first only.
    EXPECT_EQ(bytesOf(lines[1], 1, 12), "24/04/01(月)");
    EXPECT_EQ(bytesOf(lines[2], 1, 12), std::string(12, ' '));
}

TEST(CashBook, RowDeletedAfterOpeningIsSkipped)
{
    BooksFixture fx;
    auto db = fx.open();
    auto rows = db->OpenRecordset("Q_現金出納帳");
    fx.execute("DELETE FROM \"仕訳台帳\" WHERE \"伝票番号\" = 'V08'");
    const auto lines = bookLines(books::cashBookLines, books::CashBookSource{*rows, code::Cash, 500}, kNow);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(trimmed(bytesOf(lines.back(), 114, 127)), "530");
}

// A new period before its first cash voucher: the carried cash shows on its
// opening line, on screen and on paper.
TEST(CashBook, NoRowsStillShowsTheCarriedCash)
{
    BooksFixture fx;
    fx.execute("DELETE FROM \"仕訳台帳\"");
    EXPECT_EQ(screenLines(fx),
              (std::vector<std::string>{std::string(13, ' ') + "前期より繰り越し" + std::string(23, ' ')
                                        + std::string(61, ' ') + "           500"}));
    auto db = fx.open();
    auto rows = db->OpenRecordset("Q_現金出納帳");
    BooksPrinter printer;
    books::printCashBook(printer, {*rows, code::Cash, 500}, "テスト商事", kNow);
    printer.endDoc();
    const auto pages = requestedPages(printer);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(trimmedAll(pages[0]),
              (std::vector<std::string>{"【テスト商事】 会計 現金出納帳     2024/05/01(水) 14:05    ページ   1",
                                        "前期より繰り越し" + std::string(63, ' ') + "500"}));
    ASSERT_EQ(printer.sheets().size(), 1u);
}

TEST(CashBook, PrintedPagesHold78RowsAndTheOpeningLineOnlyOnPageOne)
{
    BooksFixture fx;
    for (int i = 0; i < 80; ++i)
        fx.addJournal(
            {"2024-04-20", "W" + std::to_string(100 + i), code::Supplies, 1, code::Cash, 1, "小口", "", "", ""});
    auto db = fx.open();
    auto rows = db->OpenRecordset("Q_現金出納帳");
    BooksPrinter printer;
    books::printCashBook(printer, {*rows, code::Cash, 500}, "テスト商事", kNow);
    printer.endDoc();

    const auto pages = requestedPages(printer);
    ASSERT_EQ(pages.size(), 2u);
    const auto page1 = trimmedAll(pages[0]);
    ASSERT_EQ(page1.size(), 80u);  // header, opening line, 78 rows
    EXPECT_EQ(page1[0], "【テスト商事】 会計 現金出納帳     2024/05/01(水) 14:05    ページ   1");
    EXPECT_EQ(page1[1], "前期より繰り越し" + std::string(63, ' ') + "500");
    EXPECT_EQ(byteWidth(pages[0][2]), 124);
    const auto page2 = trimmedAll(pages[1]);
    ASSERT_EQ(page2.size(), 8u);  // header and the last 7 of 85 rows
    EXPECT_EQ(page2[0], "【テスト商事】 会計 現金出納帳     2024/05/01(水) 14:05    ページ   2");
    // The balance runs on across the page: 500 + 300 - 200 - 300 - 70 + 0 - 80.
    EXPECT_EQ(trimmed(bytesOf(pages[1].back(), 84, 95)), "150");
    // Every printout ends with a new page; it adds no empty page to the document.
    EXPECT_EQ(printer.events().back().kind, printing::PrintEvent::Kind::EndDoc);

    // A page of 78 rows at 1.3 line pitch is taller than A4: it comes out on
    // one sheet, reduced, and page 2 on the second sheet.
    EXPECT_TRUE(support::everySheetIsAPageWithItsHeader(printer, "会計 現金出納帳"));
    ASSERT_EQ(printer.sheets().size(), 2u);
    EXPECT_NE(printer.sheetTexts(1).front().find("ページ   2"), std::string::npos);
    EXPECT_LT(printer.sheets()[0].scale, printer.baseScale());
}
