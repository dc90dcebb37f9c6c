// The cash book and the bank books printed once into a PDF and read back.
#include "books/Form14.h"
#include "books/WindowFixture.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printer.h"
#include "support/PdfText.h"

#include <QCheckBox>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace bookstest;

class BooksPdfTest : public WindowTest {};

TEST_F(BooksPdfTest, CashBookAndBankBooksReadBackFromThePdf)
{
    if (!testsupport::PdfToTextInstalled())
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string pdf = fx.path() + ".pdf";
    printing::installPrinter(std::make_unique<printing::PdfPrinter>(pdf));

    books::Form14 form;
    form.Check1(0)->setChecked(true);
    form.Check1(1)->setChecked(true);
    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("現金出納帳");
    form.Command1(books::Form14::Print)->click();

    const std::string text = testsupport::PdfText(pdf);
    ASSERT_FALSE(text.empty());
    for (const char* expected : {"【テスト商事】 会計 現金出納帳", "前期より繰り越し", "現金売上", "文具購入",
                                 "【テスト商事】 会計 取引銀行", "青葉銀行 本店 普通預金 期首残高 1,000円",
                                 "青葉銀行 本店 当座預金 期首残高 2,000円", "売掛金回収", "2,000", "1,500"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    std::remove(pdf.c_str());
}

// The cash book's page of 78 rows is taller than A4: each page still comes out
// on one sheet of the PDF, opening with its header, and page 2 on sheet 2.
TEST_F(BooksPdfTest, EachPageOfTheCashBookIsOnePdfPageWithItsHeader)
{
    if (!testsupport::PdfToTextInstalled())
        GTEST_SKIP() << "pdftotext is not installed";
    for (int i = 0; i < 80; ++i)
        fx.addJournal(
            {"2024-04-20", "W" + std::to_string(100 + i), code::Supplies, 1, code::Cash, 1, "小口", "", "", ""});
    const std::string pdf = fx.path() + "-cash.pdf";
    printing::installPrinter(std::make_unique<printing::PdfPrinter>(pdf));

    books::Form14 form;
    form.Check1(0)->setChecked(true);
    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("現金出納帳");
    form.Command1(books::Form14::Print)->click();
    printing::installRecordingPrinter();

    std::string text = testsupport::PdfText(pdf);
    std::remove(pdf.c_str());
    std::vector<std::string> sheets;
    for (std::size_t from = 0, to; from < text.size(); from = to + 1) {
        to = text.find('\f', from);
        if (to == std::string::npos)
            to = text.size();
        if (text.find_first_not_of(" \n", from) < to)
            sheets.push_back(text.substr(from, to - from));
    }
    ASSERT_EQ(sheets.size(), 2u) << text;  // 85 rows: 78 on the first page, 7 on the second
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string first = sheets[i].substr(sheets[i].find_first_not_of(" \n"));
        EXPECT_EQ(first.find("【テスト商事】 会計 現金出納帳"), 0u) << "sheet " << i + 1 << ":\n" << sheets[i];
        EXPECT_NE(first.substr(0, first.find('\n')).find(std::to_string(i + 1)), std::string::npos);
    }
}
