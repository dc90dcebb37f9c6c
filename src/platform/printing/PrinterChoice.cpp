#include "platform/printing/PrinterChoice.h"

#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printer.h"
#include "platform/printing/SystemPrinter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>

#include <utility>

namespace printing {

std::string pdfSavedMessage(const std::string& path)
{
    return "プリンタが見つからないため、PDFファイルに保存しました：" + path;
}

std::string chosenPdfSavedMessage(const std::string& path)
{
    return "PDFファイルに保存しました：" + path;
}

std::string defaultPdfFolder()
{
    return QDir(QDir::homePath()).filePath(QStringLiteral("Velmora印刷")).toStdString();
}

namespace {

// A file name from the time the document begins; "-2", "-3", … when a file of
// that name exists already. The folder is made when missing; when it cannot be,
// the PDF writer fails on the path and that is reported.
std::string nextPdfPath(const QString& folder)
{
    QDir().mkpath(folder);
    const QString stem = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stem + QStringLiteral("-%1.pdf").arg(n));
    return path.toStdString();
}

Notice& programNotice()
{
    static Notice notice;
    return notice;
}

}  // namespace

std::unique_ptr<PrinterDevice> makePdfFolderPrinter(const std::string& folder, Notice notice)
{
    const QString dir = QString::fromStdString(folder);
    auto pdf = std::make_unique<PdfPrinter>([dir] { return nextPdfPath(dir); });
    pdf->setDocumentWrittenHandler([notice](const std::string& path) {
        if (notice)
            notice(pdfSavedMessage(path));
    });
    pdf->setErrorHandler(std::move(notice));
    return pdf;
}

std::unique_ptr<PrinterDevice> makeDefaultPrinter(Notice notice)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        auto device = std::make_unique<SystemPrinter>(info);
        device->setErrorHandler(notice);
        device->setDocumentWrittenHandler([notice](const std::string& path) {
            if (notice)
                notice(chosenPdfSavedMessage(path));
        });
        return device;
    }
    return makePdfFolderPrinter(defaultPdfFolder(), std::move(notice));
}

void useSystemPrinting(Notice notice)
{
    programNotice() = notice;
    setDefaultPrinterFactory([notice = std::move(notice)] { return makeDefaultPrinter(notice); });
}

void useChosenPrinter(std::unique_ptr<QPrinter> chosen)
{
    auto device = std::make_unique<SystemPrinter>(std::move(chosen));
    const Notice notice = programNotice();
    device->setErrorHandler(notice);
    device->setDocumentWrittenHandler([notice](const std::string& path) {
        if (notice)
            notice(chosenPdfSavedMessage(path));
    });
    installPrinter(std::move(device));
}

}  // namespace printing
