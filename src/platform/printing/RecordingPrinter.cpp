#include "platform/printing/RecordingPrinter.h"

#include "platform/printing/A4Page.h"
#include "platform/printing/Printer.h"
#include "platform/printing/TextCells.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace printing {

double RecordingPrinter::scaleWidth() const { return kA4PrintableWidth; }
double RecordingPrinter::scaleHeight() const { return kA4PrintableHeight; }

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

void RecordingPrinter::beginDocument() { m_events.push_back(event(PrintEvent::Kind::BeginDocument)); }
void RecordingPrinter::beginPage() { m_events.push_back(event(PrintEvent::Kind::BeginPage)); }
void RecordingPrinter::newPageCalled() { m_events.push_back(event(PrintEvent::Kind::NewPage)); }
void RecordingPrinter::endDocCalled() { m_events.push_back(event(PrintEvent::Kind::EndDoc)); }

void RecordingPrinter::drawText(double x, double y, const std::string& text)
{
    PrintEvent e = event(PrintEvent::Kind::Text);
    e.x = x;
    e.y = y;
    if (drawColumn() != 0)
        e.column = drawColumn();
    e.text = text;
    m_events.push_back(std::move(e));
}

namespace {

// Lays the texts drawn on one page out as lines of half-width cells.
std::vector<PrintedLine> layOut(std::vector<const PrintEvent*> texts)
{
    std::stable_sort(texts.begin(), texts.end(), [](const PrintEvent* a, const PrintEvent* b) {
        return a->y != b->y ? a->y < b->y : a->x < b->x;
    });
    std::vector<PrintedLine> lines;
    int filled = 0;   // cells already used on the last line
    for (const PrintEvent* t : texts) {
        if (lines.empty() || std::abs(lines.back().y - t->y) > 1e-6) {
            lines.push_back({t->y, {}});
            filled = 0;
        }
        const int cell = static_cast<int>(std::lround(t->x / (0.5 * t->fontSize)));
        if (cell > filled) {
            lines.back().text.append(static_cast<std::size_t>(cell - filled), ' ');
            filled = cell;
        }
        lines.back().text += t->text;
        filled += halfWidthCells(t->text);
    }
    return lines;
}

}  // namespace

std::vector<std::vector<PrintedLine>> RecordingPrinter::pages() const
{
    std::vector<std::vector<PrintedLine>> result;
    std::vector<const PrintEvent*> current;
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
        case PrintEvent::Kind::Text:
            current.push_back(&e);
            break;
        default:
            break;
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
    return static_cast<int>(std::count_if(m_events.begin(), m_events.end(), [](const PrintEvent& e) {
        return e.kind == PrintEvent::Kind::EndDoc;
    }));
}

RecordingPrinter& installRecordingPrinter()
{
    auto device = std::make_unique<RecordingPrinter>();
    RecordingPrinter& ref = *device;
    installPrinter(std::move(device));
    return ref;
}

}  // namespace printing
