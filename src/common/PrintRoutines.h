#pragma once
// The routines every printout shares: setting up a print run, a centred line,
// blank lines and the gap after a printed line. Each works on the program's
// printer (printing::printer()) or on the device given.

#include "platform/printing/PrinterDevice.h"

#include <string>

namespace o {

// What a print run says, in an OK box with the run's title, when the user's
// choices leave nothing to print, or when the run printed nothing.
inline constexpr const char* kNothingToPrint = "印刷するものがありません";

// Starts the layout of a print run at (x, y) with the font. Sets the scale mode
// to 2 (points). The paper size has no effect: the printer keeps its own.
void PreparePrinter(printing::PrinterDevice& device, int paperSize, double x, double y, const std::string& fontName,
                    double fontSize);
void PreparePrinter(int paperSize, double x, double y, const std::string& fontName, double fontSize);

// Prints one line centred on the page width at the font size, then puts back
// the font size it had (rounded to whole points, a half to the even one).
void PrintCentered(printing::PrinterDevice& device, double size, const std::string& text);
void PrintCentered(double size, const std::string& text);

// n line pitches of 1.3 text heights of "1", then back to the left margin.
void PrintNewLines(printing::PrinterDevice& device, int n);
void PrintNewLines(int n);

// The extra 0.3 text height of "111" after a printed line, back to the left margin.
void PrintLineGap(printing::PrinterDevice& device);
void PrintLineGap();

}  // namespace o
