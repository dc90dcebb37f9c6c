#include "common/PrintRoutines.h"

#include "platform/printing/Printer.h"

#include <cmath>

namespace o {

void PreparePrinter(printing::PrinterDevice& device, int /*paperSize*/, double x, double y, const std::string& fontName,
                    double fontSize)
{
    device.setScaleMode(2);
    device.setCurrentX(x);
    device.setCurrentY(y);
    device.setFontName(fontName);
    device.setFontSize(fontSize);
}

void PreparePrinter(int paperSize, double x, double y, const std::string& fontName, double fontSize)
{
    PreparePrinter(printing::printer(), paperSize, x, y, fontName, fontSize);
}

void PrintCentered(printing::PrinterDevice& device, double size, const std::string& text)
{
    const double previousSize = std::nearbyint(device.fontSize());  // half to even
    device.setFontSize(size);
    device.setCurrentX(device.scaleWidth() / 2 - device.textWidth(text) / 2);
    device.print(text);
    device.setFontSize(previousSize);
}

void PrintCentered(double size, const std::string& text)
{
    PrintCentered(printing::printer(), size, text);
}

void PrintNewLines(printing::PrinterDevice& device, int n)
{
    for (int i = 0; i < n; ++i) {
        const double height = device.textHeight("1");
        device.setCurrentY(device.currentY() + height + 0.3 * height);
    }
    device.setCurrentX(0);
}

void PrintNewLines(int n)
{
    PrintNewLines(printing::printer(), n);
}

void PrintLineGap(printing::PrinterDevice& device)
{
    device.setCurrentY(device.currentY() + 0.3 * device.textHeight("111"));
    device.setCurrentX(0);
}

void PrintLineGap()
{
    PrintLineGap(printing::printer());
}

}  // namespace o
