// PDF output: what a reader of the file sees (pdftotext, pdffonts from
// poppler-utils), and the PDF files made when the system has no printer.
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/PrinterChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The output of a poppler tool on `pdf`; skips the test when the tool is missing.
#define RUN_POPPLER(result, tool, ...)                                                                                 \
    if (QStandardPaths::findExecutable(tool).isEmpty())                                                                \
        GTEST_SKIP() << tool " is not installed";                                                                      \
    const QString result = runTool(tool, {__VA_ARGS__})

QString runTool(const QString& tool, const QStringList& args)
{
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString lineWith(const QString& text, const QString& part)
{
    for (const QString& line : text.split('\n'))
        if (line.contains(part))
            return line;
    return {};
}

TEST(PdfPrinter, FixedPitchGothicMakesADoubleByteCharacterTwoColumns)
{
    printing::PdfPrinter pdf(std::string("/dev/null"));
    pdf.setFontName("ＭＳ ゴシック");
    pdf.setFontSize(9);
    EXPECT_DOUBLE_EQ(pdf.textWidth("0"), 4.5);
    EXPECT_DOUBLE_EQ(pdf.textWidth("日本語"), 6 * 4.5);
    EXPECT_DOUBLE_EQ(pdf.textWidth("ｶﾅ12"), 4 * 4.5);
    EXPECT_DOUBLE_EQ(pdf.textHeight("1"), 9.0);
}

TEST(PdfPrinter, TextIsSelectableAtItsColumnsWithFontsEmbedded)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("run.pdf").toStdString();
    {
        printing::PdfPrinter pdf(path);
        pdf.setFontSize(9);
        pdf.printAtColumn(1, "1234567890123456789012345678901234567890");  // a ruler
        pdf.printAtColumn(10, "日本語の行", false);
        pdf.printAtColumn(30, "ABC123");
        pdf.printAtColumn(10, "Total", false);
        pdf.printAtColumn(30, "1,234,567");
        pdf.setFontName("ＭＳ 明朝");
        pdf.printAtColumn(10, "明朝の行");
        pdf.newPage();
        pdf.endDoc();
    }
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(path)));

    RUN_POPPLER(text, "pdftotext", "-layout", QString::fromStdString(path), "-");
    const QString japanese = lineWith(text, "日本語の行");
    EXPECT_EQ(japanese.indexOf("日本語の行"), 9) << japanese.toStdString();
    EXPECT_EQ(japanese.indexOf("ABC123"), lineWith(text, "Total").indexOf("1,234,567")) << text.toStdString();
    EXPECT_EQ(lineWith(text, "Total").indexOf("1,234,567"), 29) << text.toStdString();
    EXPECT_EQ(lineWith(text, "明朝の行").indexOf("明朝の行"), 9);
    EXPECT_EQ(text.count('\f'), 1) << "one page: the new page before the end makes none";

    RUN_POPPLER(fonts, "pdffonts", QString::fromStdString(path));
    for (const char* family : {"IPAGothic", "IPAMincho"}) {
        const QString row = lineWith(fonts, family);
        ASSERT_FALSE(row.isEmpty()) << family << "\n" << fonts.toStdString();
        EXPECT_TRUE(row.contains(" yes ")) << "not embedded: " << row.toStdString();
    }
}

// The cash book's printed row (print column 10, 124 bytes of the 9-pt font) is
// wider than A4 portrait: the page is drawn scaled down so that all of it lands
// on the paper, in the same columns.
TEST(PdfPrinter, TheWidestPrintedLineStaysOnThePaper)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("wide.pdf").toStdString();
    std::string row;
    for (int i = 0; i < 110; ++i)
        row += static_cast<char>('0' + i % 10);
    row += "みずほ銀行渋谷";  // the last 14 bytes: 124 in all
    {
        printing::PdfPrinter pdf(path);
        pdf.setFontSize(9);
        EXPECT_GE(pdf.scaleWidth(), (9 + 124) * 4.5);
        EXPECT_NEAR(pdf.scaleHeight() / pdf.scaleWidth(), 813.5 / 566.9, 0.001);  // A4's shape
        pdf.printAtColumn(10, row);
        pdf.printAtColumn(1, "1234567890");
        pdf.endDoc();
    }
    RUN_POPPLER(boxes, "pdftotext", "-bbox", QString::fromStdString(path), "-");
    const QString word = lineWith(boxes, "みずほ銀行渋谷");
    ASSERT_FALSE(word.isEmpty()) << boxes.toStdString();
    const QRegularExpression xMax(QStringLiteral("xMax=\"([0-9.]+)\""));
    const double right = xMax.match(word).captured(1).toDouble();
    EXPECT_LE(right, 595.0 - 14.0) << word.toStdString();  // inside the right margin of A4

    RUN_POPPLER(text, "pdftotext", "-layout", QString::fromStdString(path), "-");
    EXPECT_EQ(lineWith(text, "みずほ").indexOf("0123"), 9) << text.toStdString();
}

