#pragma once
// A printer device for tests: it draws nothing and keeps every call as an event,
// with fixed metrics so that positions can be predicted exactly:
//  - the page is A4 less 5 mm margins (A4Page.h);
//  - a half-width cell is 0.5 × the font size wide; a text is as many cells wide
//    as a Shift-JIS printout counts (TextCells.h), so "0" (one print column) is
//    0.5 × size and a double-byte character 1.0 × size;
//  - the height of any text is 1.0 × the font size (as the fixed-pitch Japanese
//    fonts measure: ascent + descent = one em).

#include "platform/printing/PrinterDevice.h"

#include <optional>
#include <string>
#include <vector>

namespace printing {

struct PrintEvent {
    enum class Kind {
        BeginDocument,   // the first drawing of a document
        BeginPage,       // a page after the first (a marked break or an overflow)
        Text,            // a text drawn
        NewPage,         // a newPage() call
        EndDoc,          // an endDoc() call (also one with nothing printed)
    };
    Kind kind = Kind::Text;
    int page = 0;                  // page in force, 1-based; 0 outside a document
    std::string fontName;          // font in force
    double fontSize = 0.0;
    double x = 0.0;                // Text: where it was drawn
    double y = 0.0;
    std::optional<int> column;     // Text drawn by printAtColumn
    std::string text;
};

// One printed line of a page read back: the texts drawn at the same y, laid out
// in half-width cells (x / (0.5 × font size), rounded) and padded with blanks.
struct PrintedLine {
    double y = 0.0;
    std::string text;
};

class RecordingPrinter : public PrinterDevice {
public:
    double scaleWidth() const override;
    double scaleHeight() const override;
    double textWidth(const std::string& text) const override;
    double textHeight(const std::string& text) const override;

    const std::vector<PrintEvent>& events() const { return m_events; }
    void clear() { m_events.clear(); }

    // Pages of every document printed so far, in order, each as its lines from
    // the top down.
    std::vector<std::vector<PrintedLine>> pages() const;
    // The texts of page `index` (0-based over all documents) without positions.
    std::vector<std::string> pageTexts(std::size_t index) const;
    // Every text drawn, in order.
    std::vector<std::string> texts() const;
    int documentCount() const;
    int endDocCount() const;

protected:
    void beginDocument() override;
    void beginPage() override;
    void drawText(double x, double y, const std::string& text) override;
    void endDocument() override {}
    void newPageCalled() override;
    void endDocCalled() override;

private:
    PrintEvent event(PrintEvent::Kind kind) const;
    std::vector<PrintEvent> m_events;
};

// Installs a new RecordingPrinter as the program's printer and returns it.
RecordingPrinter& installRecordingPrinter();

}  // namespace printing
