#include "platform/printing/SystemPrinter.h"

#include <QPrinterInfo>

namespace printing {

SystemPrinter::SystemPrinter(const QPrinterInfo& info)
    : m_printer(info, QPrinter::HighResolution)
{
    m_printer.setDocName(QStringLiteral("Velmora"));
}

SystemPrinter::~SystemPrinter()
{
    if (documentOpen())
        endDoc();
}

double SystemPrinter::paperWidth() const
{
    return m_printer.pageLayout().paintRect(QPageLayout::Point).width();
}

double SystemPrinter::paperHeight() const
{
    return m_printer.pageLayout().paintRect(QPageLayout::Point).height();
}

QPagedPaintDevice* SystemPrinter::openDevice(std::string& failure)
{
    failure = "プリンタ「" + m_printer.printerName().toStdString() + "」で印刷を開始できませんでした";
    return &m_printer;
}

}  // namespace printing
