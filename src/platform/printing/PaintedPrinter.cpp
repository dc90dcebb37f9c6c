#include "platform/printing/PaintedPrinter.h"

#include "platform/printing/FontFamilies.h"
#include "platform/printing/TextCells.h"

#include <QPagedPaintDevice>

#include <algorithm>
#include <cstdio>

namespace printing {

PaintedPrinter::PaintedPrinter()
{
    fontChanged();
}

PaintedPrinter::~PaintedPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PaintedPrinter::setErrorHandler(std::function<void(const std::string&)> handler)
{
    m_errorHandler = std::move(handler);
}

void PaintedPrinter::reportError(const std::string& message) const
{
    if (m_errorHandler)
        m_errorHandler(message);
    else
        std::fprintf(stderr, "%s\n", message.c_str());
}

void PaintedPrinter::fontChanged()
{
    m_font = QFont(QString::fromStdString(substituteFontFamily(fontName())));
    m_font.setPointSizeF(fontSize() > 0.0 ? fontSize() : 1.0);
    m_font.setHintingPreference(QFont::PreferNoHinting);
    m_font.setStyleStrategy(QFont::ForceOutline);

    QFont metricsFont = m_font;
    metricsFont.setPixelSize(100);
    m_rawFont = QRawFont::fromFont(metricsFont);
    m_rawFont.setPixelSize(fontSize() > 0.0 ? fontSize() : 1.0);
    const double ascent = m_rawFont.ascent();
    const double descent = m_rawFont.descent();
    m_baseline = ascent + descent > 0.0 ? ascent / (ascent + descent) : 0.8;

    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

double PaintedPrinter::textWidth(const std::string& text) const
{
    const QString s = QString::fromStdString(text);
    const QList<quint32> glyphs = m_rawFont.glyphIndexesForString(s);
    const bool allPresent = m_rawFont.isValid() && !glyphs.isEmpty()
        && std::none_of(glyphs.begin(), glyphs.end(), [](quint32 g) { return g == 0; });
    if (!allPresent)   // a character the font lacks: count it by cells
        return halfWidthCells(text) * 0.5 * fontSize();
    double width = 0.0;
    for (const QPointF& advance : m_rawFont.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics))
        width += advance.x();
    return width;
}

double PaintedPrinter::textHeight(const std::string&) const
{
    return fontSize();
}

double PaintedPrinter::pageScale() const
{
    const double width = paperWidth();
    return width > 0.0 && width < kMinimumPageWidth ? width / kMinimumPageWidth : 1.0;
}

double PaintedPrinter::scaleWidth() const
{
    return paperWidth() / pageScale();
}

double PaintedPrinter::scaleHeight() const
{
    return paperHeight() / pageScale();
}

void PaintedPrinter::applyPageScale()
{
    const double scale = pageScale();
    m_painter.resetTransform();
    m_painter.scale(scale, scale);
}

void PaintedPrinter::beginDocument()
{
    std::string failure;
    m_device = openDevice(failure);
    if (m_device && !m_painter.begin(m_device)) {
        m_device = nullptr;
        if (failure.empty())
            failure = "印刷を開始できませんでした";
    }
    if (!m_device) {
        reportError(failure.empty() ? "印刷を開始できませんでした" : failure);
        return;
    }
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
    applyPageScale();
}

void PaintedPrinter::beginPage()
{
    if (!m_device)
        return;
    m_device->newPage();
    applyPageScale();
}

void PaintedPrinter::drawText(double x, double y, const std::string& text)
{
    if (!m_device)
        return;
    const double sx = m_device->logicalDpiX() / 72.0;
    const double sy = m_device->logicalDpiY() / 72.0;
    const double baselineY = y + m_baseline * fontSize();
    m_painter.drawText(QPointF(x * sx, baselineY * sy), QString::fromStdString(text));
}

void PaintedPrinter::endDocument()
{
    if (!m_device)
        return;
    m_painter.end();
    m_device = nullptr;
    documentFinished();
}

}  // namespace printing
