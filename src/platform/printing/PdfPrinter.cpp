#include "platform/printing/PdfPrinter.h"

#include "platform/printing/A4Page.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace printing {

namespace {
constexpr int kResolution = 1200;  // dots per inch of the PDF coordinates
}

PdfPrinter::PdfPrinter(const std::string& path) : m_nextPath([path] { return path; })
{
}

PdfPrinter::PdfPrinter(std::function<std::string()> nextPath) : m_nextPath(std::move(nextPath))
{
}

PdfPrinter::~PdfPrinter()
{
    // A document still open is finished (the painter must end before the
    // writer goes), without telling anyone.
    m_written = nullptr;
    if (documentOpen())
        endDoc();
}

double PdfPrinter::paperWidth() const
{
    return kA4PrintableWidth;
}
double PdfPrinter::paperHeight() const
{
    return kA4PrintableHeight;
}

void PdfPrinter::setDocumentWrittenHandler(std::function<void(const std::string&)> handler)
{
    m_written = std::move(handler);
}

QPagedPaintDevice* PdfPrinter::openDevice(std::string& failure)
{
    m_writer.reset();
    m_path = m_nextPath ? m_nextPath() : std::string();
    if (m_path.empty()) {
        failure = "PDFファイルを作成できませんでした";
        return nullptr;
    }
    failure = "PDFファイルを作成できませんでした：" + m_path;
    m_writer = std::make_unique<QPdfWriter>(QString::fromStdString(m_path));
    m_writer->setResolution(kResolution);
    m_writer->setCreator(QStringLiteral("Velmora"));
    m_writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(kA4MarginMm, kA4MarginMm, kA4MarginMm, kA4MarginMm),
                                        QPageLayout::Millimeter));
    return m_writer.get();
}

void PdfPrinter::documentFinished()
{
    m_writer.reset();
    if (m_written)
        m_written(m_path);
}

}  // namespace printing
