#include "platform/printing/PrinterDevice.h"

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

void PrinterDevice::ensurePage()
{
    if (!m_documentOpen) {
        m_documentOpen = true;
        m_page = 1;
        m_pageBreakPending = false;
        beginDocument();
        return;
    }
    if (m_pageBreakPending) {
        ++m_page;
        m_pageBreakPending = false;
        beginPage();
    }
}

void PrinterDevice::print(const std::string& text, bool endLine)
{
    if (!text.empty()) {
        const bool pageHasContent = m_documentOpen && !m_pageBreakPending;
        if (pageHasContent && m_y > 0.0 && m_y + textHeight(text) > scaleHeight()) {
            m_pageBreakPending = true;   // the device's own page overflow
            m_y = 0.0;
        }
        ensurePage();
        drawText(m_x, m_y, text);
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
    if (column < 1)   // as for the first column
        column = 1;
    const double columnX = (column - 1) * textWidth("0");
    if (m_x > columnX + 1e-9) {   // already past the column: the column on the next line
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

void PrinterDevice::endDoc()
{
    endDocCalled();
    if (m_documentOpen)
        endDocument();
    m_documentOpen = false;
    m_pageBreakPending = false;
    m_page = 0;
    m_x = 0.0;
    m_y = 0.0;
}

}  // namespace printing
