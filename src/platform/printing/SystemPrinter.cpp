#include "platform/printing/SystemPrinter.h"

#include <QPrinterInfo>

namespace printing {

SystemPrinter::SystemPrinter(const QPrinterInfo& info)
    : m_printer(std::make_unique<QPrinter>(info, QPrinter::HighResolution))
{
    m_printer->setDocName(QStringLiteral("Velmora"));
}

SystemPrinter::SystemPrinter(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer))
{
    m_printer->setDocName(QStringLiteral("Velmora"));
}

SystemPrinter::~SystemPrinter()
{
    m_written = nullptr;
    if (documentOpen())
        endDoc();
}

double SystemPrinter::paperWidth() const
{
    return m_printer->pageLayout().paintRect(QPageLayout::Point).width();
}

double SystemPrinter::paperHeight() const
{
    return m_printer->pageLayout().paintRect(QPageLayout::Point).height();
}

void SystemPrinter::setDocumentWrittenHandler(std::function<void(const std::string&)> handler)
{
    m_written = std::move(handler);
}

QPagedPaintDevice* SystemPrinter::openDevice(std::string& failure)
{
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        failure = "PDFファイルを作成できませんでした：" + m_printer->outputFileName().toStdString();
    else
        failure = "プリンタ「" + m_printer->printerName().toStdString() + "」で印刷を開始できませんでした";
    return m_printer.get();
}

void SystemPrinter::documentFinished()
{
    if (m_written && m_printer->outputFormat() == QPrinter::PdfFormat)
        m_written(m_printer->outputFileName().toStdString());
}

}  // namespace printing
