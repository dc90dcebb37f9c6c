#pragma once
// A printer device for tests: it draws nothing and keeps both what the
// printouts asked for and the sheets a real printer would make of it, with
// fixed metrics so that positions can be predicted exactly:
//  - the paper is A4 less 5 mm margins (A4Page.h), laid out and reduced onto
//    sheets by the device's rules (PrinterDevice.h), as the PDF files and the
//    system printer do;
//  - a half-width cell is 0.5 × the font size wide; a text is as many cells wide
//    as a Shift-JIS printout counts (TextCells.h), so "0" (one print column) is
//    0.5 × size and a double-byte character 1.0 × size;
//  - the height of any text is 1.0 × the font size (as the fixed-pitch Japanese
//    fonts measure: ascent + descent = one em).
//
// events(), pages(), pageTexts() and texts() are the pages as the printout
// asked for them; sheets() and sheetTexts() are the sheets that come out.

#include "platform/printing/PrinterDevice.h"

#include <optional>
#include <string>
#include <vector>

namespace printing {

struct PrintEvent {
    enum class Kind {
        BeginDocument,  // the first text of a document
        BeginPage,      // the first text after a marked page break
        Text,           // a text placed
        NewPage,        // a newPage() call
        EndDoc,         // an endDoc() call (also one with nothing printed)
    };
    Kind kind = Kind::Text;
    int page = 0;          // page in force, 1-based; 0 outside a document
    std::string fontName;  // font in force
    double fontSize = 0.0;
    double x = 0.0;  // Text: where it was placed, in layout units
    double y = 0.0;
    std::optional<int> column;  // Text placed by printAtColumn
    std::string text;
};

// One printed line read back: the texts at the same y, laid out in half-width
// cells (x / (0.5 × font size), rounded) and padded with blanks.
struct PrintedLine {
    double y = 0.0;
    std::string text;
};

// One sheet of paper that came out of the device.
struct Sheet {
    int document = 0;               // 1-based count of the documents printed
    double scale = 1.0;             // the page's reduction on this sheet
    std::vector<PlacedText> texts;  // in layout units, as the page placed them
    // How far the texts reach on the paper, in points from the printable
    // area's top-left corner.
    double right() const;
    double bottom() const;
};

class RecordingPrinter : public PrinterDevice {
public:
    double textWidth(const std::string& text) const override;
    double textHeight(const std::string& text) const override;
    double paperWidth() const override;
    double paperHeight() const override;

    const std::vector<PrintEvent>& events() const { return m_events; }
    void clear()
    {
        m_events.clear();
        m_sheets.clear();
        m_documents = 0;
    }

    // Pages of every document asked for so far, in order, each as its lines
    // from the top down.
    std::vector<std::vector<PrintedLine>> pages() const;
    // The texts of page `index` (0-based over all documents) without positions.
    std::vector<std::string> pageTexts(std::size_t index) const;
    // Every text placed, in order.
    std::vector<std::string> texts() const;
    int documentCount() const;
    int endDocCount() const;

    // The sheets made so far (a page's sheet comes out when the page ends).
    const std::vector<Sheet>& sheets() const { return m_sheets; }
    // The lines of sheet `index`, as pageTexts() reads a page.
    std::vector<std::string> sheetTexts(std::size_t index) const;
    // True when every text of every sheet lies within the paper.
    bool everySheetFitsThePaper() const;

protected:
    void documentBegun() override;
    void pageBegun() override;
    void textPlaced(const PlacedText& text) override;
    void newPageCalled() override;
    void endDocCalled() override;
    void beginSheet(double scale, bool firstOfDocument) override;
    void drawOnSheet(const PlacedText& text) override;
    void endSheets() override {}

private:
    PrintEvent event(PrintEvent::Kind kind) const;
    std::vector<PrintEvent> m_events;
    std::vector<Sheet> m_sheets;
    int m_documents = 0;
};

// Installs a new RecordingPrinter as the program's printer and returns it.
RecordingPrinter& installRecordingPrinter();

}  // namespace printing
