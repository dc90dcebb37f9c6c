#include "platform/printing/PaintedPrinter.h"

#include "platform/printing/FontFamilies.h"
#include "platform/printing/TextCells.h"

#include <QPagedPaintDevice>

#include <algorithm>
#include <cstdio>

namespace printing {

namespace {

QFont fontOf(const std::string& name, double size)
{
    QFont font(QString::fromStdString(substituteFontFamily(name)));
    font.setPointSizeF(size > 0.0 ? size : 1.0);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::ForceOutline);
    return font;
}

QRawFont rawFontOf(const std::string& name, double size)
{
    QFont metricsFont = fontOf(name, size);
    metricsFont.setPixelSize(100);
    QRawFont raw = QRawFont::fromFont(metricsFont);
    raw.setPixelSize(size > 0.0 ? size : 1.0);
    return raw;
}

}  // namespace

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
    m_rawFont = rawFontOf(fontName(), fontSize());
}

PaintedPrinter::DrawingFont PaintedPrinter::drawingFont(const std::string& name, double size)
{
    DrawingFont drawing;
    drawing.font = fontOf(name, size);
    const QRawFont raw = rawFontOf(name, size);
    const double ascent = raw.ascent();
    const double descent = raw.descent();
    drawing.baseline = ascent + descent > 0.0 ? ascent / (ascent + descent) : 0.8;
    return drawing;
}

const PaintedPrinter::DrawingFont& PaintedPrinter::fontFor(const PlacedText& text)
{
    const auto key = std::make_pair(text.fontName, text.fontSize);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end())
        it = m_fonts.emplace(key, drawingFont(text.fontName, text.fontSize)).first;
    return it->second;
}

double PaintedPrinter::textWidth(const std::string& text) const
{
    const QString s = QString::fromStdString(text);
    const QList<quint32> glyphs = m_rawFont.glyphIndexesForString(s);
    const bool allPresent = m_rawFont.isValid() && !glyphs.isEmpty()
        && std::none_of(glyphs.begin(), glyphs.end(), [](quint32 g) { return g == 0; });
    if (!allPresent)  // a character the font lacks: count it by cells
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

void PaintedPrinter::beginSheet(double scale, bool firstOfDocument)
{
    if (firstOfDocument) {
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
        m_painter.setPen(Qt::black);
        m_painterFont = nullptr;
    } else {
        if (!m_device)
            return;
        m_device->newPage();
    }
    m_painter.resetTransform();
    m_painter.scale(scale, scale);
}

void PaintedPrinter::drawOnSheet(const PlacedText& text)
{
    if (!m_device)
        return;
    const DrawingFont& font = fontFor(text);
    if (m_painterFont != &font) {
        m_painter.setFont(font.font);
        m_painterFont = &font;
    }
    const double sx = m_device->logicalDpiX() / 72.0;
    const double sy = m_device->logicalDpiY() / 72.0;
    const double baselineY = text.y + font.baseline * text.fontSize;
    m_painter.drawText(QPointF(text.x * sx, baselineY * sy), QString::fromStdString(text.text));
}

void PaintedPrinter::endSheets()
{
    if (!m_device)
        return;
    m_painter.end();
    m_device = nullptr;
    documentFinished();
}

}  // namespace printing