// Two pages as the cash book lays them out (78 rows at 1.3 line pitch are
// taller than A4): two sheets, each opening with its own header, every row on
// the sheet of its page, all of it within the paper.
TEST(PdfPrinter, EachPageOfAPrintoutIsOneSheetWithItsHeader)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("book.pdf").toStdString();
    const int rowsOnPage[] = {78, 7};
    {
        printing::PdfPrinter pdf(path);
        pdf.setFontSize(9);
        const auto gap = [&pdf](double heights) { pdf.setCurrentY(pdf.currentY() + heights * 9); };
        for (int page = 1; page <= 2; ++page) {
            gap(1.3);
            pdf.printAtColumn(
                10, "【テスト商事】 会計 現金出納帳     2024/05/01(水) 14:05    ページ   " + std::to_string(page));
            gap(0.3 + 1.3);
            for (int row = 1; row <= rowsOnPage[page - 1]; ++row) {
                pdf.printAtColumn(10,
                                  "P" + std::to_string(page) + "R" + std::to_string(row) + std::string(100, '.')
                                      + "みずほ銀行渋谷");
                gap(0.3);
            }
            pdf.newPage();
        }
        pdf.endDoc();
    }
    RUN_POPPLER(info, "pdfinfo", QString::fromStdString(path));
    EXPECT_EQ(lineWith(info, "Pages:").simplified().toStdString(), "Pages: 2") << info.toStdString();

    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(page);
        const QString n = QString::number(page);
        RUN_POPPLER(text, "pdftotext", "-layout", "-f", n, "-l", n, QString::fromStdString(path), "-");
        QStringList lines = text.split('\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_TRUE(
            lines.front().contains(QRegularExpression(QStringLiteral("ページ\\s+") + n + QStringLiteral("\\s*$"))))
            << lines.front().toStdString();
        const QString last = QStringLiteral("P%1R%2.").arg(page).arg(rowsOnPage[page - 1]);
        EXPECT_TRUE(text.contains(last)) << text.toStdString();
    }

    RUN_POPPLER(boxes, "pdftotext", "-bbox", QString::fromStdString(path), "-");
    const QRegularExpression box(QStringLiteral("xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
    for (auto it = box.globalMatch(boxes); it.hasNext();) {
        const auto match = it.next();
        EXPECT_LE(match.captured(1).toDouble(), 595.3 - 14.0);  // A4 less the 5 mm margin
        EXPECT_LE(match.captured(2).toDouble(), 841.9 - 14.0);
    }
}

TEST(PdfFolderPrinter, EachRunIsANewFileAndTheUserIsTold)
{
    QTemporaryDir home;
    const QString folder = home.filePath("印刷");  // made on the first run
    std::vector<std::string> notices;
    auto device =
        printing::makePdfFolderPrinter(folder.toStdString(), [&](const std::string& m) { notices.push_back(m); });
    device->endDoc();  // a run with nothing printed: no file, no notice
    EXPECT_TRUE(notices.empty());
    for (const char* text : {"一回目", "二回目"}) {
        device->printAtColumn(10, text);
        device->endDoc();
    }
    const QStringList files = QDir(folder).entryList({"*.pdf"}, QDir::Files);
    ASSERT_EQ(files.size(), 2);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_NE(notices[0], notices[1]);
    for (const QString& file : files) {
        const std::string message = printing::pdfSavedMessage(QDir(folder).filePath(file).toStdString());
        EXPECT_NE(std::find(notices.begin(), notices.end(), message), notices.end()) << message;
    }
    EXPECT_EQ(printing::pdfSavedMessage("/x/a.pdf"), "プリンタが見つからないため、PDFファイルに保存しました：/x/a.pdf");
}

TEST(PrinterChoice, WithoutASystemPrinterTheProgramPrintsToPdf)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this system has a default printer";
    auto device = printing::makeDefaultPrinter(nullptr);
    EXPECT_NE(dynamic_cast<printing::PdfPrinter*>(device.get()), nullptr);
    EXPECT_EQ(QFileInfo(QString::fromStdString(printing::defaultPdfFolder())).fileName(),
              QStringLiteral("Velmora印刷"));
}

TEST(PdfFolderPrinter, AFolderThatCannotBeMadeIsReportedAndNothingIsDrawn)
{
    QTemporaryDir home;
    QFile blocker(home.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    std::vector<std::string> notices;
    auto device = printing::makePdfFolderPrinter(home.filePath("file/sub").toStdString(),
                                                 [&](const std::string& m) { notices.push_back(m); });
    device->print("text");
    device->endDoc();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices.front().rfind("PDFファイルを作成できませんでした：", 0), 0u) << notices.front();
    EXPECT_NE(notices.front().find("file/sub/"), std::string::npos) << notices.front();
}

}  // namespace
