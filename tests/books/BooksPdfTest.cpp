// The cash book and the bank books printed once into a PDF and read back.
#include "books/Form14.h"
#include "books/WindowFixture.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printer.h"

#include <QCheckBox>
#include <QPushButton>

#include <array>
#include <cstdio>
#include <memory>

using namespace bookstest;

namespace {

std::string runPdfToText(const std::string& pdf)
{
    std::string out;
    const std::string command = "pdftotext -layout '" + pdf + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return out;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe.get()))
        out += buffer.data();
    return out;
}

}  // namespace

class BooksPdfTest : public WindowTest {};

TEST_F(BooksPdfTest, CashBookAndBankBooksReadBackFromThePdf)
{
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string pdf = fx.path() + ".pdf";
    printing::installPrinter(std::make_unique<printing::PdfPrinter>(pdf));

    books::Form14 form;
    form.Check1(0)->setChecked(true);
    form.Check1(1)->setChecked(true);
    dialogs->expectMessage("Ａ４用紙に印刷します 準備はよろしいですか？", ui::Answer::Yes).withTitle("現金出納帳");
    form.Command1(0)->click();

    const std::string text = runPdfToText(pdf);
    ASSERT_FALSE(text.empty());
    for (const char* expected : {"【テスト商事】 会計 現金出納帳", "前期より繰り越し", "現金売上", "文具購入",
                                 "【テスト商事】 会計 取引銀行", "青葉銀行 本店 普通預金 期首残高 1,000円",
                                 "青葉銀行 本店 当座預金 期首残高 2,000円", "売掛金回収", "2,000", "1,500"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    std::remove(pdf.c_str());
}
