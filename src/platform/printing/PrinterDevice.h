#pragma once
// The printer device the reports draw on: a font, a current position, the page
// size, text measurement, printing a text with or without ending the line or at
// a character column, a new page and the end of the document.
//
// Units are points (1/72 inch) from the top-left corner of the printable area.
// The device keeps the printing rules; backends only measure and draw:
//  - print(text) draws at (currentX, currentY); ending the line moves currentY
//    down by the text height of `text` (of "1" for an empty text) and currentX
//    back to 0; without ending the line currentX moves past the text.
//  - printAtColumn(n, text) first moves currentX to column n (column 1 at x = 0,
//    one column = the width of "0" in the current font). When the line already
//    reaches past that column, the text goes to column n of the next line
//    (currentY moves down by the text height of "1" first).
//  - newPage() only marks a page break; the break happens when something is
//    drawn next. So a print run never ends with an empty page.
//  - endDoc() finishes the document; the next drawing starts a new one.
//  - So no page is ever empty: a new page marked twice, or before anything of
//    the document was drawn, gives no blank sheet, and printing an empty text
//    only moves the position. newPage() and endDoc() put the position back to
//    (0, 0) at once.
//  - A text that would reach below the printable height starts a new page by
//    itself (the device's own page overflow) and is drawn at the top, at the
//    same x.

#include <string>

namespace printing {

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    void setFontName(const std::string& name);
    const std::string& fontName() const { return m_fontName; }
    void setFontSize(double points);
    double fontSize() const { return m_fontSize; }

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }

    virtual double scaleWidth() const = 0;    // printable width
    virtual double scaleHeight() const = 0;   // printable height
    virtual double textWidth(const std::string& text) const = 0;
    virtual double textHeight(const std::string& text) const = 0;

    // The one page-setup property the program sets before a run (it has no
    // visible effect on these devices; kept so a run can be inspected).
    void setScaleMode(int mode) { m_scaleMode = mode; }
    int scaleMode() const { return m_scaleMode; }

    void print(const std::string& text, bool endLine = true);
    void printAtColumn(int column, const std::string& text, bool endLine = true);
    void newPage();
    void endDoc();

    int page() const { return m_page; }        // 1 while the first page is printed
    bool documentOpen() const { return m_documentOpen; }

protected:
    // Backend hooks.
    virtual void beginDocument() = 0;
    virtual void beginPage() = 0;                       // a page after the first
    virtual void drawText(double x, double y, const std::string& text) = 0;
    virtual void endDocument() = 0;
    virtual void fontChanged() {}
    // Told of every newPage() and endDoc() call, also when it has nothing to
    // break or to end (for recording).
    virtual void newPageCalled() {}
    virtual void endDocCalled() {}
    // The print column of the text being drawn by printAtColumn(), 0 otherwise.
    int drawColumn() const { return m_drawColumn; }

private:
    void ensurePage();
    std::string m_fontName = "ＭＳ ゴシック";
    double m_fontSize = 9.0;
    double m_x = 0.0;
    double m_y = 0.0;
    int m_scaleMode = 0;
    int m_page = 0;
    bool m_documentOpen = false;
    bool m_pageBreakPending = false;
    int m_drawColumn = 0;
};

}  // namespace printing
