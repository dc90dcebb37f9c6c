#include "platform/printing/PrinterDevice.h"

#include <algorithm>

namespace printing {

void PrinterDevice::setFontName(const std::string& name)
{
    m_fontName = name;
    fontChanged();
}

void PrinterDevice::setFontSize(double points)
{
    m_fontSize = points;
    fontChanged();
}

double PrinterDevice::baseScale() const
{
    const double width = paperWidth();
    return width > 0.0 && width < kMinimumPageWidth ? width / kMinimumPageWidth : 1.0;
}

double PrinterDevice::scaleWidth() const
{
    return paperWidth() / baseScale();
}

double PrinterDevice::scaleHeight() const
{
    return paperHeight() / baseScale();
}

void PrinterDevice::ensurePage()
{
    if (!m_documentOpen) {
        m_documentOpen = true;
        m_page = 1;
        m_pageBreakPending = false;
        documentBegun();
        return;
    }
    if (m_pageBreakPending) {
        finishPage();
        ++m_page;
        m_pageBreakPending = false;
        pageBegun();
    }
}

void PrinterDevice::finishPage()
{
    if (m_pageTexts.empty())
        return;
    double right = 0.0;
    double bottom = 0.0;
    for (const PlacedText& t : m_pageTexts) {
        right = std::max(right, t.x + t.width);
        bottom = std::max(bottom, t.y + t.height);
    }
    double scale = baseScale();
    if (right > 0.0)
        scale = std::min(scale, paperWidth() / right);
    if (bottom > 0.0)
        scale = std::min(scale, paperHeight() / bottom);
    if (m_documentScale > 0.0)
        scale = std::min(scale, m_documentScale);
    m_documentScale = scale;

    beginSheet(scale, !m_sheetsBegun);
    m_sheetsBegun = true;
    for (const PlacedText& t : m_pageTexts)
        drawOnSheet(t);
    m_pageTexts.clear();
}

void PrinterDevice::print(const std::string& text, bool endLine)
{
    if (!text.empty()) {
        ensurePage();
        PlacedText placed{m_x, m_y, textWidth(text), textHeight(text), text, m_fontName, m_fontSize, m_drawColumn};
        textPlaced(placed);
        m_pageTexts.push_back(std::move(placed));
    }
    if (endLine) {
        m_y += textHeight(text.empty() ? std::string("1") : text);
        m_x = 0.0;
    } else {
        m_x += textWidth(text);
    }
}

void PrinterDevice::printAtColumn(int column, const std::string& text, bool endLine)
{
    if (column < 1)  // as for the first column
        column = 1;
    const double columnX = (column - 1) * textWidth("0");
    if (m_x > columnX + 1e-9) {  // already past the column: the column on the next line
        m_y += textHeight("1");
    }
    m_x = columnX;
    m_drawColumn = column;
    print(text, endLine);
    m_drawColumn = 0;
}

void PrinterDevice::newPage()
{
    newPageCalled();
    if (m_documentOpen)
        m_pageBreakPending = true;
    m_x = 0.0;
    m_y = 0.0;
}

void PrinterDevice::startPrintout()
{
    if (m_documentOpen && m_pageBreakPending)
        finishPage();  // ensurePage() still counts the page and begins the next one
    m_documentScale = 0.0;
}

void PrinterDevice::endDoc()
{
    endDocCalled();
    if (m_documentOpen) {
        finishPage();
        if (m_sheetsBegun)
            endSheets();
    }
    m_documentOpen = false;
    m_pageBreakPending = false;
    m_sheetsBegun = false;
    m_documentScale = 0.0;
    m_pageTexts.clear();
    m_page = 0;
    m_x = 0.0;
    m_y = 0.0;
}

}  // namespace printing
