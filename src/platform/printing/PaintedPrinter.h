#pragma once
// The printer devices that really draw (a PDF file, a system printer): text is
// drawn with QPainter on a paged device opened for each document.
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

    void beginDocument() override;
    void beginPage() override;
    void drawText(double x, double y, const std::string& text) override;
    void endDocument() override;
    void fontChanged() override;

private:
    void reportError(const std::string& message) const;

    QFont m_font;
    QRawFont m_rawFont;       // design metrics, one pixel per point
    double m_baseline = 0.0;  // from the top of the em, in ems
    QPainter m_painter;
    QPagedPaintDevice* m_device = nullptr;
    std::function<void(const std::string&)> m_errorHandler;
};

}  // namespace printing
