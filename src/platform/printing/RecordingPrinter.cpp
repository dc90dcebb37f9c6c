#include "platform/printing/RecordingPrinter.h"

#include "platform/printing/A4Page.h"
#include "platform/printing/Printer.h"
#include "platform/printing/TextCells.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace printing {

double RecordingPrinter::paperWidth() const
{
    return kA4PrintableWidth;
}
double RecordingPrinter::paperHeight() const
{
    return kA4PrintableHeight;
}

double RecordingPrinter::textWidth(const std::string& text) const
{
    return halfWidthCells(text) * 0.5 * fontSize();
}

double RecordingPrinter::textHeight(const std::string&) const
{
    return fontSize();
}

PrintEvent RecordingPrinter::event(PrintEvent::Kind kind) const
{
    PrintEvent e;
    e.kind = kind;
    e.page = page();
    e.fontName = fontName();
    e.fontSize = fontSize();
    return e;
}

void RecordingPrinter::documentBegun()
{
    m_events.push_back(event(PrintEvent::Kind::BeginDocument));
}
void RecordingPrinter::pageBegun()
{
    m_events.push_back(event(PrintEvent::Kind::BeginPage));
}
void RecordingPrinter::newPageCalled()
{
    m_events.push_back(event(PrintEvent::Kind::NewPage));
}
void RecordingPrinter::endDocCalled()
{
    m_events.push_back(event(PrintEvent::Kind::EndDoc));
}

void RecordingPrinter::textPlaced(const PlacedText& text)
{
    PrintEvent e = event(PrintEvent::Kind::Text);
    e.fontName = text.fontName;
    e.fontSize = text.fontSize;
    e.x = text.x;
    e.y = text.y;
    if (text.column != 0)
        e.column = text.column;
    e.text = text.text;
    m_events.push_back(std::move(e));
}

void RecordingPrinter::beginSheet(double scale, bool firstOfDocument)
{
    if (firstOfDocument)
        ++m_documents;
    m_sheets.push_back(Sheet{m_documents, scale, {}});
}

void RecordingPrinter::drawOnSheet(const PlacedText& text)
{
    m_sheets.back().texts.push_back(text);
}

double Sheet::right() const
{
    double r = 0.0;
    for (const PlacedText& t : texts)
        r = std::max(r, (t.x + t.width) * scale);
    return r;
}

double Sheet::bottom() const
{
    double b = 0.0;
    for (const PlacedText& t : texts)
        b = std::max(b, (t.y + t.height) * scale);
    return b;
}

bool RecordingPrinter::everySheetFitsThePaper() const
{
    constexpr double kTolerance = 1e-6;
    return std::all_of(m_sheets.begin(), m_sheets.end(), [this](const Sheet& sheet) {
        return sheet.right() <= paperWidth() + kTolerance && sheet.bottom() <= paperHeight() + kTolerance;
    });
}

namespace {

struct CellText {
    double x, y, fontSize;
    const std::string* text;
};

// Lays the texts of one page out as lines of half-width cells.
std::vector<PrintedLine> layOut(std::vector<CellText> texts)
{
    std::stable_sort(texts.begin(), texts.end(),
                     [](const CellText& a, const CellText& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    std::vector<PrintedLine> lines;
    int filled = 0;  // cells already used on the last line
    for (const CellText& c : texts) {
        const CellText* t = &c;
        if (lines.empty() || std::abs(lines.back().y - t->y) > 1e-6) {
            lines.push_back({t->y, {}});
            filled = 0;
        }
        const int cell = static_cast<int>(std::lround(t->x / (0.5 * t->fontSize)));
        if (cell > filled) {
            lines.back().text.append(static_cast<std::size_t>(cell - filled), ' ');
            filled = cell;
        }
        lines.back().text += *t->text;
        filled += halfWidthCells(*t->text);
    }
    return lines;
}

}  // namespace

std::vector<std::vector<PrintedLine>> RecordingPrinter::pages() const
{
    std::vector<std::vector<PrintedLine>> result;
    std::vector<CellText> current;
    bool open = false;
    auto flush = [&] {
        if (open)
            result.push_back(layOut(current));
        current.clear();
    };
    for (const PrintEvent& e : m_events) {
        switch (e.kind) {
        case PrintEvent::Kind::BeginDocument:
        case PrintEvent::Kind::BeginPage:
            flush();
            open = true;
            break;
        case PrintEvent::Kind::Text: current.push_back({e.x, e.y, e.fontSize, &e.text}); break;
        default: break;
        }
    }
    flush();
    return result;
}

std::vector<std::string> RecordingPrinter::pageTexts(std::size_t index) const
{
    std::vector<std::string> result;
    const auto all = pages();
    if (index < all.size())
        for (const PrintedLine& line : all[index])
            result.push_back(line.text);
    return result;
}

std::vector<std::string> RecordingPrinter::sheetTexts(std::size_t index) const
{
    std::vector<std::string> result;
    if (index >= m_sheets.size())
        return result;
    std::vector<CellText> texts;
    for (const PlacedText& t : m_sheets[index].texts)
        texts.push_back({t.x, t.y, t.fontSize, &t.text});
    for (const PrintedLine& line : layOut(std::move(texts)))
        result.push_back(line.text);
    return result;
}

std::vector<std::string> RecordingPrinter::texts() const
{
    std::vector<std::string> result;
    for (const PrintEvent& e : m_events)
        if (e.kind == PrintEvent::Kind::Text)
            result.push_back(e.text);
    return result;
}

int RecordingPrinter::documentCount() const
{
    return static_cast<int>(std::count_if(m_events.begin(), m_events.end(), [](const PrintEvent& e) {
        return e.kind == PrintEvent::Kind::BeginDocument;
    }));
}

int RecordingPrinter::endDocCount() const
{
    return static_cast<int>(std::count_if(m_events.begin(), m_events.end(),
                                          [](const PrintEvent& e) { return e.kind == PrintEvent::Kind::EndDoc; }));
}

RecordingPrinter& installRecordingPrinter()
{
    auto device = std::make_unique<RecordingPrinter>();
    RecordingPrinter& ref = *device;
    installPrinter(std::move(device));
    return ref;
}

}  // namespace printing
