#pragma once
// The printer device the reports draw on: a font, a current position, the page
// size, text measurement, printing a text with or without ending the line or at
// a character column, a new page and the end of the document.
//
// Units are points (1/72 inch) from the top-left corner of the page the
// printouts lay out. The device keeps the printing rules; backends only
// measure and draw:
//  - print(text) places the text at (currentX, currentY); ending the line moves
//    currentY down by the text height of `text` (of "1" for an empty text) and
//    currentX back to 0; without ending the line currentX moves past the text.
//  - printAtColumn(n, text) first moves currentX to column n (column 1 at x = 0,
//    one column = the width of "0" in the current font). When the line already
//    reaches past that column, the text goes to column n of the next line
//    (currentY moves down by the text height of "1" first).
//  - newPage() only marks a page break; the break happens when something is
//    printed next. So a print run never ends with an empty page.
//  - endDoc() finishes the document; the next text starts a new one.
//  - So no page is ever empty: a new page marked twice, or before anything of
//    the document was printed, gives no blank sheet, and printing an empty text
//    only moves the position. newPage() and endDoc() put the position back to
//    (0, 0) at once.
//
// Pages and sheets. Every page a printout lays out is printed on one sheet of
// the paper, whole: the device keeps the texts of a page until the page ends
// and then reduces the page as a whole, the same both ways, so that all of it
// lies on the paper's printable area:
//  - the page the printouts lay out is at least kMinimumPageWidth wide (136
//    print columns of the 9-pt font), so on a narrower paper every page is
//    reduced to paperWidth / kMinimumPageWidth (A4 portrait: 92.6 %);
//  - a page whose texts reach further right, or further down, than the paper
//    holds at that size is reduced further until they fit (the cash book's 78
//    rows at 1.3 line pitch: 84.8 % on A4);
//  - once reduced, the later pages of the same printout are drawn no larger,
//    so a printout keeps one size. A run that prints several printouts in one
//    document calls startPrintout() before each: the next printout starts
//    again at its own smallest reduction, whatever the one before needed.
// No page is ever split over two sheets, so every sheet carries the header its
// printout gave the page. Texts are never enlarged.

#include <string>
#include <vector>

namespace printing {

// A text as a printout placed it on its page.
struct PlacedText {
    double x = 0.0;      // layout units (points of the laid-out page)
    double y = 0.0;      // the top of the text
    double width = 0.0;  // in the font in force
    double height = 0.0;
    std::string text;
    std::string fontName;
    double fontSize = 0.0;
    int column = 0;  // the print column of printAtColumn(), 0 otherwise
};

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

    // The page the printouts lay out: the paper's printable area at the
    // smallest reduction, baseScale() (see above).
    double scaleWidth() const;
    double scaleHeight() const;
    virtual double textWidth(const std::string& text) const = 0;
    virtual double textHeight(const std::string& text) const = 0;

    // The printable area of one sheet of the paper, in points.
    virtual double paperWidth() const = 0;
    virtual double paperHeight() const = 0;

    static constexpr double kMinimumPageWidth = 612.0;
    // 1.0, or less when the paper is narrower than kMinimumPageWidth.
    double baseScale() const;

    // The one page-setup property the program sets before a run (it has no
    // visible effect on these devices; kept so a run can be inspected).
    void setScaleMode(int mode) { m_scaleMode = mode; }
    int scaleMode() const { return m_scaleMode; }

    void print(const std::string& text, bool endLine = true);
    void printAtColumn(int column, const std::string& text, bool endLine = true);
    void newPage();
    void endDoc();
    // A further printout of the same document begins: the page the printout
    // before left is finished at that printout's size, and the pages that
    // follow are held to no size but their own.
    void startPrintout();

    int page() const { return m_page; }  // 1 while the first page is printed
    bool documentOpen() const { return m_documentOpen; }

protected:
    // What the printouts ask for, as they ask it (for recording).
    virtual void documentBegun() {}  // the first text of a document
    virtual void pageBegun() {}      // the first text of a later page
    virtual void textPlaced(const PlacedText&) {}
    // Told of every newPage() and endDoc() call, also when it has nothing to
    // break or to end.
    virtual void newPageCalled() {}
    virtual void endDocCalled() {}

    // The sheets the device makes, one per page: a sheet begins (the first one
    // of a document begins the document), the page's texts are drawn on it in
    // layout units reduced by `scale`, and the document ends after its last
    // sheet.
    virtual void beginSheet(double scale, bool firstOfDocument) = 0;
    virtual void drawOnSheet(const PlacedText& text) = 0;
    virtual void endSheets() = 0;

    virtual void fontChanged() {}

private:
    void ensurePage();
    void finishPage();  // prints the page's texts on their sheet
    std::string m_fontName = "ＭＳ ゴシック";
    double m_fontSize = 9.0;
    double m_x = 0.0;
    double m_y = 0.0;
    int m_scaleMode = 0;
    int m_page = 0;
    bool m_documentOpen = false;
    bool m_pageBreakPending = false;
    int m_drawColumn = 0;
    std::vector<PlacedText> m_pageTexts;  // of the page being laid out
    double m_documentScale = 0.0;         // of the printout's last sheet; 0 before the first
    bool m_sheetsBegun = false;
};

}  // namespace printing
