#pragma once
// The printer devices that really draw (a PDF file, a system printer): text is
// drawn with QPainter on a paged device opened for each document.
//
// Metrics: text widths are the font's design advances at the font size (the
// substitutes of FontFamilies.h); the text height is one em (1.0 × the font
// size), the line the fixed-pitch fonts are designed on, with the baseline put
// where the font's ascent falls within that em.
//
// Page: the widest printed line (the cash book's, print column 10 and 124
// bytes of the 9-pt font: 598.5 pt) is wider than the printable width of A4
// portrait. So that no text runs off the paper, a page narrower than
// kMinimumPageWidth is drawn scaled down as a whole: the device's page
// (scaleWidth × scaleHeight, in the units the printouts lay out in) is the
// paper's printable area divided by pageScale(), and every text is drawn that
// much smaller. Positions and sizes seen by the printouts do not change.

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

    // The page in layout units: the paper's printable area / pageScale().
    double scaleWidth() const override;
    double scaleHeight() const override;
    double textWidth(const std::string& text) const override;
    double textHeight(const std::string& text) const override;

    // 136 print columns of the 9-pt font.
    static constexpr double kMinimumPageWidth = 612.0;
    // 1.0, or less when the paper's printable width is below kMinimumPageWidth.
    double pageScale() const;

    // Told, in Japanese, when a document cannot be started.
    void setErrorHandler(std::function<void(const std::string& message)> handler);

protected:
    // The device for the next document, or nullptr when it cannot be had. Sets
    // `failure` to the message for the error handler should the device be
    // missing or not start; such a document is not drawn.
    virtual QPagedPaintDevice* openDevice(std::string& failure) = 0;
    // The printable area of the paper, in points.
    virtual double paperWidth() const = 0;
    virtual double paperHeight() const = 0;
    virtual void documentFinished() {}

    void beginDocument() override;
    void beginPage() override;
    void drawText(double x, double y, const std::string& text) override;
    void endDocument() override;
    void fontChanged() override;

private:
    void reportError(const std::string& message) const;
    void applyPageScale();

    QFont m_font;
    QRawFont m_rawFont;       // design metrics, one pixel per point
    double m_baseline = 0.0;  // from the top of the em, in ems
    QPainter m_painter;
    QPagedPaintDevice* m_device = nullptr;
    std::function<void(const std::string&)> m_errorHandler;
};

}  // namespace printing
