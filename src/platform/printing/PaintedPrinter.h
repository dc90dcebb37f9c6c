#pragma once
// The printer devices that really draw (a PDF file, a system printer): each
// page is drawn with QPainter on one sheet of a paged device opened for each
// document, reduced as PrinterDevice.h says.
//
// Metrics: text widths are the font's design advances at the font size (the
// substitutes of FontFamilies.h); the text height is one em (1.0 × the font
// size), the line the fixed-pitch fonts are designed on, with the baseline put
// where the font's ascent falls within that em.

#include "platform/printing/PrinterDevice.h"

#include <QFont>
#include <QPainter>
#include <QRawFont>

#include <functional>
#include <map>
#include <string>

class QPagedPaintDevice;

namespace printing {

class PaintedPrinter : public PrinterDevice {
public:
    PaintedPrinter();
    ~PaintedPrinter() override;

    double textWidth(const std::string& text) const override;
    double textHeight(const std::string& text) const override;

    // Told, in Japanese, when a document cannot be started.
    void setErrorHandler(std::function<void(const std::string& message)> handler);

protected:
    // The device for the next document, or nullptr when it cannot be had. Sets
    // `failure` to the message for the error handler should the device be
    // missing or not start; such a document is not drawn.
    virtual QPagedPaintDevice* openDevice(std::string& failure) = 0;
    virtual void documentFinished() {}

    void beginSheet(double scale, bool firstOfDocument) override;
    void drawOnSheet(const PlacedText& text) override;
    void endSheets() override;
    void fontChanged() override;

    void reportError(const std::string& message) const;

private:
    // A font as drawn: the substitute family at a size, and where its baseline
    // falls within the em.
    struct DrawingFont {
        QFont font;
        double baseline = 0.8;  // from the top of the em, in ems
    };
    static DrawingFont drawingFont(const std::string& name, double size);
    const DrawingFont& fontFor(const PlacedText& text);

    QRawFont m_rawFont;  // the font in force: design metrics, one pixel per point
    QPainter m_painter;
    QPagedPaintDevice* m_device = nullptr;
    std::map<std::pair<std::string, double>, DrawingFont> m_fonts;
    const DrawingFont* m_painterFont = nullptr;
    std::function<void(const std::string&)> m_errorHandler;
};

}  // namespace printing
